#include "configstore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

enum class Kind { Int, Bool, Text };

struct KeyInfo
{
    AppConfig key;
    const char* name;
    Kind kind;
};

const KeyInfo kKeys[] = {
    {RemoteDebugPort, "RemoteDebugPort", Kind::Int},
    {FarplayDefaultUrl, "FarplayDefaultUrl", Kind::Text},
    {UseSystemProxy, "UseSystemProxy", Kind::Bool},
    {InstallGuid, "InstallGuid", Kind::Text},
    {InstallVersion, "InstallVersion", Kind::Text},
    {UserXToken, "UserXToken", Kind::Text},
    {UserAccessToken, "UserAccessToken", Kind::Text},
    {UserRefreshToken, "UserRefreshToken", Kind::Text},
    {DomainTestHost, "DomainTestHost", Kind::Text},
    {GameListService, "GameListService", Kind::Text},
    {RemixeryEnabled, "RemixeryEnabled", Kind::Bool},
    {ProductTypeName, "ProductTypeName", Kind::Text},
    {LauncherServerName, "LauncherServerName", Kind::Text},
    {LauncherMutexName, "LauncherMutexName", Kind::Text},
    {FarplayServerName, "FarplayServerName", Kind::Text},
    {FarplayMutexName, "FarplayMutexName", Kind::Text},
    {DataDirName, "DataDirName", Kind::Text},
    {RegistryKeyName, "RegistryKeyName", Kind::Text},
};

const KeyInfo* keyInfoOf(const QString& name)
{
    for (const KeyInfo& info : kKeys) {
        if (name == QLatin1String(info.name))
            return &info;
    }
    return nullptr;
}

const QString kDemoHost = QStringLiteral("http://127.0.0.1:18080");

// A local server name for this user: on Windows a plain name, elsewhere a socket in the
// user's runtime directory, so users and test runs with their own runtime directory
// never meet.
QString userServerName(const QString& name)
{
#ifdef Q_OS_WIN
    return name;
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name + QStringLiteral(".sock");
#endif
}

// Text from an ini file converted to the key's type; an invalid value gives no value.
QVariant converted(const KeyInfo& info, const QString& text, const QString& file)
{
    switch (info.kind) {
    case Kind::Int: {
        bool ok = false;
        const int number = text.trimmed().toInt(&ok);
        if (ok)
            return number;
        break;
    }
    case Kind::Bool: {
        const QString word = text.trimmed().toLower();
        if (word == QLatin1String("true") || word == QLatin1String("1") || word == QLatin1String("yes")
            || word == QLatin1String("on"))
            return true;
        if (word == QLatin1String("false") || word == QLatin1String("0") || word == QLatin1String("no")
            || word == QLatin1String("off"))
            return false;
        break;
    }
    case Kind::Text:
        return text;
    }
    qWarning() << "[hubcore] configuration value ignored:" << info.name << "=" << text << "in" << file;
    return QVariant();
}

} // namespace

ConfigStore::ConfigStore()
{
    m_values = {
        {RemoteDebugPort, 0},
        {FarplayDefaultUrl, kDemoHost + QStringLiteral("/farplay/")},
        {UseSystemProxy, false},
        {InstallGuid, QString()},
        {InstallVersion, QString()},
        {UserXToken, QString()},
        {UserAccessToken, QString()},
        {UserRefreshToken, QString()},
        {DomainTestHost, QStringLiteral("http://localhost:18080/")},
        {RemixeryEnabled, true},
        {ProductTypeName, QStringLiteral("VelmoraDeck")},
        {LauncherServerName, userServerName(QStringLiteral("velmora-deck"))},
        {LauncherMutexName, QStringLiteral("VelmoraDeck.Launcher")},
        {FarplayServerName, userServerName(QStringLiteral("velmora-farplay"))},
        {FarplayMutexName, QStringLiteral("VelmoraDeck.Farplay")},
        {DataDirName, QStringLiteral("VelmoraDeck")},
        {RegistryKeyName, QStringLiteral("VelmoraDeck")},
    };
    m_hosts = {{QStringLiteral("GameListService"), kDemoHost},
               {QStringLiteral("RemixeryWeb"), kDemoHost + QStringLiteral("/remixery/")}};

    if (QCoreApplication::instance()) {
        loadFile(QCoreApplication::applicationDirPath() + QStringLiteral("/velmora.ini"));
    } else {
        qWarning() << "[hubcore] configuration read before the application exists;"
                      " the program folder's velmora.ini is not read";
    }
    const QString named = qEnvironmentVariable("VELMORA_CONFIG");
    if (!named.isEmpty()) {
        if (QFileInfo(named).isFile())
            loadFile(named);
        else
            qWarning() << "[hubcore] VELMORA_CONFIG names no file:" << named;
    }
}

void ConfigStore::loadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        qWarning() << "[hubcore] configuration file unreadable:" << path;
        return;
    }
    file.beginGroup(QStringLiteral("config"));
    const QStringList names = file.childKeys();
    for (const QString& name : names) {
        const KeyInfo* info = keyInfoOf(name);
        if (!info) {
            qWarning() << "[hubcore] unknown configuration key" << name << "in" << path;
            continue;
        }
        const QVariant value = converted(*info, file.value(name).toString(), path);
        if (value.isValid())
            store(info->key, value);
    }
    file.endGroup();
    file.beginGroup(QStringLiteral("hosts"));
    const QStringList services = file.childKeys();
    for (const QString& service : services)
        m_hosts.insert(service, file.value(service).toString());
    file.endGroup();
}

QVariant ConfigStore::value(AppConfig key) const
{
    QReadLocker locker(&m_lock);
    if (key == GameListService)
        return m_hosts.value(keyName(key));
    return m_values.value(key);
}

void ConfigStore::setValue(AppConfig key, const QVariant& value)
{
    QWriteLocker locker(&m_lock);
    store(key, value);
}

void ConfigStore::store(AppConfig key, const QVariant& value)
{
    // A service's value is its base address in the host map.
    if (key == GameListService)
        m_hosts.insert(keyName(key), value.toString());
    else
        m_values.insert(key, value);
}

QMap<QString, QString> ConfigStore::hosts() const
{
    QReadLocker locker(&m_lock);
    return m_hosts;
}

QString ConfigStore::keyName(AppConfig key)
{
    for (const KeyInfo& info : kKeys) {
        if (info.key == key)
            return QLatin1String(info.name);
    }
    return QString();
}
