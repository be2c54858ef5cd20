#include "simulatorstandin.h"

#include "democatalog.h"
#include "hubcore.h"
#include "pluginids.h"

#include <QTimer>

SimulatorStandin::SimulatorStandin()
    : StandinPlugin(this, kSimulatorMgrPluginId, QStringLiteral("simulator"))
{
}

void SimulatorStandin::requestApkUrl(const QString& packageName, std::function<void(const QString&)> callback,
                                     int flags, bool wait)
{
    record(QStringLiteral("requestApkUrl"), {packageName, flags, wait});
    const QString url = Hubcore::instance()->getHostUrl(GameListService, QStringLiteral("/apk/") + packageName + QStringLiteral(".apk"));
    QTimer::singleShot(kAnswerMs, this, [callback, url] { callback(url); });
}

QString SimulatorStandin::clientVersion()
{
    return Hubcore::instance()->getAppConfigValue(InstallVersion).toString();
}

QMap<QString, QList<InstalledApp>> SimulatorStandin::installedApps()
{
    record(QStringLiteral("installedApps"));
    return DemoCatalog::installedApps();
}

bool SimulatorStandin::hasPlayStore()
{
    return true;
}

void SimulatorStandin::updateAccount(const QString& first, const QString& userId, const QString& last)
{
    record(QStringLiteral("updateAccount"), {first, userId, last});
}

QUuid SimulatorStandin::machineUuid()
{
    const QUuid install(Hubcore::instance()->getAppConfigValue(InstallGuid).toString());
    return install.isNull() ? QUuid(QStringLiteral("{6a1f0c2e-5b7d-4e3a-9f18-2c4d6e8a0b1c}")) : install;
}
