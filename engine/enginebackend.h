#pragma once

#include "cef_app.h"
#include "cef_browser.h"
#include "cef_client.h"

// What a back end of the engine layer does: start with the settings and the final command
// line, make browsers, stop. Browser callbacks are posted to EngineRuntime's UI thread.
class EngineBackend
{
public:
    virtual ~EngineBackend() = default;
    virtual bool initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine) = 0;
    virtual bool createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                               const CefBrowserSettings& settings) = 0;
    virtual void shutdown() = 0;
    // The Win32 window operations on the engine's own windows (see NativeWindow).
    virtual void setWindowText(CefWindowHandle window, const CefString& text) = 0;
    virtual void showWindow(CefWindowHandle window, bool visible) = 0;
    virtual void setWindowGeometry(CefWindowHandle window, const CefRect& rect) = 0;
};
