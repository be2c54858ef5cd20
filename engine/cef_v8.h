#pragma once

#include "cef_base.h"
#include "cef_string.h"
#include "cef_types.h"

#include <map>
#include <mutex>
#include <vector>

class CefBrowser;
class CefFrame;
class CefV8Value;
using CefV8ValueList = std::vector<CefRefPtr<CefV8Value>>;

// Native code behind a JavaScript function.
class CefV8Handler : public virtual CefBaseRefCounted
{
public:
    virtual bool Execute(const CefString& name, CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
                         CefRefPtr<CefV8Value>& retval, CefString& exception) = 0;
};

// A JavaScript value of the subset Farplay uses: undefined, a string, an object with
// properties, or a function backed by a handler.
class CefV8Value : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefV8Value> CreateUndefined();
    static CefRefPtr<CefV8Value> CreateString(const CefString& value);
    static CefRefPtr<CefV8Value> CreateObject();
    static CefRefPtr<CefV8Value> CreateFunction(const CefString& name, CefRefPtr<CefV8Handler> handler);

    bool IsUndefined() const { return m_kind == Kind::Undefined; }
    bool IsString() const { return m_kind == Kind::String; }
    bool IsObject() const { return m_kind == Kind::Object || m_kind == Kind::Function; }
    bool IsFunction() const { return m_kind == Kind::Function; }
    CefString GetStringValue() const { return m_text; }
    CefString GetFunctionName() const { return m_text; }
    CefRefPtr<CefV8Handler> GetFunctionHandler() const { return m_handler; }

    bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value, cef_v8_propertyattribute_t attribute);
    CefRefPtr<CefV8Value> GetValue(const CefString& key) const;  // null when absent
    std::vector<CefString> GetKeys() const;

private:
    enum class Kind { Undefined, String, Object, Function };
    CefV8Value(Kind kind, const CefString& text, CefRefPtr<CefV8Handler> handler);

    const Kind m_kind;
    const CefString m_text;  // the string, or the function's name
    const CefRefPtr<CefV8Handler> m_handler;
    mutable std::mutex m_mutex;
    std::vector<std::pair<CefString, CefRefPtr<CefV8Value>>> m_properties;

    IMPLEMENT_REFCOUNTING(CefV8Value);
};

// The JavaScript context of one frame: its global object.
class CefV8Context : public virtual CefBaseRefCounted
{
public:
    CefV8Context(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);

    // The context whose code is running on this thread; null outside a call.
    static CefRefPtr<CefV8Context> GetCurrentContext();

    CefRefPtr<CefBrowser> GetBrowser() const { return m_browser; }
    CefRefPtr<CefFrame> GetFrame() const { return m_frame; }
    CefRefPtr<CefV8Value> GetGlobal() const { return m_global; }

    // The engine runs code of this context between Enter and Exit.
    bool Enter();
    bool Exit();

private:
    const CefRefPtr<CefBrowser> m_browser;
    const CefRefPtr<CefFrame> m_frame;
    const CefRefPtr<CefV8Value> m_global;

    IMPLEMENT_REFCOUNTING(CefV8Context);
};

// Stand-ins for the renderer's exception and node types, which Farplay only receives.
class CefV8Exception : public virtual CefBaseRefCounted
{
    IMPLEMENT_REFCOUNTING(CefV8Exception);
};
class CefV8StackTrace : public virtual CefBaseRefCounted
{
    IMPLEMENT_REFCOUNTING(CefV8StackTrace);
};
class CefDOMNode : public virtual CefBaseRefCounted
{
    IMPLEMENT_REFCOUNTING(CefDOMNode);
};
