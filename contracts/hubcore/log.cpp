#include "log.h"

#include "hubcore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

std::atomic<bool> Log::enableConsoleOutput{false};

namespace {

const char* levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg: return "debug";
    case QtInfoMsg: return "info";
    case QtWarningMsg: return "warning";
    case QtCriticalMsg: return "critical";
    case QtFatalMsg: return "fatal";
    }
    return "?";
}

QByteArray threadName()
{
    QThread* thread = QThread::currentThread();
    if (QCoreApplication::instance() && thread == QCoreApplication::instance()->thread())
        return "main";
    const QString name = thread->objectName();
    if (!name.isEmpty())
        return name.toUtf8();
    return "0x" + QByteArray::number(quintptr(QThread::currentThreadId()), 16);
}

} // namespace

Log* Log::instance()
{
    static Log log;
    return &log;
}

QString Log::filePath() const
{
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("velmora");
    return Hubcore::instance()->dataFolderPath() + QStringLiteral("/logs/") + name + QStringLiteral(".log");
}

void Log::setMaxFileSize(qint64 bytes)
{
    m_maxFileSize = qMax<qint64>(bytes, 1024);
}

void Log::start()
{
    {
        QMutexLocker locker(&m_mutex);
        if (m_started)
            return;
        const QString path = filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::Append | QIODevice::Text)) {
            std::fprintf(stderr, "[hubcore] cannot open the log file %s\n", qPrintable(path));
            return;
        }
        m_started = true;
    }
    m_previousHandler = qInstallMessageHandler(&Log::handleMessage);
}

void Log::stop()
{
    QMutexLocker locker(&m_mutex);
    if (!m_started)
        return;
    qInstallMessageHandler(m_previousHandler);
    m_file.close();
    m_started = false;
}

void Log::handleMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    const QByteArray line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8()
        + ' ' + levelName(type) + " [" + threadName() + "] " + text.toUtf8() + '\n';
    instance()->write(line);
    if (enableConsoleOutput || type == QtFatalMsg) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    if (type == QtFatalMsg)
        std::abort();
}

void Log::write(const QByteArray& line)
{
    QMutexLocker locker(&m_mutex);
    if (!m_file.isOpen())
        return;
    if (m_file.size() > 0 && m_file.size() + line.size() > m_maxFileSize)
        rotate();
    m_file.write(line);
    m_file.flush();  // a crash must not take the last lines with it
}

void Log::rotate()
{
    const QString path = m_file.fileName();
    const QString previous = path + QStringLiteral(".1");
    m_file.close();
    QFile::remove(previous);
    QFile::rename(path, previous);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::Append | QIODevice::Text))
        std::fprintf(stderr, "[hubcore] cannot reopen the log file %s\n", qPrintable(path));
}
