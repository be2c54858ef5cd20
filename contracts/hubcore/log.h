#pragma once

#include "hubcore_export.h"

#include <QFile>
#include <QMutex>
#include <QString>

#include <atomic>

// The process log. start() routes every Qt message, from any thread, to
// <data folder>/logs/<application name>.log, one line each:
//   2026-12-11 12:00:00.123 info [main] text
// When the file would grow past maxFileSize() it becomes "<name>.log.1" (replacing the
// previous one) and a new file begins, so the log never takes more than twice that size.
class HUBCORE_EXPORT Log
{
public:
    static Log* instance();

    // Also echo every message to standard error.
    static std::atomic<bool> enableConsoleOutput;

    void start();
    // Back to the message handler that was there before start(); the file is closed.
    void stop();
    QString filePath() const;

    qint64 maxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(qint64 bytes);  // 5 MiB unless changed

private:
    Log() = default;
    static void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    void write(const QByteArray& line);
    void rotate();

    QMutex m_mutex;
    QFile m_file;
    std::atomic<qint64> m_maxFileSize{5 * 1024 * 1024};
    bool m_started = false;
    QtMessageHandler m_previousHandler = nullptr;
};
