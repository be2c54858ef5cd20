#pragma once

#include "cef_base.h"
#include "cef_string.h"
#include "cef_values.h"

enum cef_process_id_t { PID_BROWSER, PID_RENDERER };
using CefProcessId = cef_process_id_t;

// A named message between the renderer and the browser side, with a list of arguments.
class CefProcessMessage : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefProcessMessage> Create(const CefString& name);

    bool IsValid() const { return true; }
    CefString GetName() const { return m_name; }
    CefRefPtr<CefListValue> GetArgumentList() const { return m_arguments; }

private:
    explicit CefProcessMessage(const CefString& name) : m_name(name), m_arguments(CefListValue::Create()) {}

    const CefString m_name;
    const CefRefPtr<CefListValue> m_arguments;

    IMPLEMENT_REFCOUNTING(CefProcessMessage);
};
