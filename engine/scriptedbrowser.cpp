#include "scriptedbrowser.h"

#include "cef_app.h"
#include "rendereremulation.h"
#include "engineruntime.h"
#include "scriptedbackend.h"

namespace {

// Frame ids: the browser's id times 1000 plus the frame's place.
int64_t frameId(int browser, size_t index)
{
    return int64_t(browser) * 1000 + int64_t(index);
}

// The renderer side of a new JavaScript context: the application installs its functions.
void contextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<ScriptedFrame> frame)
{
    frame->setContext(RendererEmulation::createContext(browser, frame.get()));
}

} // namespace

ScriptedBrowser::ScriptedBrowser(int id, const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
                                 const CefString& url, bool popup)
    : m_id(id)
    , m_windowInfo([&windowInfo, id] {
        CefWindowInfo info = windowInfo;
        info.window = CefWindowHandle(0x10000 + id);
        return info;
    }())
    , m_client(client)
    , m_popup(popup)
    , m_mainFrame(new ScriptedFrame(this, frameId(id, 0), true, CefString(), url))
{
    contextCreated(this, m_mainFrame);
}

CefRefPtr<ScriptedFrame> ScriptedBrowser::addSubFrame(const CefString& name, const CefString& url)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    CefRefPtr<ScriptedFrame> frame = new ScriptedFrame(this, frameId(m_id, m_subFrames.size() + 1), false, name, url);
    m_subFrames.push_back(frame);
    contextCreated(this, frame);
    return frame;
}

void ScriptedBrowser::post(std::function<void(CefRefPtr<CefClient>)> work)
{
    CefRefPtr<ScriptedBrowser> self = this;
    EngineRuntime::instance().postToUi([self, work] {
        if (self->m_client)
            work(self->m_client);
    });
}

void ScriptedBrowser::doCreated()
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefLifeSpanHandler> handler = client->GetLifeSpanHandler())
            handler->OnAfterCreated(self.get());
    });
}

void ScriptedBrowser::doLoadStart(CefRefPtr<CefFrame> frame)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, frame](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefLoadHandler> handler = client->GetLoadHandler())
            handler->OnLoadStart(self.get(), frame, TT_EXPLICIT);
    });
}

void ScriptedBrowser::doLoadEnd(CefRefPtr<CefFrame> frame, int httpStatus)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, frame, httpStatus](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefLoadHandler> handler = client->GetLoadHandler())
            handler->OnLoadEnd(self.get(), frame, httpStatus);
    });
}

void ScriptedBrowser::doLoadError(CefRefPtr<CefFrame> frame, cef_errorcode_t code, const CefString& text,
                                  const CefString& url)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, frame, code, text, url](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefLoadHandler> handler = client->GetLoadHandler())
            handler->OnLoadError(self.get(), frame, code, text, url);
    });
}

void ScriptedBrowser::doKeyDown(int windowsKeyCode)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, windowsKeyCode](CefRefPtr<CefClient> client) {
        CefKeyEvent event;
        event.type = KEYEVENT_RAWKEYDOWN;
        event.windows_key_code = windowsKeyCode;
        bool shortcut = false;
        CefRefPtr<CefKeyboardHandler> handler = client->GetKeyboardHandler();
        if (handler && handler->OnPreKeyEvent(self.get(), event, nullptr, &shortcut))
            ++self->keysConsumed;
        ++self->keysSeen;
    });
}

void ScriptedBrowser::doContextMenu()
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        CefRefPtr<CefMenuModel> model = CefMenuModel::Create();
        model->AddItem(1, "Back");
        model->AddItem(2, "Reload");
        if (CefRefPtr<CefContextMenuHandler> handler = client->GetContextMenuHandler())
            handler->OnBeforeContextMenu(self.get(), self->m_mainFrame.get(), new CefContextMenuParams, model);
        if (model->GetCount() > 0)
            ++self->menusShown;
        else
            ++self->menusSuppressed;
    });
}

void ScriptedBrowser::doDragFile(const CefString& fileName)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, fileName](CefRefPtr<CefClient> client) {
        CefRefPtr<CefDragData> data = new CefDragData;
        data->fileNames.push_back(fileName);
        CefRefPtr<CefDragHandler> handler = client->GetDragHandler();
        if (handler && handler->OnDragEnter(self.get(), data, DRAG_OPERATION_EVERY))
            ++self->dragsRefused;
        else
            ++self->dragsAccepted;
    });
}

void ScriptedBrowser::doExternalProtocol(const CefString& url)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, url](CefRefPtr<CefClient> client) {
        CefRefPtr<CefRequest> request = CefRequest::Create();
        request->SetURL(url);
        bool allow = true;  // the engine's default hands the address to the system
        bool disableDefault = false;
        CefRefPtr<CefRequestHandler> requests = client->GetRequestHandler();
        CefRefPtr<CefResourceRequestHandler> resources =
            requests ? requests->GetResourceRequestHandler(self.get(), self->m_mainFrame.get(), request, true, false,
                                                           CefString(), disableDefault)
                     : nullptr;
        if (resources)
            resources->OnProtocolExecution(self.get(), self->m_mainFrame.get(), request, allow);
        ++self->protocolsSeen;
        if (allow)
            ++self->osExecutions;
    });
}

void ScriptedBrowser::doFullscreen(bool fullscreen)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, fullscreen](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefDisplayHandler> handler = client->GetDisplayHandler())
            handler->OnFullscreenModeChange(self.get(), fullscreen);
    });
}

void ScriptedBrowser::doTitle(const CefString& title)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, title](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefDisplayHandler> handler = client->GetDisplayHandler())
            handler->OnTitleChange(self.get(), title);
    });
}

void ScriptedBrowser::doFocusRequest()
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        CefRefPtr<CefFocusHandler> handler = client->GetFocusHandler();
        ++self->focusRequests;
        if (handler && handler->OnSetFocus(self.get(), FOCUS_SOURCE_SYSTEM)) {
            ++self->focusRefusals;
            return;
        }
        self->focused = true;
        if (handler)
            handler->OnGotFocus(self.get());
    });
}

void ScriptedBrowser::doPopup(const CefString& url)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, url](CefRefPtr<CefClient> client) {
        CefWindowInfo windowInfo;
        windowInfo.SetAsPopup(self->m_windowInfo.window, CefString());
        CefRefPtr<CefClient> popupClient = client;
        CefBrowserSettings settings;
        CefRefPtr<CefDictionaryValue> extra;
        bool noJavascriptAccess = false;
        CefRefPtr<CefLifeSpanHandler> handler = client->GetLifeSpanHandler();
        if (handler && handler->OnBeforePopup(self.get(), self->m_mainFrame.get(), url, CefString(), WOD_NEW_POPUP, true,
                                              CefPopupFeatures(), windowInfo, popupClient, settings, extra,
                                              &noJavascriptAccess))
            return;
        EngineRuntime& runtime = EngineRuntime::instance();
        CefRefPtr<ScriptedBrowser> popup = new ScriptedBrowser(runtime.nextBrowserId(), windowInfo, popupClient, url, true);
        if (ScriptedBackend* backend = ScriptedBackend::current())
            backend->adopt(popup);
        popup->doCreated();
    });
}

void ScriptedBrowser::doProcessMessage(CefRefPtr<CefFrame> frame, CefRefPtr<CefProcessMessage> message)
{
    CefRefPtr<ScriptedBrowser> self = this;
    post([self, frame, message](CefRefPtr<CefClient> client) {
        if (!client->OnProcessMessageReceived(self.get(), frame, PID_RENDERER, message))
            ++self->unhandledMessages;
    });
}

CefString ScriptedBrowser::callFunction(CefRefPtr<ScriptedFrame> frame, const CefString& name)
{
    return RendererEmulation::call(frame->context(), name);
}

void ScriptedBrowser::CloseBrowser(bool)
{
    if (closed.exchange(true))
        return;
    CefRefPtr<ScriptedBrowser> self = this;
    post([self](CefRefPtr<CefClient> client) {
        CefRefPtr<CefLifeSpanHandler> handler = client->GetLifeSpanHandler();
        if (handler && handler->DoClose(self.get()))
            return;
        if (handler)
            handler->OnBeforeClose(self.get());
        // Contexts point back at the browser; let the browser go.
        self->m_mainFrame->setContext(nullptr);
        std::lock_guard<std::mutex> lock(self->m_mutex);
        for (const CefRefPtr<ScriptedFrame>& frame : self->m_subFrames)
            frame->setContext(nullptr);
    });
}

void ScriptedBrowser::ShowDevTools(const CefWindowInfo& windowInfo, CefRefPtr<CefClient>, const CefBrowserSettings&,
                                   const CefPoint&)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_devToolsWindow = windowInfo;
    devToolsShown = true;
}

CefWindowInfo ScriptedBrowser::devToolsWindow() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_devToolsWindow;
}
