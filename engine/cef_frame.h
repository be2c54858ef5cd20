#pragma once

#include "cef_base.h"
#include "cef_process_message.h"
#include "cef_string.h"

#include <cstdint>

class CefBrowser;

// A frame of a browser's page: the main frame or an iframe. Callable from any thread.
class CefFrame : public virtual CefBaseRefCounted
{
public:
    virtual bool IsValid() = 0;
    virtual bool IsMain() = 0;
    virtual CefString GetURL() = 0;
    virtual CefString GetName() = 0;
    virtual int64_t GetIdentifier() = 0;
    virtual void LoadURL(const CefString& url) = 0;
    virtual void ExecuteJavaScript(const CefString& code, const CefString& scriptUrl, int startLine) = 0;
    virtual void SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message) = 0;
    virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
};
