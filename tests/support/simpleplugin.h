#pragma once

#include "iplugin.h"

#include <QObject>
#include <QUuid>

// A plug-in life cycle that accepts every step, for test plug-ins whose other interfaces
// are what a test looks at.
class SimplePlugin : public IPlugin
{
public:
    SimplePlugin(QObject* object, const QUuid& uuid) : m_object(object), m_uuid(uuid) {}

    QObject* getObject() override { return m_object; }
    QUuid getUuid() override { return m_uuid; }
    void getInfo(PluginInfo*) override {}
    bool prepare(IPluginManager*, int*) override { return true; }
    bool init() override { return true; }
    bool initFinished() override { return true; }
    bool start() override { return true; }
    bool stop() override { return true; }

private:
    QObject* m_object;
    QUuid m_uuid;
};
