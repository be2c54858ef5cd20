#pragma once

#include "velmoraplatform_export.h"

#include <QString>
#include <QtGlobal>

// A system-wide named mutex that tells whether another process already holds the name, as
// CreateMutexW with initial ownership does. It is held until close() or destruction, and
// the system releases it when the process ends, however it ends.
// POSIX: an exclusive flock on a lock file in the user's runtime directory; a killed owner
// leaves nothing stale behind. A second NamedMutex of the same name in the same process
// also sees the name taken, as on Windows.
class VELMORAPLATFORM_EXPORT NamedMutex
{
public:
    enum class State { Owned, AlreadyExists, Failed, Closed };

    explicit NamedMutex(const QString& name);
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    State state() const { return m_state; }
    bool alreadyExists() const { return m_state == State::AlreadyExists; }
    // Releases the name (CloseHandle); a later NamedMutex of that name owns it again.
    void close();

private:
    State m_state = State::Failed;
    qintptr m_handle = -1;  // HANDLE on Windows, file descriptor elsewhere
};
