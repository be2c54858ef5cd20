#pragma once

#include "cef_base.h"

// The engine's global request context (one profile for all browsers).
class CefRequestContext : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefRequestContext> GetGlobalContext();

    IMPLEMENT_REFCOUNTING(CefRequestContext);
};
