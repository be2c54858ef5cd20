#pragma once

#include "ipluginmanager.h"

#include <QHash>
#include <QList>
#include <QObject>

class IAccount;
class IMainWindow;
class IPlugin;
class QPluginLoader;
struct PluginInfo;

// Loads the plug-ins of the program folder's "xplugins", keeps them by uuid and drives
// their life cycle. Main thread only.
class PluginManager : public QObject, public IPluginManager
{
    Q_OBJECT
    Q_INTERFACES(IPluginManager)

public:
    explicit PluginManager(QObject* parent = nullptr);
    ~PluginManager() override;

    // The folder searched by loadPlugins; the program folder's "xplugins" unless changed.
    void setPluginFolder(const QString& folder) { m_folder = folder; }

    bool loadPlugins();
    bool initPlugins();
    bool startPlugins();
    void releasePlugins();

    IMainWindow* mainWindow();
    IAccount* account();
    void preInitMainWindow(int value);

    QObject* getObject() override { return this; }
    QString managerText() override { return QString(); }
    void attachHook(void*) override {}
    IPlugin* getPlugin(const QUuid& id) override;
    PluginInfo* getPluginInfo(const QUuid& id) override;

private:
    struct PluginEntry
    {
        IPlugin* plugin = nullptr;
        PluginInfo* info = nullptr;
        QPluginLoader* loader = nullptr;
    };

    QString m_folder;
    QHash<QString, PluginEntry> m_registry;
    QList<PluginEntry> m_released;
};
