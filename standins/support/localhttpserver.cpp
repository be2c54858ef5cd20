#include "localhttpserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool LocalHttpServer::listen(quint16 port)
{
    return m_server.listen(QHostAddress::LocalHost, port);
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

void LocalHttpServer::setRoute(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    m_routes.insert(path, Route{body, contentType});
}

void LocalHttpServer::setFolder(const QString& prefix, const QString& folder)
{
    m_folders.insert(prefix, QDir(folder).absolutePath());
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
    Route route;
    const bool found = findRoute(target.section(QLatin1Char('?'), 0, 0), route);
    const QByteArray body = found ? route.body : QByteArrayLiteral("not found");
    QByteArray response = found ? QByteArrayLiteral("HTTP/1.0 200 OK\r\n") : QByteArrayLiteral("HTTP/1.0 404 Not Found\r\n");
    response += "Content-Type: " + (found ? route.contentType : QByteArrayLiteral("text/plain")) + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    response += "Cache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}

bool LocalHttpServer::findRoute(const QString& path, Route& route) const
{
    const auto fixed = m_routes.constFind(path);
    if (fixed != m_routes.constEnd()) {
        route = *fixed;
        return true;
    }
    for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it) {
        if (!path.startsWith(it.key()))
            continue;
        QString relative = QUrl::fromPercentEncoding(path.mid(it.key().size()).toUtf8());
        if (relative.isEmpty() || relative.endsWith(QLatin1Char('/')))
            relative += QStringLiteral("index.html");
        // Nothing outside the folder is served.
        const QString file = QDir::cleanPath(it.value() + QLatin1Char('/') + relative);
        if (!file.startsWith(it.value() + QLatin1Char('/')))
            return false;
        QFile content(file);
        if (!content.open(QIODevice::ReadOnly))
            return false;
        static const QMap<QString, QByteArray> types{
            {QStringLiteral("html"), "text/html; charset=utf-8"}, {QStringLiteral("js"), "application/javascript"},
            {QStringLiteral("css"), "text/css"}, {QStringLiteral("svg"), "image/svg+xml"},
            {QStringLiteral("png"), "image/png"}, {QStringLiteral("json"), "application/json"}};
        route.body = content.readAll();
        route.contentType = types.value(QFileInfo(file).suffix().toLower(), "application/octet-stream");
        return true;
    }
    return false;
}
