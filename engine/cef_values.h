#pragma once

#include "cef_base.h"
#include "cef_string.h"

#include <mutex>
#include <vector>

// A list of strings and integers, as process messages carry them.
class CefListValue : public virtual CefBaseRefCounted
{
public:
    static CefRefPtr<CefListValue> Create();

    size_t GetSize() const;
    bool SetSize(size_t size);
    bool SetString(size_t index, const CefString& value);
    CefString GetString(size_t index) const;  // empty for another type or a missing index
    bool SetInt(size_t index, int value);
    int GetInt(size_t index) const;  // 0 for another type or a missing index

private:
    struct Value
    {
        bool isString = false;
        CefString text;
        int number = 0;
    };

    mutable std::mutex m_mutex;
    std::vector<Value> m_values;

    IMPLEMENT_REFCOUNTING(CefListValue);
};
