#pragma once

#include "cef_client.h"

#include <atomic>
#include <mutex>
#include <vector>

class CefWidgetHandler;

// The client of Farplay's browsers: no context menu, no drops into the page, popups with
// the same client, Escape leaves page full-screen, F12 opens the developer tools when they
// are enabled, external-protocol links go to the launcher instead of the system, and load
// errors show an offline page. Widget events go to the CefWidgetHandler. Its callbacks run
// on the engine's browser UI thread.
class SimpleHandler : public CefClient,
                      public CefDisplayHandler,
                      public CefKeyboardHandler,
                      public CefLifeSpanHandler,
                      public CefFocusHandler,
                      public CefRequestHandler,
                      public CefResourceRequestHandler,
                      public CefContextMenuHandler,
                      public CefDragHandler,
                      public CefLoadHandler
{
public:
    SimpleHandler();
    ~SimpleHandler() override;

    // The most recently constructed handler; null once any handler is destroyed.
    static SimpleHandler* current();
    // The developer tools open on F12 only when this is set (Farplay's start-up does).
    static std::atomic_bool devToolsEnabled;

    void setWidgetHandler(CefWidgetHandler* handler);
    static bool chromeRuntimeActive();
    static std::string toDataUrl(const std::string& data, const std::string& mimeType);
    static void setNativeTitle(CefRefPtr<CefBrowser> browser, const CefString& title);
    static void openDevTools(CefRefPtr<CefBrowser> browser);

    // CefClient
    CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override { return this; }
    CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
    CefRefPtr<CefDragHandler> GetDragHandler() override { return this; }
    CefRefPtr<CefFocusHandler> GetFocusHandler() override { return this; }
    CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() override { return this; }
    CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
    CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
    CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
    bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefProcessId sourceProcess,
                                  CefRefPtr<CefProcessMessage> message) override;

    // CefDisplayHandler
    void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;
    void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen) override;

    // CefKeyboardHandler
    bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event, CefEventHandle osEvent,
                       bool* isKeyboardShortcut) override;

    // CefLifeSpanHandler
    bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& targetUrl,
                       const CefString& targetFrameName, cef_window_open_disposition_t targetDisposition,
                       bool userGesture, const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                       CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                       CefRefPtr<CefDictionaryValue>& extraInfo, bool* noJavascriptAccess) override;
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
    bool DoClose(CefRefPtr<CefBrowser> browser) override;
    void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

    // CefFocusHandler
    bool OnSetFocus(CefRefPtr<CefBrowser> browser, cef_focus_source_t source) override;
    void OnGotFocus(CefRefPtr<CefBrowser> browser) override;

    // CefRequestHandler
    CefRefPtr<CefResourceRequestHandler> GetResourceRequestHandler(CefRefPtr<CefBrowser> browser,
                                                                   CefRefPtr<CefFrame> frame,
                                                                   CefRefPtr<CefRequest> request, bool isNavigation,
                                                                   bool isDownload, const CefString& requestInitiator,
                                                                   bool& disableDefaultHandling) override;

    // CefResourceRequestHandler
    cef_return_value_t OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                            CefRefPtr<CefRequest> request) override;
    void OnProtocolExecution(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                             bool& allowOsExecution) override;

    // CefContextMenuHandler
    void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                             CefRefPtr<CefContextMenuParams> params, CefRefPtr<CefMenuModel> model) override;

    // CefDragHandler
    bool OnDragEnter(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDragData> dragData,
                     cef_drag_operations_mask_t mask) override;

    // CefLoadHandler
    void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                     cef_transition_type_t transitionType) override;
    void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override;
    void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, cef_errorcode_t errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;

private:
    // Runs call with the widget handler, if one is set. setWidgetHandler waits for a call
    // under way, so a widget that detaches itself is never called after that.
    template <class Call>
    void toWidget(Call call)
    {
        std::lock_guard<std::mutex> lock(m_widgetMutex);
        if (m_widgetHandler)
            call(m_widgetHandler);
    }

    std::mutex m_widgetMutex;
    CefWidgetHandler* m_widgetHandler = nullptr;
    std::vector<CefRefPtr<CefBrowser>> m_browsers;  // browser UI thread only

    IMPLEMENT_REFCOUNTING(SimpleHandler);
};
