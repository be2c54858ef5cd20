#include "cef_values.h"

CefRefPtr<CefListValue> CefListValue::Create()
{
    return new CefListValue;
}

size_t CefListValue::GetSize() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_values.size();
}

bool CefListValue::SetSize(size_t size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_values.resize(size);
    return true;
}

bool CefListValue::SetString(size_t index, const CefString& value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index >= m_values.size())
        m_values.resize(index + 1);
    m_values[index] = Value{true, value, 0};
    return true;
}

CefString CefListValue::GetString(size_t index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return index < m_values.size() && m_values[index].isString ? m_values[index].text : CefString();
}

bool CefListValue::SetInt(size_t index, int value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index >= m_values.size())
        m_values.resize(index + 1);
    m_values[index] = Value{false, CefString(), value};
    return true;
}

int CefListValue::GetInt(size_t index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return index < m_values.size() && !m_values[index].isString ? m_values[index].number : 0;
}
