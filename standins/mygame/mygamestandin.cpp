#include "mygamestandin.h"

#include "democatalog.h"
#include "hubcore.h"
#include "pluginids.h"
#include "pluginlookup.h"
#include "imainwindow.h"
#include "platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>

namespace {

bool hasPackage(const QList<InstalledApp>& apps, const QString& package)
{
    return std::any_of(apps.cbegin(), apps.cend(), [&package](const InstalledApp& app) { return app.packageName == package; });
}

QVector<QString> engines(const QString& package, bool installed)
{
    QVector<QString> ids;
    const QMap<QString, QList<InstalledApp>> apps = DemoCatalog::installedApps();
    for (const DemoCatalog::Engine& engine : DemoCatalog::engines()) {
        if (hasPackage(apps.value(engine.id), package) == installed)
            ids.append(engine.id);
    }
    return ids;
}

// The demo engine with that id; an empty one for an unknown id.
DemoCatalog::Engine engine(const QString& id)
{
    for (const DemoCatalog::Engine& candidate : DemoCatalog::engines()) {
        if (candidate.id == id)
            return candidate;
    }
    return DemoCatalog::Engine();
}

QJsonArray idList(const QVector<QString>& ids)
{
    QJsonArray list;
    for (const QString& id : ids)
        list.append(id);
    return list;
}

} // namespace

MyGameStandin::MyGameStandin()
    : StandinPlugin(this, kMyGamePluginId, QStringLiteral("mygame"))
{
}

QVector<QString> MyGameStandin::enginesWithout(const QString& package)
{
    const QVector<QString> ids = engines(package, false);
    record(QStringLiteral("enginesWithout"), {package, idList(ids)});
    return ids;
}

QVector<QString> MyGameStandin::enginesWith(const QString& package)
{
    const QVector<QString> ids = engines(package, true);
    record(QStringLiteral("enginesWith"), {package, idList(ids)});
    return ids;
}

QString MyGameStandin::defaultEngines(const QString& package)
{
    record(QStringLiteral("defaultEngines"), {package});
    return DemoCatalog::engines().constFirst().id;
}

QString MyGameStandin::engineName(const QString& engineId)
{
    return engine(engineId).name;
}

QString MyGameStandin::engineType(const QString& engineId)
{
    return engine(engineId).type;
}

void MyGameStandin::switchToGameType(IMyGame::GameType type)
{
    record(QStringLiteral("switchToGameType"), {int(type)});
    IMainWindow* mainWindow = findPluginInterface<IMainWindow>(manager(), kMainWindowPluginId);
    if (mainWindow && mainWindow->getObject())
        QMetaObject::invokeMethod(mainWindow->getObject(), "onShowGameType", Q_ARG(IMyGame::GameType, type));
}

void MyGameStandin::openStoreUrl(const QString& url)
{
    record(QStringLiteral("openStoreUrl"), {url});
    notify(tr("Store page requested: %1").arg(url));
}

void MyGameStandin::setShareId(const PackageShare& share)
{
    record(QStringLiteral("setShareId"), {share.first, share.second});
}

void MyGameStandin::openGame(const GameEntry& game)
{
    record(QStringLiteral("openGame"), {game.packageName, game.gameName, game.bannerLocation, game.cloudAppUrl});
}

void MyGameStandin::installOrPlay(const AppEntry& app)
{
    record(QStringLiteral("installOrPlay"),
           {app.packageName, app.gameName, app.apkUrl, app.bannerLocation, app.cloudAppUrl, app.instance});
    if (!app.cloudAppUrl.isEmpty()) {
        startFarplay(app);
        return;
    }
    notify(tr("Installing %1 from %2").arg(app.gameName.isEmpty() ? app.packageName : app.gameName,
                                            app.apkUrl.isEmpty() ? tr("the store") : app.apkUrl));
}

void MyGameStandin::leaveRmGame(const QString& package)
{
    record(QStringLiteral("leaveRmGame"), {package});
}

QString MyGameStandin::launchDescriptionPath(const QString& fileName)
{
    // The local application data folder's data folder, as on Windows (where the configuration
    // folder + "/../" is that same folder).
    return Platform::localAppDataPath() + QLatin1Char('/') + Hubcore::instance()->getAppConfigValue(DataDirName).toString()
        + QStringLiteral("/LocalGames/") + fileName;
}

void MyGameStandin::startFarplay(const AppEntry& app)
{
    const QString fileName = (app.packageName.isEmpty() ? QStringLiteral("cloud") : app.packageName) + QStringLiteral(".json");
    const QString path = launchDescriptionPath(fileName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    const QJsonObject description{{QStringLiteral("package_name"), app.packageName},
                                  {QStringLiteral("type"), QStringLiteral("fromCloudGame")},
                                  {QStringLiteral("cloud_app_url"), app.cloudAppUrl},
                                  {QStringLiteral("game_name"), app.gameName}};
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(description).toJson()) < 0) {
        qWarning() << "[mygame] launch description not written:" << path;
        return;
    }
    file.close();
    const QString farplay = QCoreApplication::applicationDirPath() + QStringLiteral("/farplay");
    const bool started = QFileInfo(farplay).isExecutable() && QProcess::startDetached(farplay, {fileName});
    record(QStringLiteral("startFarplay"), {fileName, started});
    notify(started ? tr("Playing %1 in the cloud").arg(app.gameName) : tr("Farplay is not installed"));
}

void MyGameStandin::notify(const QString& text)
{
    IMainWindow* mainWindow = findPluginInterface<IMainWindow>(manager(), kMainWindowPluginId);
    if (mainWindow && mainWindow->getObject())
        QMetaObject::invokeMethod(mainWindow->getObject(), "showNotice", Q_ARG(QString, text));
}
