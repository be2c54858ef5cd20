#include "webengineframe.h"

#include "browserwindow.h"
#include "webenginebrowser.h"

#include <QDebug>

WebEngineFrame::WebEngineFrame(WebEngineBrowser* browser, bool main, const CefString& url)
    : m_browser(browser)
    , m_main(main)
    , m_url(url)
{
}

CefString WebEngineFrame::GetURL()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_url;
}

void WebEngineFrame::setUrl(const CefString& url)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_url = url;
}

void WebEngineFrame::LoadURL(const CefString& url)
{
    if (!m_main) {
        qWarning() << "[engine] a sub-frame cannot be loaded with Qt WebEngine:" << QString::fromStdString(url.ToString());
        return;
    }
    const QUrl target(QString::fromStdString(url.ToString()));
    m_browser->onWindow([target](BrowserWindow* window) { window->load(target); });
}

void WebEngineFrame::ExecuteJavaScript(const CefString& code, const CefString&, int)
{
    const QString script = QString::fromStdString(code.ToString());
    m_browser->onWindow([script](BrowserWindow* window) { window->runJavaScript(script); });
}

void WebEngineFrame::SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message)
{
    if (target != PID_BROWSER)
        return;
    CefRefPtr<CefBrowser> browser = m_browser;
    CefRefPtr<CefFrame> frame = this;
    m_browser->post([browser, frame, message](CefRefPtr<CefClient> client) {
        client->OnProcessMessageReceived(browser, frame, PID_RENDERER, message);
    });
}

CefRefPtr<CefBrowser> WebEngineFrame::GetBrowser()
{
    return m_browser;
}
