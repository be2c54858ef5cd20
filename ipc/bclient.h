#pragma once

#include "velmoraipc_export.h"

#include <QLocalSocket>
#include <QObject>

// Sends one text message to a program's single-instance server: connect, send, destroy.
// The calls block the calling thread, each for at most 30000 ms; failures are only logged,
// and a message that finds no server is lost.
class VELMORAIPC_EXPORT BClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWaitMs = 30000;

    explicit BClient(QObject* parent = nullptr);
    ~BClient() override;

    // keepTrying: a server that is not listening yet (its program is still starting) is
    // tried again until the wait is over, instead of giving up at once.
    void connectServer(const QString& name, bool keepTrying = false);
    void sendMessage(const QString& text);

private:
    QLocalSocket* m_socket;
};
