// Velmora Deck: the launcher host. It prepares the process, becomes the single instance,
// loads and starts the platform's plug-ins, routes messages from other programs to them
// and restarts itself when its event loop ends with kRestartCode.

#include "appconfig.h"
#include "bapplication.h"
#include "bclient.h"
#include "bevent.h"
#include "bserver.h"
#include "hubcore.h"
#include "iaccount.h"
#include "iburiedpoint.h"
#include "imainwindow.h"
#include "language.h"
#include "launchersettings.h"
#include "log.h"
#include "namedmutex.h"
#include "pluginids.h"
#include "pluginlookup.h"
#include "pluginmanager.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkProxyFactory>
#include <QProcess>
#include <QTextCodec>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

// Ask hybrid-graphics drivers for the high-performance GPU.
extern "C" {
Q_DECL_EXPORT quint32 NvOptimusEnablement = 1;
Q_DECL_EXPORT quint32 AmdPowerXpressRequestHighPerformance = 1;
}

namespace {

constexpr int kRestartCode = 773;
constexpr int kStatisticsFlushMs = 2000;
constexpr int kStatisticsPollMs = 100;

// The last argument, percent-decoded, as second instances hand it over.
QString lastArgument(int argc, char** argv)
{
    return QUrl::fromPercentEncoding(QString::fromUtf8(argv[argc - 1]).toUtf8());
}

void setWebEngineEnvironment()
{
    const int debugPort = Hubcore::instance()->getAppConfigValue(RemoteDebugPort).toInt();
    if (debugPort > 0)
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", QByteArray::number(debugPort));
#ifdef Q_OS_WIN
    qputenv("QTWEBENGINEPROCESS_PATH", "VelmoraWeb.exe");
#else
    // Chromium on Linux cannot start a helper named by a bare file name.
    qputenv("QTWEBENGINEPROCESS_PATH", QFile::encodeName(QDir::currentPath() + QStringLiteral("/VelmoraWeb.exe")));
#endif
    qInfo() << "[QTWEBENGINEPROCESS_PATH]:" << qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
}

void applyStyleSheet(QApplication& app)
{
    QFile file(QStringLiteral(":/qss/styles.qss"));
    if (!file.open(QIODevice::ReadOnly))
        qWarning() << "Can't open the style sheet file.";
    app.setStyleSheet(QString::fromUtf8(file.readAll()));
}

void connectServer(BServer* server, PluginManager* plugins)
{
    if (IMainWindow* window = plugins->mainWindow()) {
        QObject* receiver = window->getObject();
        QObject::connect(server, SIGNAL(windowToTop()), receiver, SLOT(onWindowToTop()));
        QObject::connect(server, SIGNAL(showGameType(const IMyGame::GameType)), receiver,
                         SLOT(onShowGameType(const IMyGame::GameType)));
        QObject::connect(server, SIGNAL(flePlayGame(const QString&, const QString&)), receiver,
                         SLOT(onFlePlayGame(const QString&, const QString&)));
        QObject::connect(server, SIGNAL(shareMod(const QString&)), receiver, SLOT(onShareMod(const QString&)));
        QObject::connect(server, SIGNAL(deepLink(const QString&, const QString&, const QString&)), receiver,
                         SLOT(onDeepLink(const QString&, const QString&, const QString&)));
    }
    if (IAccount* account = plugins->account()) {
        QObject* receiver = account->getObject();
        QObject::connect(server, SIGNAL(loginPageShow()), receiver, SLOT(onLoginPageShow()));
        QObject::connect(server, SIGNAL(getSsoInfo()), receiver, SLOT(onGetSsoInfo()));
        QObject::connect(server, SIGNAL(closeLogin()), receiver, SLOT(onCloseLogin()));
    }
}

// Gives the statistics plug-in up to kStatisticsFlushMs to finish its last reports, with
// events processed meanwhile.
void flushStatistics(IBuriedpoint* statistics)
{
    const QList<QUuid> reports = {statistics->report(2), statistics->reportFinal()};
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStatisticsFlushMs) {
        bool allDone = true;
        for (const QUuid& id : reports) {
            if (!statistics->isDone(id)) {
                allDone = false;
                break;
            }
        }
        if (allDone)
            return;
        QEventLoop pause;
        QTimer::singleShot(kStatisticsPollMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    BApplication app(argc, argv);
    BEvent::init();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    loadLauncherSettings();
    Log::instance()->start();
    Log::enableConsoleOutput = true;
    Language::instance()->init();
    QThreadPool::globalInstance()->setMaxThreadCount(100);
    setWebEngineEnvironment();
    QNetworkProxyFactory::setUseSystemConfiguration(
        Hubcore::instance()->getAppConfigValue(UseSystemProxy).toBool());

    QString commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine += QString::fromUtf8(argv[i]) + QStringLiteral(" ; ");
    qInfo() << "[app run cmd]: " << commandLine;
    qInfo() << "[booting time]:[main]" << commandLine;

    Hubcore* hubcore = Hubcore::instance();
    NamedMutex mutex(hubcore->getAppConfigValue(LauncherMutexName).toString());
    if (mutex.alreadyExists()) {
        BClient client;
        // The first instance may still be loading its plug-ins: wait for its server.
        client.connectServer(hubcore->getAppConfigValue(LauncherServerName).toString(), true);
        client.sendMessage(argc < 2 ? QStringLiteral("NULL") : lastArgument(argc, argv));
        return 0;
    }
    hubcore->doClearWebCache();
    applyStyleSheet(app);

    auto* plugins = new PluginManager(&app);
    if (!plugins->loadPlugins())
        qInfo() << "[PluginManager] no plug-ins loaded";
    app.mainWindow = plugins->mainWindow();
    if (app.mainWindow)
        app.mainWindow->preInit(1);
    if (!plugins->startPlugins())
        qWarning() << "[PluginManager] a plug-in failed to start";

    auto* server = new BServer;
    connectServer(server, plugins);
    server->start(hubcore->getAppConfigValue(LauncherServerName).toString());
    if (argc >= 2)
        server->send(lastArgument(argc, argv), false);

    IBuriedpoint* statistics = findPluginInterface<IBuriedpoint>(plugins, kBuriedpointPluginId);
    if (statistics)
        statistics->report(0);
    const int exitCode = app.exec();

    if (statistics)
        flushStatistics(statistics);
    plugins->releasePlugins();
    server->deleteLater();
    if (exitCode == kRestartCode) {
        mutex.close();
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
        return 0;
    }
    return exitCode;
}
