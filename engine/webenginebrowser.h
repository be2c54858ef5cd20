#pragma once

#include "cef_browser.h"
#include "cef_client.h"
#include "webengineframe.h"

#include <QPointer>
#include <atomic>
#include <functional>

class BrowserWindow;

// A browser of the Qt WebEngine back end. Its page and window (BrowserWindow) live on the
// Qt GUI thread; calls from other threads are handed over there, and the client's
// callbacks are posted to the engine's UI thread.
class WebEngineBrowser : public CefBrowser, public CefBrowserHost
{
public:
    WebEngineBrowser(int id, CefRefPtr<CefClient> client, bool popup, const CefString& url);

    // CefBrowser
    CefRefPtr<CefBrowserHost> GetHost() override { return this; }
    int GetIdentifier() override { return m_id; }
    bool IsSame(CefRefPtr<CefBrowser> that) override { return that && that->GetIdentifier() == m_id; }
    bool IsPopup() override { return m_popup; }
    CefRefPtr<CefFrame> GetMainFrame() override { return m_mainFrame.get(); }
    CefRefPtr<CefFrame> GetFocusedFrame() override { return m_mainFrame.get(); }
    void Reload() override;
    void StopLoad() override;

    // CefBrowserHost
    CefRefPtr<CefBrowser> GetBrowser() override { return this; }
    void CloseBrowser(bool forceClose) override;
    void SetFocus(bool focus) override;
    void SendFocusEvent(bool setFocus) override { SetFocus(setFocus); }
    CefWindowHandle GetWindowHandle() override { return m_window.load(); }
    CefRefPtr<CefClient> GetClient() override { return m_client; }
    void WasResized() override {}
    void ShowDevTools(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefBrowserSettings& settings,
                      const CefPoint& inspectElementAt) override;

    // For the back end and the window.
    CefRefPtr<WebEngineFrame> mainFrame() const { return m_mainFrame; }
    void attach(BrowserWindow* window);
    void setWindowHandle(CefWindowHandle handle) { m_window = handle; }
    // Runs work with the client on the engine's UI thread.
    void post(std::function<void(CefRefPtr<CefClient>)> work);
    // Runs work with the window on the GUI thread, if the window still exists.
    void onWindow(std::function<void(BrowserWindow*)> work);
    // The window is gone: the client hears OnBeforeClose.
    void windowClosed();
    // Tells the client of the new browser (OnAfterCreated) and learns its drag policy: the
    // GUI thread cannot wait for OnDragEnter at each drag, so the answer for a drag is asked
    // once; until it is known, drags are refused.
    void announceCreated();
    bool dragsRefused() const { return m_dragsRefused; }

private:
    const int m_id;
    const CefRefPtr<CefClient> m_client;
    const bool m_popup;
    const CefRefPtr<WebEngineFrame> m_mainFrame;
    QPointer<BrowserWindow> m_browserWindow;  // GUI thread
    std::atomic<CefWindowHandle> m_window{0};
    std::atomic_bool m_closed{false};
    std::atomic_bool m_dragsRefused{true};

    IMPLEMENT_REFCOUNTING(WebEngineBrowser);
};
