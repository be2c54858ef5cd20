#include "cef_string.h"

#include <QString>

CefString::CefString(const char* text)
    : m_text(text ? QString::fromUtf8(text).toStdU16String() : std::u16string())
{
}

CefString::CefString(const std::string& text)
    : m_text(QString::fromStdString(text).toStdU16String())
{
}

CefString::CefString(const std::wstring& text)
    : m_text(QString::fromStdWString(text).toStdU16String())
{
}

std::string CefString::ToString() const
{
    return QString::fromStdU16String(m_text).toStdString();
}

std::wstring CefString::ToWString() const
{
    return QString::fromStdU16String(m_text).toStdWString();
}
