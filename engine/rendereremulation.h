#pragma once

#include "cef_browser.h"
#include "cef_v8.h"

#include <vector>

// The renderer side of the application, which the back ends run in this process: a new
// JavaScript context gets the application's globals (OnContextCreated), and a page's call
// of one of its functions runs the function's handler with that context current.
class RendererEmulation
{
public:
    static CefRefPtr<CefV8Context> createContext(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);
    // The string the function returned; empty when there is no such function.
    static CefString call(CefRefPtr<CefV8Context> context, const CefString& name);
    // The names of the functions the application installs in every context.
    static std::vector<CefString> functionNames();
};
