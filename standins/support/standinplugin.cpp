#include "standinplugin.h"

#include "journal.h"

StandinPlugin::StandinPlugin(QObject* object, const QUuid& uuid, const QString& name)
    : m_object(object)
    , m_uuid(uuid)
    , m_name(name)
{
}

void StandinPlugin::getInfo(PluginInfo*)
{
    record(QStringLiteral("getInfo"));
}

bool StandinPlugin::prepare(IPluginManager* manager, int* order)
{
    m_manager = manager;
    record(QStringLiteral("prepare"), {order ? *order : -1});
    return true;
}

bool StandinPlugin::init()
{
    record(QStringLiteral("init"));
    return true;
}

bool StandinPlugin::initFinished()
{
    record(QStringLiteral("initFinished"));
    return true;
}

bool StandinPlugin::start()
{
    record(QStringLiteral("start"));
    onStart();
    return true;
}

bool StandinPlugin::stop()
{
    record(QStringLiteral("stop"));
    return true;
}

void StandinPlugin::record(const QString& call, const QJsonArray& args) const
{
    Journal::record(m_name, call, args);
}
