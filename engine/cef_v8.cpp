#include "cef_v8.h"

#include "cef_browser.h"

namespace {
thread_local std::vector<CefRefPtr<CefV8Context>> t_entered;
}

CefV8Value::CefV8Value(Kind kind, const CefString& text, CefRefPtr<CefV8Handler> handler)
    : m_kind(kind)
    , m_text(text)
    , m_handler(handler)
{
}

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined()
{
    return new CefV8Value(Kind::Undefined, CefString(), nullptr);
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value)
{
    return new CefV8Value(Kind::String, value, nullptr);
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject()
{
    return new CefV8Value(Kind::Object, CefString(), nullptr);
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(const CefString& name, CefRefPtr<CefV8Handler> handler)
{
    return new CefV8Value(Kind::Function, name, handler);
}

bool CefV8Value::SetValue(const CefString& key, CefRefPtr<CefV8Value> value, cef_v8_propertyattribute_t)
{
    if (!IsObject())
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& property : m_properties) {
        if (property.first == key) {
            property.second = value;
            return true;
        }
    }
    m_properties.emplace_back(key, value);
    return true;
}

CefRefPtr<CefV8Value> CefV8Value::GetValue(const CefString& key) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& property : m_properties) {
        if (property.first == key)
            return property.second;
    }
    return nullptr;
}

std::vector<CefString> CefV8Value::GetKeys() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<CefString> keys;
    for (const auto& property : m_properties)
        keys.push_back(property.first);
    return keys;
}

CefV8Context::CefV8Context(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
    : m_browser(browser)
    , m_frame(frame)
    , m_global(CefV8Value::CreateObject())
{
}

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext()
{
    return t_entered.empty() ? nullptr : t_entered.back();
}

bool CefV8Context::Enter()
{
    t_entered.push_back(this);
    return true;
}

bool CefV8Context::Exit()
{
    if (t_entered.empty() || t_entered.back().get() != this)
        return false;
    t_entered.pop_back();
    return true;
}
