#pragma once

#include "iplugin.h"
#include "ipluginmanager.h"

#include <QObject>
#include <QUuid>

// The interface T of the plug-in registered under provider, or null when the manager, the
// plug-in, its object or the interface is missing:
//   auto* account = findPluginInterface<IAccount>(manager, kAccountPluginId);
template <typename T>
T* findPluginInterface(IPluginManager* manager, const QUuid& provider)
{
    if (!manager)
        return nullptr;
    IPlugin* plugin = manager->getPlugin(provider);
    if (!plugin)
        return nullptr;
    QObject* object = plugin->getObject();
    return object ? qobject_cast<T*>(object) : nullptr;
}
