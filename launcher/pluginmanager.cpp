#include "pluginmanager.h"

#include "appconfig.h"
#include "hubcore.h"
#include "iaccount.h"
#include "imainwindow.h"
#include "iplugin.h"
#include "pluginids.h"
#include "plugininfo.h"
#include "pluginlookup.h"
#include "pluginsglobal.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibrary>
#include <QMultiMap>
#include <QPluginLoader>

PluginManager::PluginManager(QObject* parent)
    : QObject(parent)
    , m_folder(QCoreApplication::applicationDirPath() + QStringLiteral("/xplugins"))
{
}

PluginManager::~PluginManager()
{
    releasePlugins();
}

bool PluginManager::loadPlugins()
{
    qInfo() << "[application product type name11] "
            << Hubcore::instance()->getAppConfigValue(ProductTypeName).toString();
    QDir folder(m_folder);
    if (!folder.exists()) {
        qWarning() << "[PluginManager] no plug-in folder" << m_folder;
        return false;
    }
    const QStringList files = folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& file : files) {
        const QString path = folder.absoluteFilePath(file);
        if (!QLibrary::isLibrary(path))
            continue;
        auto* loader = new QPluginLoader(path, this);
        qInfo() << "[booting time][start]: [load plugin] = " << loader->fileName();
        IPlugin* plugin = nullptr;
        if (loader->load()) {
            qInfo() << "[booting time][finish]: [load plugin] success " << loader->fileName();
            plugin = qobject_cast<IPlugin*>(loader->instance());
        }
        if (plugin) {
            if (QObject* object = plugin->getObject())
                object->setParent(loader);
            const QString uuid = plugin->getUuid().toString();
            if (!m_registry.contains(uuid)) {
                auto* info = new PluginInfo;
                plugin->getInfo(info);
                PluginsGlobal::initPlugins(uuid, plugin);
                m_registry.insert(uuid, {plugin, info, loader});
                continue;
            }
        } else if (!loader->isLoaded()) {
            qWarning() << "[PluginManager]" << loader->errorString();
        }
        qInfo() << "[booting time][finish]: [load plugin] fail " << loader->fileName();
        delete loader;
    }
    return !m_registry.isEmpty();
}

bool PluginManager::initPlugins()
{
    QMultiMap<int, IPlugin*> ordered;
    const QStringList uuids = m_registry.keys();
    for (const QString& uuid : uuids) {
        const PluginEntry entry = m_registry.value(uuid);
        int order = 500;
        if (entry.plugin->prepare(this, &order)) {
            ordered.insert(order, entry.plugin);
        } else {
            m_released.append(entry);
            m_registry.remove(uuid);
        }
    }
    for (IPlugin* plugin : qAsConst(ordered)) {
        const QString file = m_registry.value(plugin->getUuid().toString()).loader->fileName();
        qInfo() << "[booting time][start]: [init plugin] " << file;
        plugin->init();
        qInfo() << "[booting time][finish]: [init plugin] " << file;
    }
    for (IPlugin* plugin : qAsConst(ordered))
        plugin->initFinished();
    return true;
}

bool PluginManager::startPlugins()
{
    initPlugins();
    bool allStarted = true;
    for (const PluginEntry& entry : qAsConst(m_registry)) {
        qInfo() << "[booting time][start]: [start plugin] " << entry.loader->fileName();
        allStarted = entry.plugin->start() && allStarted;
        qInfo() << "[booting time][finish]: [start plugin] " << entry.loader->fileName();
    }
    return allStarted;
}

void PluginManager::releasePlugins()
{
    const QStringList uuids = m_registry.keys();
    for (const QString& uuid : uuids) {
        if (!m_registry.contains(uuid))
            continue;
        const PluginEntry entry = m_registry.take(uuid);
        entry.plugin->stop();
        m_released.append(entry);
    }
    for (const PluginEntry& entry : qAsConst(m_released)) {
        delete entry.info;
        delete entry.loader;  // deletes the plug-in's object with it
    }
    m_released.clear();
}

IPlugin* PluginManager::getPlugin(const QUuid& id)
{
    return m_registry.value(id.toString()).plugin;
}

PluginInfo* PluginManager::getPluginInfo(const QUuid& id)
{
    return m_registry.value(id.toString()).info;
}

IMainWindow* PluginManager::mainWindow()
{
    return findPluginInterface<IMainWindow>(this, kMainWindowPluginId);
}

IAccount* PluginManager::account()
{
    return findPluginInterface<IAccount>(this, kAccountPluginId);
}

void PluginManager::preInitMainWindow(int value)
{
    if (IMainWindow* window = mainWindow())
        window->preInit(value);
}
