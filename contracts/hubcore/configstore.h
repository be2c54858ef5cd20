#pragma once

#include "appconfig.h"

#include <QHash>
#include <QMap>
#include <QReadWriteLock>
#include <QString>
#include <QVariant>

// Hubcore's configuration: built-in defaults, overridden by "velmora.ini" in the program
// folder, overridden by the file that VELMORA_CONFIG names, overridden by values set at
// run time. Safe to use from any thread.
class ConfigStore
{
public:
    ConfigStore();

    QVariant value(AppConfig key) const;
    void setValue(AppConfig key, const QVariant& value);
    QMap<QString, QString> hosts() const;

    // The ini name of a key ("RemoteDebugPort"), empty for an unknown key.
    static QString keyName(AppConfig key);

private:
    void loadFile(const QString& path);
    void store(AppConfig key, const QVariant& value);  // with the lock held or before sharing

    mutable QReadWriteLock m_lock;
    QHash<int, QVariant> m_values;
    QMap<QString, QString> m_hosts;
};
