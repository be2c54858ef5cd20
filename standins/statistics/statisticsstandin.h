#pragma once

#include "iburiedpoint.h"
#include "standinplugin.h"

#include <QObject>
#include <QSet>

// The statistics plug-in: journals every report. A report is done a moment after it was
// made, as if it had been sent, so the launcher's exit flush waits honestly.
class StatisticsStandin : public QObject, public StandinPlugin, public IBuriedpoint
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IBuriedpoint)

public:
    static constexpr int kSendMs = 50;

    StatisticsStandin();

    QUuid postUploadEffects(const QJsonObject& data) override;
    QUuid postEffectsTriggered(const QJsonObject& data) override;
    QUuid postModEvents(const QJsonObject& data) override;
    QUuid postActiveUsers(const QJsonObject& data) override;
    QUuid report(const int& kind) override;
    QUuid postStreamGameClick(const StreamClickStats& stats) override;
    bool isDone(const QUuid& id) override;
    QUuid reportFinal() override;

private:
    QUuid send(const QString& call, const QJsonArray& args);

    QSet<QUuid> m_pending;
};
