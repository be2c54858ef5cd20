#pragma once

#include <QObject>
#include <QString>
#include <QUuid>

class IPlugin;
struct PluginInfo;

// The host's registry of plug-ins, handed to every plug-in in IPlugin::prepare.
class IPluginManager
{
public:
    virtual QObject* getObject() = 0;
    virtual QString managerText() = 0;
    virtual void attachHook(void* hook) = 0;
    // The registered plug-in with that uuid, or null.
    virtual IPlugin* getPlugin(const QUuid& id) = 0;
    virtual PluginInfo* getPluginInfo(const QUuid& id) = 0;

protected:
    ~IPluginManager() = default;
};

#define IPluginManager_iid "HXL.IPluginManager/1.0"
Q_DECLARE_INTERFACE(IPluginManager, IPluginManager_iid)
