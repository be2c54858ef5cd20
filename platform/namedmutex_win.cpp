#include "namedmutex.h"

#include <windows.h>

NamedMutex::NamedMutex(const QString& name)
{
    const std::wstring wide = name.toStdWString();
    HANDLE handle = CreateMutexW(nullptr, TRUE, name.isEmpty() ? nullptr : wide.c_str());
    if (!handle) {
        m_state = State::Failed;
        return;
    }
    m_handle = reinterpret_cast<qintptr>(handle);
    m_state = GetLastError() == ERROR_ALREADY_EXISTS ? State::AlreadyExists : State::Owned;
}

NamedMutex::~NamedMutex()
{
    close();
}

void NamedMutex::close()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
    m_state = State::Closed;
}
