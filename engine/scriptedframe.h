#pragma once

#include "cef_frame.h"
#include "cef_v8.h"

#include <mutex>
#include <vector>

class ScriptedBrowser;

// A frame of the scripted back end: records what the client does with it.
class ScriptedFrame : public CefFrame
{
public:
    ScriptedFrame(ScriptedBrowser* browser, int64_t id, bool main, const CefString& name, const CefString& url);

    bool IsValid() override { return true; }
    bool IsMain() override { return m_main; }
    CefString GetURL() override;
    CefString GetName() override { return m_name; }
    int64_t GetIdentifier() override { return m_id; }
    void LoadURL(const CefString& url) override;
    void ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine) override;
    void SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message) override;
    CefRefPtr<CefBrowser> GetBrowser() override;

    void setUrl(const CefString& url);
    // The page's JavaScript context, made when the frame was created.
    CefRefPtr<CefV8Context> context() const { return m_context; }
    void setContext(CefRefPtr<CefV8Context> context) { m_context = context; }
    std::vector<std::string> loadedUrls() const;
    std::vector<std::string> scripts() const;  // "code|url|line"

private:
    ScriptedBrowser* const m_browser;  // owns this frame
    const int64_t m_id;
    const bool m_main;
    const CefString m_name;
    mutable std::mutex m_mutex;
    CefString m_url;
    std::vector<std::string> m_loaded;
    std::vector<std::string> m_scripts;
    CefRefPtr<CefV8Context> m_context;

    IMPLEMENT_REFCOUNTING(ScriptedFrame);
};
