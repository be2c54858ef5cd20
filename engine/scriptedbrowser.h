#pragma once

#include "cef_browser.h"
#include "cef_client.h"
#include "scriptedframe.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

// A browser of the scripted back end. A test drives page events with the do* operations,
// which post the engine's callbacks to the browser UI thread and return at once, and reads
// what the client did from the records.
class ScriptedBrowser : public CefBrowser, public CefBrowserHost
{
public:
    ScriptedBrowser(int id, const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                    bool popup);

    // CefBrowser
    CefRefPtr<CefBrowserHost> GetHost() override { return this; }
    int GetIdentifier() override { return m_id; }
    bool IsSame(CefRefPtr<CefBrowser> that) override { return that && that->GetIdentifier() == m_id; }
    bool IsPopup() override { return m_popup; }
    CefRefPtr<CefFrame> GetMainFrame() override { return m_mainFrame.get(); }
    CefRefPtr<CefFrame> GetFocusedFrame() override { return m_mainFrame.get(); }
    void Reload() override { ++reloads; }
    void StopLoad() override {}

    // CefBrowserHost
    CefRefPtr<CefBrowser> GetBrowser() override { return this; }
    void CloseBrowser(bool forceClose) override;
    void SetFocus(bool focus) override { focused = focus; }
    void SendFocusEvent(bool setFocus) override { focused = setFocus; }
    CefWindowHandle GetWindowHandle() override { return m_windowInfo.window; }
    CefRefPtr<CefClient> GetClient() override { return m_client; }
    void WasResized() override { ++resizes; }
    void ShowDevTools(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefBrowserSettings& settings,
                      const CefPoint& inspectElementAt) override;

    CefWindowInfo windowInfo() const { return m_windowInfo; }
    CefRefPtr<ScriptedFrame> mainFrame() const { return m_mainFrame; }
    CefRefPtr<ScriptedFrame> addSubFrame(const CefString& name, const CefString& url);

    // Page events.
    void doCreated();
    void doLoadStart(CefRefPtr<CefFrame> frame);
    void doLoadEnd(CefRefPtr<CefFrame> frame, int httpStatus);
    void doLoadError(CefRefPtr<CefFrame> frame, cef_errorcode_t code, const CefString& text, const CefString& url);
    void doKeyDown(int windowsKeyCode);
    void doContextMenu();
    void doDragFile(const CefString& fileName);
    void doExternalProtocol(const CefString& url);
    void doFullscreen(bool fullscreen);
    void doTitle(const CefString& title);
    void doFocusRequest();
    void doPopup(const CefString& url);
    void doProcessMessage(CefRefPtr<CefFrame> frame, CefRefPtr<CefProcessMessage> message);
    // The renderer side, on the calling thread: calls the global function name of the
    // frame's context as the page would; returns its string result ("" when there is none).
    CefString callFunction(CefRefPtr<ScriptedFrame> frame, const CefString& name);

    // What the client answered or did.
    std::atomic_int keysConsumed{0};
    std::atomic_int keysSeen{0};
    std::atomic_int menusShown{0};
    std::atomic_int menusSuppressed{0};
    std::atomic_int dragsRefused{0};
    std::atomic_int dragsAccepted{0};
    std::atomic_int osExecutions{0};
    std::atomic_int protocolsSeen{0};
    std::atomic_int focusRefusals{0};
    std::atomic_int focusRequests{0};
    std::atomic_int unhandledMessages{0};
    std::atomic_int reloads{0};
    std::atomic_int resizes{0};
    std::atomic_bool focused{false};
    std::atomic_bool closed{false};
    std::atomic_bool devToolsShown{false};
    CefWindowInfo devToolsWindow() const;

private:
    void post(std::function<void(CefRefPtr<CefClient>)> work);

    const int m_id;
    const CefWindowInfo m_windowInfo;
    const CefRefPtr<CefClient> m_client;
    const bool m_popup;
    const CefRefPtr<ScriptedFrame> m_mainFrame;
    mutable std::mutex m_mutex;
    std::vector<CefRefPtr<ScriptedFrame>> m_subFrames;
    CefWindowInfo m_devToolsWindow;

    IMPLEMENT_REFCOUNTING(ScriptedBrowser);
};
