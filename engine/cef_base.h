#pragma once

// Reference counting of the browser engine's objects. Objects are created with new, held
// by CefRefPtr and delete themselves when the last reference goes. Interfaces derive
// virtually from CefBaseRefCounted; an implementing class adds IMPLEMENT_REFCOUNTING once.

#include <atomic>

class CefBaseRefCounted
{
public:
    virtual void AddRef() const = 0;
    // True when this call released the last reference (the object is gone).
    virtual bool Release() const = 0;
    virtual bool HasOneRef() const = 0;
    virtual bool HasAtLeastOneRef() const = 0;

protected:
    virtual ~CefBaseRefCounted() = default;
};

// The thread-safe count behind IMPLEMENT_REFCOUNTING.
class CefRefCount
{
public:
    void AddRef() const { m_count.fetch_add(1, std::memory_order_relaxed); }
    bool Release() const { return m_count.fetch_sub(1, std::memory_order_acq_rel) == 1; }
    bool HasOneRef() const { return m_count.load(std::memory_order_acquire) == 1; }
    bool HasAtLeastOneRef() const { return m_count.load(std::memory_order_acquire) >= 1; }

private:
    mutable std::atomic<int> m_count{0};
};

#define IMPLEMENT_REFCOUNTING(ClassName)                                   \
public:                                                                    \
    void AddRef() const override { ref_count_.AddRef(); }                  \
    bool Release() const override                                          \
    {                                                                      \
        if (ref_count_.Release()) {                                        \
            delete static_cast<const ClassName*>(this);                    \
            return true;                                                   \
        }                                                                  \
        return false;                                                      \
    }                                                                      \
    bool HasOneRef() const override { return ref_count_.HasOneRef(); }     \
    bool HasAtLeastOneRef() const override { return ref_count_.HasAtLeastOneRef(); } \
                                                                           \
private:                                                                   \
    CefRefCount ref_count_

// A counted reference; null by default.
template <class T>
class CefRefPtr
{
public:
    CefRefPtr() = default;
    CefRefPtr(std::nullptr_t) {}
    CefRefPtr(T* object) : m_ptr(object) { retain(); }
    CefRefPtr(const CefRefPtr& other) : m_ptr(other.m_ptr) { retain(); }
    CefRefPtr(CefRefPtr&& other) noexcept : m_ptr(other.m_ptr) { other.m_ptr = nullptr; }
    template <class U>
    CefRefPtr(const CefRefPtr<U>& other) : m_ptr(other.get()) { retain(); }
    ~CefRefPtr() { drop(); }

    CefRefPtr& operator=(const CefRefPtr& other) { return assign(other.m_ptr); }
    CefRefPtr& operator=(T* object) { return assign(object); }
    CefRefPtr& operator=(CefRefPtr&& other) noexcept
    {
        if (this != &other) {
            drop();
            m_ptr = other.m_ptr;
            other.m_ptr = nullptr;
        }
        return *this;
    }

    T* get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    T& operator*() const { return *m_ptr; }
    operator T*() const { return m_ptr; }

private:
    void retain()
    {
        if (m_ptr)
            m_ptr->AddRef();
    }
    void drop()
    {
        if (m_ptr)
            m_ptr->Release();
        m_ptr = nullptr;
    }
    CefRefPtr& assign(T* object)
    {
        if (object)
            object->AddRef();
        drop();
        m_ptr = object;
        return *this;
    }

    T* m_ptr = nullptr;
};
