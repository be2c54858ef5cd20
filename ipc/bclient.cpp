#include "bclient.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QThread>

namespace {
constexpr int kRetryPauseMs = 25;
}

BClient::BClient(QObject* parent)
    : QObject(parent)
    , m_socket(new QLocalSocket)
{
}

BClient::~BClient()
{
    delete m_socket;
}

void BClient::connectServer(const QString& name, bool keepTrying)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        m_socket->connectToServer(name, QIODevice::ReadWrite);
        const int left = int(qMax<qint64>(0, kWaitMs - clock.elapsed()));
        if (m_socket->waitForConnected(left))
            return;
        const bool notListening = m_socket->error() == QLocalSocket::ServerNotFoundError
            || m_socket->error() == QLocalSocket::ConnectionRefusedError;
        if (!keepTrying || !notListening || clock.elapsed() + kRetryPauseMs >= kWaitMs) {
            qWarning() << "[BClient] cannot reach" << name << m_socket->errorString();
            return;
        }
        m_socket->abort();
        QThread::msleep(kRetryPauseMs);
    }
}

void BClient::sendMessage(const QString& text)
{
    if (m_socket->state() != QLocalSocket::ConnectedState)
        return;
    m_socket->write(text.toUtf8());
    m_socket->flush();
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(kWaitMs)) {
            qWarning() << "[BClient] message not sent:" << m_socket->errorString();
            return;
        }
    }
    m_socket->disconnectFromServer();
    if (m_socket->state() != QLocalSocket::UnconnectedState)
        m_socket->waitForDisconnected(kWaitMs);
}
