#pragma once

#include "fakeplatform.h"
#include "ipluginmanager.h"
#include "pluginids.h"
#include "pluginsglobal.h"
#include "simpleplugin.h"

#include <QMap>
#include <QPluginLoader>
#include <QPointer>
#include <memory>

// The Remixery plug-in library loaded in-process and prepared by a plug-in manager that
// knows the fake platform, the fake network plug-in and the Remixery plug-in itself.
class PluginRig : public IPluginManager
{
public:
    PluginRig()
        : m_loader(QStringLiteral(VD_REMIXERY_PLUGIN))
    {
        m_object = m_loader.instance();
        plugin = qobject_cast<IPlugin*>(m_object);
        remixery = qobject_cast<IRemixery*>(m_object);
        for (const QUuid& id : {kAccountPluginId, kBrowserPluginId, kBuriedpointPluginId, kMainWindowPluginId,
                                kMyGamePluginId, kSettingPluginId, kSimulatorMgrPluginId, kStrategyPluginId})
            add(id, &platform);
        add(kHttpDaoMgrPluginId, &http);
        if (plugin)
            m_plugins.insert(kRemixeryPluginId, plugin);
        PluginsGlobal::initPlugins(kHttpDaoMgrPluginId.toString(), m_plugins.value(kHttpDaoMgrPluginId));
    }

    ~PluginRig()
    {
        delete m_object.data();
        PluginsGlobal::initPlugins(kHttpDaoMgrPluginId.toString(), nullptr);
    }

    bool isValid() const { return plugin && remixery; }
    QObject* object() const { return m_object; }
    IFileDownHandle* handle() const
    {
        return object() ? static_cast<IFileDownHandle*>(object()->qt_metacast("IFileDownHandle")) : nullptr;
    }

    // The host's first steps: prepare, init, start.
    bool bringUp()
    {
        int order = 500;
        return plugin->prepare(this, &order) && order == 500 && plugin->init() && plugin->initFinished()
            && plugin->start();
    }

    QObject* getObject() override { return nullptr; }
    QString managerText() override { return {}; }
    void attachHook(void*) override {}
    IPlugin* getPlugin(const QUuid& id) override { return m_plugins.value(id); }
    PluginInfo* getPluginInfo(const QUuid&) override { return nullptr; }

    FakePlatform platform;
    FakeHttpDaoMgr http;
    IPlugin* plugin = nullptr;
    IRemixery* remixery = nullptr;

private:
    void add(const QUuid& id, QObject* object)
    {
        m_wrappers.push_back(std::make_unique<SimplePlugin>(object, id));
        m_plugins.insert(id, m_wrappers.back().get());
    }

    QPluginLoader m_loader;
    QPointer<QObject> m_object;
    std::vector<std::unique_ptr<SimplePlugin>> m_wrappers;
    QMap<QUuid, IPlugin*> m_plugins;
};
