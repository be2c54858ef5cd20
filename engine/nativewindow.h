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
    static void setText(CefWindowHandle window, const CefString& text);
};
