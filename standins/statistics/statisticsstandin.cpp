#include "statisticsstandin.h"

#include "pluginids.h"

#include <QJsonObject>
#include <QTimer>

StatisticsStandin::StatisticsStandin()
    : StandinPlugin(this, kBuriedpointPluginId, QStringLiteral("statistics"))
{
}

QUuid StatisticsStandin::postUploadEffects(const QJsonObject& data)
{
    return send(QStringLiteral("postUploadEffects"), {data});
}

QUuid StatisticsStandin::postEffectsTriggered(const QJsonObject& data)
{
    return send(QStringLiteral("postEffectsTriggered"), {data});
}

QUuid StatisticsStandin::postModEvents(const QJsonObject& data)
{
    return send(QStringLiteral("postModEvents"), {data});
}

QUuid StatisticsStandin::postActiveUsers(const QJsonObject& data)
{
    return send(QStringLiteral("postActiveUsers"), {data});
}

QUuid StatisticsStandin::report(const int& kind)
{
    return send(QStringLiteral("report"), {kind});
}

QUuid StatisticsStandin::postStreamGameClick(const StreamClickStats& stats)
{
    return send(QStringLiteral("postStreamGameClick"), {stats.appId, stats.bannerLocation, stats.sourceCode});
}

bool StatisticsStandin::isDone(const QUuid& id)
{
    return !m_pending.contains(id);
}

QUuid StatisticsStandin::reportFinal()
{
    return send(QStringLiteral("reportFinal"), {});
}

QUuid StatisticsStandin::send(const QString& call, const QJsonArray& args)
{
    const QUuid id = QUuid::createUuid();
    record(call, args);
    m_pending.insert(id);
    QTimer::singleShot(kSendMs, this, [this, id] { m_pending.remove(id); });
    return id;
}
