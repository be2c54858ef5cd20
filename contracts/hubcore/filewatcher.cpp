#include "filewatcher.h"

#include "hubcore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// A writer truncates, then writes: give it this long before the file is read.
constexpr int kSettleMs = 30;
}

FileWatcher* FileWatcher::instance()
{
    static FileWatcher* watcher = new FileWatcher;  // lives as long as the process
    return watcher;
}

FileWatcher::FileWatcher()
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &FileWatcher::readControlFile);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
    // A control file that is created, or replaced by a rename, shows up in its folder.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (QFileInfo::exists(controlFilePath()) && !m_watcher.files().contains(controlFilePath()))
            m_settle.start();
        watchControlFile();
    });

    const QString folder = QFileInfo(controlFilePath()).absolutePath();
    if (!QDir().mkpath(folder) || !m_watcher.addPath(folder))
        qWarning() << "[hubcore] cannot watch" << folder;
    watchControlFile();
}

QString FileWatcher::controlFilePath() const
{
    return Hubcore::instance()->dataFolderPath() + QStringLiteral("/control");
}

void FileWatcher::watchControlFile()
{
    const QString path = controlFilePath();
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
}

void FileWatcher::readControlFile()
{
    watchControlFile();
    QFile file(controlFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.read(64).trimmed();
    if (text.isEmpty())
        return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < Exit || value > CloseLogin) {
        qWarning() << "[hubcore] unknown request in the control file:" << text;
        return;
    }
    emit fileEvent(FileEvent(value));
}
