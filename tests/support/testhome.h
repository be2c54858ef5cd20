#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

// A temporary home for one test program: the user's configuration, data, cache and
// runtime folders (XDG_*) point into it, so a run never touches the real user's folders
// and never meets another run. Create it before the first Hubcore call.
class TestHome
{
public:
    TestHome()
    {
        for (const auto& folder : folders()) {
            const QString path = m_root.path() + QLatin1Char('/') + QLatin1String(folder.second);
            QDir().mkpath(path);
            // Qt ignores a runtime folder that others may read.
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv(folder.first, path.toLocal8Bit());
        }
        qunsetenv("VELMORA_CONFIG");
    }

    bool isValid() const { return m_root.isValid(); }
    QString path() const { return m_root.path(); }
    QString config() const { return path() + QStringLiteral("/config"); }
    QString data() const { return path() + QStringLiteral("/data"); }
    QString cache() const { return path() + QStringLiteral("/cache"); }
    QString runtime() const { return path() + QStringLiteral("/runtime"); }

private:
    static QList<QPair<const char*, const char*>> folders()
    {
        return {{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"}, {"XDG_CACHE_HOME", "cache"},
                {"XDG_RUNTIME_DIR", "runtime"}};
    }

    QTemporaryDir m_root;
};
