#pragma once

#include "hubcore_export.h"

#include <QString>
#include <QUuid>

class IPlugin;
class QObject;

// The plug-ins the host has accepted, so that core services can reach them (the network
// plug-in's HTTP manager, for one). A plug-in whose object has been destroyed is no longer
// found. Safe from any thread.
class HUBCORE_EXPORT PluginsGlobal
{
public:
    // Told by the host of each accepted plug-in, under its uuid text.
    static void initPlugins(const QString& uuid, IPlugin* plugin);
    // The object of the plug-in registered under that uuid, or null.
    static QObject* pluginObject(const QUuid& uuid);
};
