#include "pluginsglobal.h"

#include "iplugin.h"

#include <QHash>
#include <QMutex>
#include <QPointer>

namespace {

struct Registry
{
    QMutex mutex;
    QHash<QUuid, QPointer<QObject>> objects;  // guarded: plug-ins die before their users
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void PluginsGlobal::initPlugins(const QString& uuid, IPlugin* plugin)
{
    QObject* object = plugin ? plugin->getObject() : nullptr;
    Registry& r = registry();
    QMutexLocker locker(&r.mutex);
    r.objects.insert(QUuid(uuid), object);
}

QObject* PluginsGlobal::pluginObject(const QUuid& uuid)
{
    Registry& r = registry();
    QMutexLocker locker(&r.mutex);
    return r.objects.value(uuid).data();
}
