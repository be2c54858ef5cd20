#pragma once

#include "enginebackend.h"
#include "scriptedbrowser.h"

#include <map>
#include <mutex>
#include <vector>

// The back end for unit tests: no pages at all. Browsers are ScriptedBrowser objects that a
// test drives; everything the engine would call back is delivered on the browser UI thread
// as with the real engine.
class ScriptedBackend : public EngineBackend
{
public:
    // Makes a scripted back end the engine's; call before CefInitialize.
    static ScriptedBackend* install();
    // The installed one, or null.
    static ScriptedBackend* current();

    ~ScriptedBackend() override;

    bool initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine) override;
    bool createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                       const CefBrowserSettings& settings) override;
    void shutdown() override;
    void setWindowText(CefWindowHandle window, const CefString& text) override;
    CefString windowText(CefWindowHandle window) const;
    void showWindow(CefWindowHandle window, bool visible) override;
    void setWindowGeometry(CefWindowHandle window, const CefRect& rect) override;
    // What a window was last given; browser windows start hidden.
    bool windowVisible(CefWindowHandle window) const;
    CefRect windowGeometry(CefWindowHandle window) const;

    // Browsers in creation order, popups included.
    std::vector<CefRefPtr<ScriptedBrowser>> browsers() const;
    void adopt(CefRefPtr<ScriptedBrowser> browser);
    CefSettings settings() const { return m_settings; }
    CefRefPtr<CefCommandLine> commandLine() const { return m_commandLine; }

private:
    mutable std::mutex m_mutex;
    std::vector<CefRefPtr<ScriptedBrowser>> m_browsers;
    CefSettings m_settings;
    CefRefPtr<CefCommandLine> m_commandLine;
    std::map<CefWindowHandle, CefString> m_windowTexts;
    std::map<CefWindowHandle, bool> m_windowVisible;
    std::map<CefWindowHandle, CefRect> m_windowGeometry;
};
