// Farplay: plays cloud-streamed games, each in its own window around an embedded browser.
// Started with the file name of a launch description; a second start hands its argument to
// the running instance.

#include "bclient.h"
#include "bserver.h"
#include "cef_app.h"
#include "farplaystartup.h"
#include "gamewindowlist.h"
#include "hubcore.h"
#include "language.h"
#include "log.h"
#include "namedmutex.h"
#include "platform.h"
#include "simplehandler.h"

#include <QApplication>
#include <QUrl>

int main(int argc, char** argv)
{
    Platform::setDllDirectory(QStringLiteral("./cef"));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    auto app = std::make_unique<QApplication>(argc, argv);
    if (FarplayStartup::initCef(argc, argv) != 0)
        return -1;
    Log::instance()->start();

    Hubcore* hubcore = Hubcore::instance();
    NamedMutex mutex(hubcore->getAppConfigValue(FarplayMutexName).toString());
    int exitCode = -1;
    if (mutex.alreadyExists()) {
        if (argc >= 2) {
            BClient client;
            client.connectServer(hubcore->getAppConfigValue(FarplayServerName).toString());
            client.sendMessage(QUrl::fromPercentEncoding(QByteArray(argv[argc - 1])));
        }
    } else {
        SimpleHandler::devToolsEnabled = hubcore->getAppConfigValue(RemoteDebugPort).toInt() == 9999;
        if (SimpleHandler::devToolsEnabled)
            qInfo() << "[farplay] developer tools open with F12";
        Language::instance()->init();
        GameWindowList windows;
        auto* server = new BServer(nullptr, BServer::Program::Farplay);
        QObject::connect(server, &BServer::playFarplay, [&windows](const QString& param) { windows.openGame(param); });
        server->start(hubcore->getAppConfigValue(FarplayServerName).toString());
        windows.openGame(argc > 1 ? QString::fromUtf8(argv[1]) : QString());
        exitCode = app->exec();
        server->deleteLater();
        qInfo() << "[farplay] ended with" << exitCode;
    }
    mutex.close();
    CefShutdown();
    app.reset();
    return exitCode;
}
