#include "webenginebrowser.h"

#include "browserwindow.h"
#include "engineruntime.h"

#include <QCoreApplication>

WebEngineBrowser::WebEngineBrowser(int id, CefRefPtr<CefClient> client, bool popup, const CefString& url)
    : m_id(id)
    , m_client(client)
    , m_popup(popup)
    , m_mainFrame(new WebEngineFrame(this, true, url))
{
}

void WebEngineBrowser::attach(BrowserWindow* window)
{
    m_browserWindow = window;
}

void WebEngineBrowser::post(std::function<void(CefRefPtr<CefClient>)> work)
{
    CefRefPtr<CefClient> client = m_client;
    EngineRuntime::instance().postToUi([client, work] {
        if (client)
            work(client);
    });
}

void WebEngineBrowser::onWindow(std::function<void(BrowserWindow*)> work)
{
    CefRefPtr<WebEngineBrowser> self = this;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, work] {
            if (BrowserWindow* window = self->m_browserWindow)
                work(window);
        },
        Qt::AutoConnection);
}

void WebEngineBrowser::Reload()
{
    onWindow([](BrowserWindow* window) { window->reload(); });
}

void WebEngineBrowser::StopLoad()
{
    onWindow([](BrowserWindow* window) { window->stop(); });
}

void WebEngineBrowser::CloseBrowser(bool)
{
    onWindow([](BrowserWindow* window) { window->close(); });
}

void WebEngineBrowser::SetFocus(bool focus)
{
    onWindow([focus](BrowserWindow* window) { window->setFocus(focus); });
}

void WebEngineBrowser::ShowDevTools(const CefWindowInfo& windowInfo, CefRefPtr<CefClient>, const CefBrowserSettings&,
                                    const CefPoint&)
{
    onWindow([windowInfo](BrowserWindow* window) { window->showDevTools(windowInfo); });
}

void WebEngineBrowser::windowClosed()
{
    if (m_closed.exchange(true))
        return;
    CefRefPtr<CefBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        CefRefPtr<CefLifeSpanHandler> handler = client->GetLifeSpanHandler();
        if (handler && !handler->DoClose(self))
            handler->OnBeforeClose(self);
    });
}

void WebEngineBrowser::announceCreated()
{
    CefRefPtr<WebEngineBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefLifeSpanHandler> handler = client->GetLifeSpanHandler())
            handler->OnAfterCreated(self.get());
        CefRefPtr<CefDragHandler> drags = client->GetDragHandler();
        self->m_dragsRefused = drags && drags->OnDragEnter(self.get(), new CefDragData, DRAG_OPERATION_EVERY);
    });
}
