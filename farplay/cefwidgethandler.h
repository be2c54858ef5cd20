#pragma once

#include "cef_browser.h"
#include "cef_frame.h"
#include "cef_string.h"
#include "cef_types.h"

// How a browser client reports its browser's events to the widget that hosts it. Every call
// comes on the engine's browser UI thread, never the Qt GUI thread; onSetFocus must answer
// at once there.
class CefWidgetHandler
{
public:
    virtual void onFullscreenChange(bool fullscreen) = 0;
    virtual void onLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                             cef_transition_type_t transitionType) = 0;
    virtual void onLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int statusCode) = 0;
    virtual void onLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int errorCode,
                             const CefString& errorText, const CefString& failedUrl) = 0;
    virtual void onBrowserCreated(CefRefPtr<CefBrowser> browser) = 0;
    // True refuses the focus.
    virtual bool onSetFocus() = 0;
    virtual void onGotFocus() = 0;
    virtual void onExternalProtocol() = 0;
    virtual void onRefresh() = 0;

protected:
    ~CefWidgetHandler() = default;
};
