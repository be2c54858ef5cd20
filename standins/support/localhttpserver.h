#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.0 server on the loopback interface, for the demo web host and for tests
// that load real pages or make real requests. It answers GET requests from a table of
// paths and from folders of files, and can fail on demand:
// Drop closes each connection without an answer (the client sees an empty response), Hang
// accepts and never answers. It runs on the thread that created it.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Serve, Drop, Hang };

    explicit LocalHttpServer(QObject* parent = nullptr);

    // port 0: any free port.
    bool listen(quint16 port = 0);
    QUrl url(const QString& path = QStringLiteral("/")) const;

    // path is matched without its query.
    void setRoute(const QString& path, const QByteArray& body,
                  const QByteArray& contentType = QByteArrayLiteral("text/html; charset=utf-8"));
    // Files below folder answer the paths below prefix ("/remixery/" + "app.js").
    void setFolder(const QString& prefix, const QString& folder);
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
    bool findRoute(const QString& path, Route& route) const;

    QTcpServer m_server;
    QMap<QString, Route> m_routes;
    QMap<QString, QString> m_folders;  // prefix -> folder
    QStringList m_requests;
    Mode m_mode = Mode::Serve;
};
