// The demo web host: the Remixery demo web application, the web channel's script, the game
// list service's "/api/game/list" and a cloud game's page ("/farplay/"), on the loopback
// interface.
// Usage: velmora-demo-server [--port N]   (default 18080)

#include "democatalog.h"
#include "localhttpserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QTextStream>
#include <QWebChannel>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-demo-server"));
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Port to listen on."),
                                        QStringLiteral("port"), QStringLiteral("18080"));
    options.addOption(portOption);
    options.process(app);
    bool valid = false;
    const uint port = options.value(portOption).toUInt(&valid);
    if (!valid || port > 65535) {
        qCritical().noquote() << "not a port:" << options.value(portOption);
        return 2;
    }

    // The script is a resource of the web channel library, which an object of it keeps loaded.
    const QWebChannel keepLoaded;
    LocalHttpServer server;
    QFile script(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    script.open(QIODevice::ReadOnly);
    server.setRoute(QStringLiteral("/remixery/qwebchannel.js"), script.readAll(), "application/javascript");
    server.setRoute(QStringLiteral("/api/game/list"), DemoCatalog::modedGameList(), "application/json");
    server.setRoute(QStringLiteral("/"), "<a href=\"/remixery/\">Remixery demo</a>");
    server.setFolder(QStringLiteral("/remixery/"), QCoreApplication::applicationDirPath() + QStringLiteral("/webapp"));
    // The page a cloud game streams into, for Farplay.
    QFile cloudGame(QCoreApplication::applicationDirPath() + QStringLiteral("/webapp/cloudgame.html"));
    if (cloudGame.open(QIODevice::ReadOnly))
        server.setRoute(QStringLiteral("/farplay/"), cloudGame.readAll());
    if (!server.listen(quint16(port))) {
        qCritical().noquote() << "cannot listen on 127.0.0.1:" << port;
        return 1;
    }
    QTextStream(stdout) << "demo web host on " << server.url().toString() << Qt::endl;
    return app.exec();
}
