#pragma once

#include <string>

// The engine's text: UTF-16 inside, convertible to and from UTF-8 and wide strings.
class CefString
{
public:
    CefString() = default;
    CefString(const char* text);
    CefString(const std::string& text);
    CefString(const std::wstring& text);
    CefString(const std::u16string& text) : m_text(text) {}

    std::string ToString() const;      // UTF-8
    std::wstring ToWString() const;
    std::u16string ToString16() const { return m_text; }
    bool empty() const { return m_text.empty(); }
    size_t length() const { return m_text.size(); }

    bool operator==(const CefString& other) const { return m_text == other.m_text; }
    bool operator!=(const CefString& other) const { return m_text != other.m_text; }

private:
    std::u16string m_text;
};
