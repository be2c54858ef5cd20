#include "localhttpserver.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::setRoute(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    m_routes.insert(path, Route{body, contentType});
}

int LocalHttpServer::requestCount(const QString& path) const
{
    int count = 0;
    for (const QString& target : m_requests) {
        if (target.section(QLatin1Char('?'), 0, 0) == path)
            ++count;
    }
    return count;
}

void LocalHttpServer::onReadyRead(QTcpSocket* socket)
{
    // The request line and headers, then nothing: only GET is served.
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString target = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    m_requests.append(target);
    emit requested(target);
    answer(socket, target);
}

void LocalHttpServer::answer(QTcpSocket* socket, const QString& target)
{
    switch (m_mode) {
    case Mode::Hang:
        return;
    case Mode::Drop:
        socket->abort();
        socket->deleteLater();
        return;
    case Mode::Serve:
        break;
    }
    const auto route = m_routes.constFind(target.section(QLatin1Char('?'), 0, 0));
    const bool found = route != m_routes.constEnd();
    const QByteArray body = found ? route->body : QByteArrayLiteral("not found");
    QByteArray response = found ? QByteArrayLiteral("HTTP/1.0 200 OK\r\n") : QByteArrayLiteral("HTTP/1.0 404 Not Found\r\n");
    response += "Content-Type: " + (found ? route->contentType : QByteArrayLiteral("text/plain")) + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    response += "Cache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}
