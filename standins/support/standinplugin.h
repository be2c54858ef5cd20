#pragma once

#include "iplugin.h"

#include <QJsonArray>

#include <QString>
#include <QUuid>

class IPluginManager;

// The life cycle of a stand-in plug-in: every step is journalled and accepted; the manager
// is kept for looking up the other plug-ins. A stand-in's own work starts in onStart.
class StandinPlugin : public IPlugin
{
public:
    StandinPlugin(QObject* object, const QUuid& uuid, const QString& name);

    QObject* getObject() override { return m_object; }
    QUuid getUuid() override { return m_uuid; }
    void getInfo(PluginInfo* info) override;
    bool prepare(IPluginManager* manager, int* order) override;
    bool init() override;
    bool initFinished() override;
    bool start() override;
    bool stop() override;

protected:
    void record(const QString& call, const QJsonArray& args = {}) const;
    IPluginManager* manager() const { return m_manager; }
    virtual void onStart() {}

private:
    QObject* m_object;
    QUuid m_uuid;
    QString m_name;
    IPluginManager* m_manager = nullptr;
};
