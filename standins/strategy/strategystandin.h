#pragma once

#include "istrategy.h"
#include "standinplugin.h"

#include <QObject>

// The strategy plug-in: journals launch reports and describes this machine.
class StrategyStandin : public QObject, public StandinPlugin, public IStrategy
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IStrategy)

public:
    StrategyStandin();

    void reportLaunch(const QString& instance, const QString& package, int kind, int source) override;
    QJsonObject systemConfig() override;
};
