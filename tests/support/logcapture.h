#pragma once

#include <QMutex>
#include <algorithm>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Records every Qt message while it lives (from any thread), still passing each one on to
// the handler that was installed before. One at a time.
class LogCapture
{
public:
    LogCapture()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }

    QStringList lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

    // How many lines contain text.
    int count(const QString& text) const
    {
        const QStringList all = lines();
        return int(std::count_if(all.cbegin(), all.cend(), [&text](const QString& line) { return line.contains(text); }));
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        LogCapture* capture = s_current;
        if (!capture)
            return;
        {
            QMutexLocker lock(&capture->m_mutex);
            capture->m_lines.append(message);
        }
        if (capture->m_previous)
            capture->m_previous(type, context, message);
    }

    static inline LogCapture* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};
