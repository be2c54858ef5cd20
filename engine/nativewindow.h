#pragma once

#include "cef_string.h"
#include "cef_types.h"

// The Win32 window operations Farplay applies to the engine's windows (SetWindowTextW and,
// for the host widget, SetWindowPos and ShowWindow). On Windows they are those calls on the
// framework's windows; here the windows belong to the engine layer's back end, which
// carries them out. Any thread.
class NativeWindow
{
public:
    // SetWindowTextW
    static void setText(CefWindowHandle window, const CefString& text);
    // ShowWindow with SW_SHOWNORMAL (true) or SW_HIDE (false)
    static void show(CefWindowHandle window, bool visible);
    // SetWindowPos without changing the stacking order; physical pixels in the parent
    static void setGeometry(CefWindowHandle window, const CefRect& rect);
};
