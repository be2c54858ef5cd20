#pragma once

#include "velmoraipc_export.h"
#include "imygame.h"

#include <QHash>
#include <QObject>

class QLocalServer;
class QLocalSocket;

// A program's single-instance server. Each connection carries one message: its bytes are
// gathered until the peer disconnects or stays silent for kIdleMs, then decoded with the
// locale codec and handled once. A connection that sends more than kMaxMessageBytes is
// dropped. Only the same user may connect.
//
// The receive step depends on the program: the launcher's turns the message into the
// signals below (send()); Farplay's emits playFarplay with the text unchanged.
class VELMORAIPC_EXPORT BServer : public QObject
{
    Q_OBJECT

public:
    enum class Program { Launcher, Farplay };

    static constexpr int kIdleMs = 500;
    static constexpr qint64 kMaxMessageBytes = 1024 * 1024;

    explicit BServer(QObject* parent = nullptr, Program program = Program::Launcher);
    ~BServer() override;

    void start(const QString& name);
    // The launcher's receive step; fromSocket is false for the launcher's own argument.
    void send(const QString& text, const bool fromSocket);

signals:
    void windowToTop();
    void getSsoInfo();
    void showGameType(IMyGame::GameType tp);
    void flePlayGame(const QString& package, const QString& instance);
    void deepLink(const QString& pkg, const QString& promoPkg, const QString& linkValue);
    void loginPageShow();
    void closeLogin();
    void shareMod(const QString& modId);

    void playFarplay(const QString& param);

private slots:
    void onNewConnection();
    void onReadyRead();

private:
    void gather(QLocalSocket* socket);
    void finish(QLocalSocket* socket);
    void receiveJson(const QString& text, bool fromSocket);
    void receiveCommand(const QString& text);

    Program m_program;
    QLocalServer* m_server;
    QHash<QLocalSocket*, QByteArray> m_pending;
};
