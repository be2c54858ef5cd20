#include "simplehandler.h"

#include "bclient.h"
#include "cef_app.h"
#include "cef_parser.h"
#include "cefwidgethandler.h"
#include "hubcore.h"
#include "nativewindow.h"

#include <QString>

namespace {

std::atomic<SimpleHandler*> g_current{nullptr};

const char kRenderMessage[] = "msg_from_render";
const char kRefresh[] = "refresh";
const char kExitFullscreen[] = "{document.webkitExitFullscreen()}";

// One text to the launcher's single-instance server, with a client of its own.
void tellLauncher(const QString& text)
{
    BClient client;
    client.connectServer(Hubcore::instance()->getAppConfigValue(LauncherServerName).toString());
    client.sendMessage(text);
}

} // namespace

std::atomic_bool SimpleHandler::devToolsEnabled{false};

SimpleHandler::SimpleHandler()
{
    g_current = this;
}

SimpleHandler::~SimpleHandler()
{
    g_current = nullptr;
}

SimpleHandler* SimpleHandler::current()
{
    return g_current;
}

void SimpleHandler::setWidgetHandler(CefWidgetHandler* handler)
{
    std::lock_guard<std::mutex> lock(m_widgetMutex);
    m_widgetHandler = handler;
}

bool SimpleHandler::chromeRuntimeActive()
{
    static const bool active = CefCommandLine::GetGlobalCommandLine()->HasSwitch("enable-chrome-runtime");
    return active;
}

std::string SimpleHandler::toDataUrl(const std::string& data, const std::string& mimeType)
{
    return "data:" + mimeType + ";base64," + CefURIEncode(CefBase64Encode(data.data(), data.size()), false).ToString();
}

void SimpleHandler::setNativeTitle(CefRefPtr<CefBrowser> browser, const CefString& title)
{
    const CefWindowHandle window = browser->GetHost()->GetWindowHandle();
    if (window)
        NativeWindow::setText(window, title);
}

void SimpleHandler::openDevTools(CefRefPtr<CefBrowser> browser)
{
    // A top-level window of its own, placed by the system.
    CefWindowInfo windowInfo;
    windowInfo.SetAsPopup(0, "DevTools");
    browser->GetHost()->ShowDevTools(windowInfo, nullptr, CefBrowserSettings(), CefPoint());
}

bool SimpleHandler::OnProcessMessageReceived(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefProcessId,
                                             CefRefPtr<CefProcessMessage> message)
{
    if (message->GetName() != CefString(kRenderMessage))
        return false;
    if (message->GetArgumentList()->GetString(0) != CefString(kRefresh))
        return false;
    toWidget([](CefWidgetHandler* handler) { handler->onRefresh(); });
    return true;
}

void SimpleHandler::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title)
{
    if (!chromeRuntimeActive())
        setNativeTitle(browser, title);
}

void SimpleHandler::OnFullscreenModeChange(CefRefPtr<CefBrowser>, bool fullscreen)
{
    toWidget([fullscreen](CefWidgetHandler* handler) { handler->onFullscreenChange(fullscreen); });
}

bool SimpleHandler::OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle, bool*)
{
    if (event.type != KEYEVENT_RAWKEYDOWN)
        return false;
    if (event.windows_key_code == VK_ESCAPE) {
        CefRefPtr<CefFrame> mainFrame = browser->GetMainFrame();
        mainFrame->ExecuteJavaScript(kExitFullscreen, mainFrame->GetURL(), 0);
    } else if (event.windows_key_code == VK_F12 && devToolsEnabled) {
        openDevTools(browser);
    }
    // Never consumed: the page gets Escape and F12 too.
    return false;
}

bool SimpleHandler::OnBeforePopup(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString&, const CefString&,
                                  cef_window_open_disposition_t, bool, const CefPopupFeatures&, CefWindowInfo&,
                                  CefRefPtr<CefClient>&, CefBrowserSettings&, CefRefPtr<CefDictionaryValue>&, bool*)
{
    return false;
}

void SimpleHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser)
{
    m_browsers.push_back(browser);
    toWidget([&browser](CefWidgetHandler* handler) { handler->onBrowserCreated(browser); });
}

bool SimpleHandler::DoClose(CefRefPtr<CefBrowser>)
{
    return false;
}

void SimpleHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser)
{
    for (auto it = m_browsers.begin(); it != m_browsers.end(); ++it) {
        if ((*it)->IsSame(browser)) {
            m_browsers.erase(it);
            break;
        }
    }
    if (m_browsers.empty())
        CefQuitMessageLoop();
}

bool SimpleHandler::OnSetFocus(CefRefPtr<CefBrowser>, cef_focus_source_t)
{
    bool refuse = false;
    toWidget([&refuse](CefWidgetHandler* handler) { refuse = handler->onSetFocus(); });
    return refuse;
}

void SimpleHandler::OnGotFocus(CefRefPtr<CefBrowser>)
{
    toWidget([](CefWidgetHandler* handler) { handler->onGotFocus(); });
}

CefRefPtr<CefResourceRequestHandler> SimpleHandler::GetResourceRequestHandler(CefRefPtr<CefBrowser>,
                                                                              CefRefPtr<CefFrame>,
                                                                              CefRefPtr<CefRequest>, bool, bool,
                                                                              const CefString&, bool&)
{
    return this;
}

cef_return_value_t SimpleHandler::OnBeforeResourceLoad(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                                                       CefRefPtr<CefRequest>)
{
    return RV_CONTINUE;
}

void SimpleHandler::OnProtocolExecution(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefRefPtr<CefRequest>,
                                        bool& allowOsExecution)
{
    allowOsExecution = false;
    tellLauncher(QStringLiteral("-showMainwindow"));
    toWidget([](CefWidgetHandler* handler) { handler->onExternalProtocol(); });
}

void SimpleHandler::OnBeforeContextMenu(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefRefPtr<CefContextMenuParams>,
                                        CefRefPtr<CefMenuModel> model)
{
    model->Clear();
}

bool SimpleHandler::OnDragEnter(CefRefPtr<CefBrowser>, CefRefPtr<CefDragData>, cef_drag_operations_mask_t)
{
    return true;
}

void SimpleHandler::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                cef_transition_type_t transitionType)
{
    toWidget([&](CefWidgetHandler* handler) { handler->onLoadStart(browser, frame, transitionType); });
}

void SimpleHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode)
{
    toWidget([&](CefWidgetHandler* handler) { handler->onLoadEnd(browser, frame, httpStatusCode); });
}

void SimpleHandler::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode,
                                const CefString& errorText, const CefString& failedUrl)
{
    if (chromeRuntimeActive() || errorCode == ERR_ABORTED)
        return;
    if (errorCode == ERR_UNKNOWN_URL_SCHEME && frame->GetURL().ToString().rfind("velmora", 0) == 0)
        return;
    bool toldWidget = false;
    toWidget([&](CefWidgetHandler* handler) {
        handler->onLoadError(browser, frame, errorCode, errorText, failedUrl);
        toldWidget = true;
    });
    if (toldWidget)
        return;
    const std::string html = "<html><body bgcolor=\"white\"><h2>Failed to load URL " + failedUrl.ToString()
        + " with error " + errorText.ToString() + " (" + std::to_string(int(errorCode)) + ").</h2></body></html>";
    frame->LoadURL(toDataUrl(html, "text/html"));
}
