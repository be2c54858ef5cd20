#include "namedmutex.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// One lock file per name, directly in the runtime directory: the name is percent-encoded,
// so no name can reach another folder, and hashed when too long for a file name.
QString lockFilePath(const QString& name)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QByteArray encoded = QUrl::toPercentEncoding(name);
    if (encoded.size() > 200)
        encoded = "sha1-" + QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return folder + QStringLiteral("/velmora-mutex-") + QString::fromLatin1(encoded) + QStringLiteral(".lock");
}

} // namespace

NamedMutex::NamedMutex(const QString& name)
{
    if (name.isEmpty()) {  // an unnamed mutex can never exist already
        m_state = State::Owned;
        return;
    }
    const QByteArray path = QFile::encodeName(lockFilePath(name));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        qWarning() << "[platform] cannot open mutex file" << path << std::strerror(errno);
        m_state = State::Failed;
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_handle = fd;
        m_state = State::Owned;
        return;
    }
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) {
        m_state = State::AlreadyExists;
    } else {
        qWarning() << "[platform] cannot lock mutex file" << path << std::strerror(error);
        m_state = State::Failed;
    }
}

NamedMutex::~NamedMutex()
{
    close();
}

void NamedMutex::close()
{
    // The file stays: removing it could let a second owner lock a file another process
    // has just opened under the same name.
    if (m_handle >= 0)
        ::close(int(m_handle));
    m_handle = -1;
    m_state = State::Closed;
}
