#include "democatalog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

InstalledApp app(const char* package, const char* name)
{
    InstalledApp installed;
    installed.packageName = QLatin1String(package);
    installed.appName = QString::fromUtf8(name);
    installed.versionName = QStringLiteral("1.0");
    return installed;
}

} // namespace

QList<DemoCatalog::Engine> DemoCatalog::engines()
{
    return {{QStringLiteral("Pie64"), QStringLiteral("Android 9 (64-bit)"), QStringLiteral("pie64")},
            {QStringLiteral("Nougat32"), QStringLiteral("Android 7 (32-bit)"), QStringLiteral("nougat32")}};
}

QMap<QString, QList<InstalledApp>> DemoCatalog::installedApps()
{
    return {{QStringLiteral("Pie64"), {app("com.velmora.skyracer", "Sky Racer"), app("com.velmora.farmtown", "Farm Town")}},
            {QStringLiteral("Nougat32"), {app("com.velmora.skyracer", "Sky Racer")}}};
}

QByteArray DemoCatalog::modedGameList()
{
    const QJsonArray games{
        QJsonObject{{QStringLiteral("id"), QStringLiteral("101")}, {QStringLiteral("packageName"), QStringLiteral("com.velmora.skyracer")},
                    {QStringLiteral("name"), QStringLiteral("Sky Racer")}},
        QJsonObject{{QStringLiteral("id"), QStringLiteral("102")}, {QStringLiteral("packageName"), QStringLiteral("com.velmora.dungeonrun")},
                    {QStringLiteral("name"), QStringLiteral("Dungeon Run")}},
        QJsonObject{{QStringLiteral("id"), QStringLiteral("103")}, {QStringLiteral("packageName"), QStringLiteral("com.velmora.farmtown")},
                    {QStringLiteral("name"), QStringLiteral("Farm Town")}}};
    return QJsonDocument(QJsonObject{{QStringLiteral("data"), games}}).toJson(QJsonDocument::Compact);
}
