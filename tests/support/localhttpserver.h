#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.0 server on the loopback interface, for tests that load real pages or make
// real requests. It answers GET requests from a table of paths and can fail on demand:
// Drop closes each connection without an answer (the client sees an empty response), Hang
// accepts and never answers. It runs on the thread that created it.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Serve, Drop, Hang };

    explicit LocalHttpServer(QObject* parent = nullptr);

    bool listen();
    QUrl url(const QString& path = QStringLiteral("/")) const;

    // path is matched without its query.
    void setRoute(const QString& path, const QByteArray& body,
                  const QByteArray& contentType = QByteArrayLiteral("text/html; charset=utf-8"));
    void setMode(Mode mode) { m_mode = mode; }
    // Request targets in arrival order, with their queries.
    QStringList requests() const { return m_requests; }
    int requestCount(const QString& path) const;

signals:
    void requested(const QString& target);

private:
    struct Route
    {
        QByteArray body;
        QByteArray contentType;
    };

    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& target);

    QTcpServer m_server;
    QMap<QString, Route> m_routes;
    QStringList m_requests;
    Mode m_mode = Mode::Serve;
};
