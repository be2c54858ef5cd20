#pragma once

#include "cef_base.h"
#include "cef_frame.h"
#include "cef_string.h"
#include "cef_types.h"

#include "cef_request_context.h"

class CefBrowserHost;
class CefClient;

// Extra values handed to a new browser; Farplay passes none.
class CefDictionaryValue : public virtual CefBaseRefCounted
{
    IMPLEMENT_REFCOUNTING(CefDictionaryValue);
};

// Where and how a browser's window is made.
struct CefWindowInfo
{
    CefWindowHandle parent_window = 0;
    CefString window_name;
    unsigned long style = 0;
    unsigned long ex_style = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    CefWindowHandle window = 0;  // set by the engine once the window exists

    // A child window of parent at rect (physical pixels).
    void SetAsChild(CefWindowHandle parent, const CefRect& rect)
    {
        parent_window = parent;
        style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE;
        x = rect.x;
        y = rect.y;
        width = rect.width;
        height = rect.height;
    }
    // A top-level window titled name.
    void SetAsPopup(CefWindowHandle parent, const CefString& name)
    {
        parent_window = parent;
        window_name = name;
        style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
    }
};

struct CefBrowserSettings
{
    int default_font_size = 0;
};

// A browser: one page with its frames. Callable from any thread.
class CefBrowser : public virtual CefBaseRefCounted
{
public:
    virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
    virtual int GetIdentifier() = 0;
    virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
    virtual bool IsPopup() = 0;
    virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
    virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
    virtual void Reload() = 0;
    virtual void StopLoad() = 0;
};

// The browser's side in the browser process: its window, focus, closing, developer tools.
class CefBrowserHost : public virtual CefBaseRefCounted
{
public:
    // Asynchronous: the client's OnAfterCreated follows on the browser UI thread.
    static bool CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                              const CefBrowserSettings& settings, CefRefPtr<CefDictionaryValue> extraInfo,
                              CefRefPtr<CefRequestContext> requestContext);

    virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
    virtual void CloseBrowser(bool forceClose) = 0;
    virtual void SetFocus(bool focus) = 0;
    virtual void SendFocusEvent(bool setFocus) = 0;
    virtual CefWindowHandle GetWindowHandle() = 0;
    virtual CefRefPtr<CefClient> GetClient() = 0;
    virtual void WasResized() = 0;
    // Opens the developer tools in a window of their own.
    virtual void ShowDevTools(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
                              const CefBrowserSettings& settings, const CefPoint& inspectElementAt) = 0;
};
