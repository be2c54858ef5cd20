#include "bserver.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTimer>

namespace {

const QString kJsonPrefix = QStringLiteral("VelmoraDeck:");
const QString kLoginPageShow = QStringLiteral("-loginPageShow");

bool containsNoCase(const QString& text, const QString& part)
{
    return text.contains(part, Qt::CaseInsensitive);
}

QString withoutNoCase(QString text, const QString& part)
{
    return text.remove(part, Qt::CaseInsensitive);
}

} // namespace

BServer::BServer(QObject* parent, Program program)
    : QObject(parent)
    , m_program(program)
    , m_server(new QLocalServer)
{
    connect(m_server, &QLocalServer::newConnection, this, &BServer::onNewConnection);
}

BServer::~BServer()
{
    delete m_server;
}

void BServer::start(const QString& name)
{
    if (m_program == Program::Launcher)
        qDebug() << "Run Server ok";
    QLocalServer::removeServer(name);
    // Every sender runs as this user; no other account may drive the program.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name))
        qWarning() << "[BServer] cannot listen on" << name << m_server->errorString();
}

void BServer::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        m_pending.insert(socket, QByteArray());
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(kIdleMs);
        connect(idle, &QTimer::timeout, this, [this, socket] { finish(socket); });
        connect(socket, &QLocalSocket::readyRead, this, &BServer::onReadyRead);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { finish(socket); });
        idle->start();
        if (socket->bytesAvailable() > 0)
            gather(socket);
    }
}

void BServer::onReadyRead()
{
    if (auto* socket = qobject_cast<QLocalSocket*>(sender()))
        gather(socket);
}

void BServer::gather(QLocalSocket* socket)
{
    if (!m_pending.contains(socket))
        return;
    QByteArray& bytes = m_pending[socket];
    bytes += socket->readAll();
    if (bytes.size() > kMaxMessageBytes) {
        qWarning() << "[BServer] message over" << kMaxMessageBytes << "bytes dropped";
        m_pending.remove(socket);
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (auto* idle = socket->findChild<QTimer*>())
        idle->start();
}

void BServer::finish(QLocalSocket* socket)
{
    auto pending = m_pending.find(socket);
    if (pending == m_pending.end())
        return;
    QByteArray bytes = pending.value() + socket->readAll();
    m_pending.erase(pending);
    socket->disconnect(this);
    socket->deleteLater();
    if (bytes.isEmpty())
        return;
    const QString text = QTextCodec::codecForLocale()->toUnicode(bytes);
    if (m_program == Program::Launcher)
        send(text, true);
    else
        emit playFarplay(text);
}

void BServer::send(const QString& text, const bool fromSocket)
{
    qInfo() << "[BServer receive]: " << text;
    if (!containsNoCase(text, kLoginPageShow))
        emit windowToTop();
    if (containsNoCase(text, kJsonPrefix))
        receiveJson(withoutNoCase(text, kJsonPrefix), fromSocket);
    else
        receiveCommand(text);
}

void BServer::receiveJson(const QString& text, bool fromSocket)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(text.toUtf8(), &error).object();
    if (error.error != QJsonParseError::NoError)
        return;
    const QString event = root.value(QStringLiteral("event")).toString();
    const bool hasData = root.contains(QStringLiteral("data"));
    const QJsonObject data = root.value(QStringLiteral("data")).toObject();
    auto member = [&data](const char* key) { return data.value(QLatin1String(key)).toString(); };

    if (event == QLatin1String("accountEvoke")) {
        if (fromSocket)
            emit getSsoInfo();
    } else if (event == QLatin1String("webfle")) {
        if (hasData && data.contains(QStringLiteral("package")))
            emit flePlayGame(member("package"), QString());
    } else if (event == QLatin1String("launchApp")) {
        if (!hasData)
            return;
        const QString pkg = member("pkg");
        const QString linkValue = member("linkValue");
        if (!pkg.isEmpty() || !linkValue.isEmpty())
            emit deepLink(pkg, member("promoPkg"), linkValue);
    } else if (event == QLatin1String("shortcut")) {
        if (!hasData || !data.contains(QStringLiteral("package")))
            return;
        const QString instance = member("instance");
        const QString package = member("package");
        qInfo() << "[shortcut]:" << "package=" << package << ", " << "instance=" << instance;
        emit flePlayGame(package, instance);
    } else if (event == QLatin1String("sharemod")) {
        if (hasData && data.contains(QStringLiteral("shareid")))
            emit shareMod(member("shareid"));
    }
}

void BServer::receiveCommand(const QString& text)
{
    if (text == QLatin1String("-farplays"))
        return;
    if (text == QLatin1String("-mygames"))
        emit showGameType(IMyGame::MyGames);
    else if (text == QLatin1String("-gamecenter"))
        emit showGameType(IMyGame::GameCenter);
    else if (containsNoCase(text, QStringLiteral("-fle=")))
        emit flePlayGame(withoutNoCase(text, QStringLiteral("-fle=")), QString());
    else if (containsNoCase(text, kLoginPageShow))
        emit loginPageShow();
    else if (text == QLatin1String("-remixery"))
        emit showGameType(IMyGame::Remixery);
    else if (containsNoCase(text, QStringLiteral("-closeLogin")))
        emit closeLogin();
}
