#pragma once

#include "isimulatormgr.h"
#include "standinplugin.h"

#include <QObject>

// The emulator-management plug-in: the demo engines' installed apps, a store app, and APK
// addresses on the demo host, answered a moment later on the GUI thread.
class SimulatorStandin : public QObject, public StandinPlugin, public ISimulatorMgr
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin ISimulatorMgr)

public:
    static constexpr int kAnswerMs = 30;

    SimulatorStandin();

    void requestApkUrl(const QString& packageName, std::function<void(const QString&)> callback, int flags,
                       bool wait) override;
    QString clientVersion() override;
    QMap<QString, QList<InstalledApp>> installedApps() override;
    bool hasPlayStore() override;
    void updateAccount(const QString& first, const QString& userId, const QString& last) override;
    QUuid machineUuid() override;
};
