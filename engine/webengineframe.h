#pragma once

#include "cef_frame.h"

#include <mutex>

class WebEngineBrowser;

// A frame of a Qt WebEngine browser. The main frame follows the page; a sub-frame is known
// only while its JavaScript calls one of the application's functions (Qt WebEngine reports
// no sub-frames), so loading into it is not possible.
class WebEngineFrame : public CefFrame
{
public:
    WebEngineFrame(WebEngineBrowser* browser, bool main, const CefString& url);

    bool IsValid() override { return true; }
    bool IsMain() override { return m_main; }
    CefString GetURL() override;
    CefString GetName() override { return CefString(); }
    int64_t GetIdentifier() override { return m_main ? 1 : 2; }
    void LoadURL(const CefString& url) override;
    void ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine) override;
    void SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message) override;
    CefRefPtr<CefBrowser> GetBrowser() override;

    void setUrl(const CefString& url);

private:
    WebEngineBrowser* const m_browser;  // a sub-frame holds a reference through its context
    const bool m_main;
    mutable std::mutex m_mutex;
    CefString m_url;

    IMPLEMENT_REFCOUNTING(WebEngineFrame);
};
