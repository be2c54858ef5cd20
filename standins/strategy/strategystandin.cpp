#include "strategystandin.h"

#include "pluginids.h"

#include <QJsonObject>
#include <QSysInfo>
#include <QThread>

StrategyStandin::StrategyStandin()
    : StandinPlugin(this, kStrategyPluginId, QStringLiteral("strategy"))
{
}

void StrategyStandin::reportLaunch(const QString& instance, const QString& package, int kind, int source)
{
    record(QStringLiteral("reportLaunch"), {instance, package, kind, source});
}

QJsonObject StrategyStandin::systemConfig()
{
    record(QStringLiteral("systemConfig"));
    return {{QStringLiteral("os"), QSysInfo::prettyProductName()},
            {QStringLiteral("cpu_arch"), QSysInfo::currentCpuArchitecture()},
            {QStringLiteral("cpu_cores"), QThread::idealThreadCount()}};
}
