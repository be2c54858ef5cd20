#include "scriptedframe.h"

#include "scriptedbrowser.h"

ScriptedFrame::ScriptedFrame(ScriptedBrowser* browser, int64_t id, bool main, const CefString& name,
                             const CefString& url)
    : m_browser(browser)
    , m_id(id)
    , m_main(main)
    , m_name(name)
    , m_url(url)
{
}

CefString ScriptedFrame::GetURL()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_url;
}

void ScriptedFrame::setUrl(const CefString& url)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_url = url;
}

void ScriptedFrame::LoadURL(const CefString& url)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_loaded.push_back(url.ToString());
    m_url = url;
}

void ScriptedFrame::ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scripts.push_back(code.ToString() + "|" + scriptUrl.ToString() + "|" + std::to_string(startLine));
}

void ScriptedFrame::SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message)
{
    // Only renderer-to-browser messages exist in this system.
    if (target == PID_BROWSER)
        m_browser->doProcessMessage(this, message);
}

CefRefPtr<CefBrowser> ScriptedFrame::GetBrowser()
{
    return m_browser;
}

std::vector<std::string> ScriptedFrame::loadedUrls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_loaded;
}

std::vector<std::string> ScriptedFrame::scripts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_scripts;
}
