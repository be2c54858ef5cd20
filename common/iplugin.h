#pragma once

#include <QObject>
#include <QUuid>

class IPluginManager;
struct PluginInfo;

// Life cycle of a plug-in, driven by the host's plug-in manager.
class IPlugin
{
public:
    // The plug-in's object; the host re-parents it to the plug-in loader.
    virtual QObject* getObject() = 0;
    virtual QUuid getUuid() = 0;
    virtual void getInfo(PluginInfo* info) = 0;
    // First step of initialisation. order points to 500; a lower value initialises earlier.
    // Returning false sets the plug-in aside.
    virtual bool prepare(IPluginManager* manager, int* order) = 0;
    virtual bool init() = 0;
    virtual bool initFinished() = 0;
    virtual bool start() = 0;
    virtual bool stop() = 0;

protected:
    ~IPlugin() = default;
};

#define IPlugin_iid "HXL.IPlugin/1.0"
Q_DECLARE_INTERFACE(IPlugin, IPlugin_iid)
