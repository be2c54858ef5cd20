#include "launchersettings.h"

#include "appconfig.h"
#include "hubcore.h"
#include "platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QUuid>

namespace {

// A text made only of 0 and - parses as the nil uuid or not at all: missing either way.
bool isMissing(const QString& guid)
{
    return QUuid(guid).isNull();
}

} // namespace

void loadLauncherSettings()
{
    const QString keyName = Hubcore::instance()->getAppConfigValue(RegistryKeyName).toString();
    auto product = Platform::openUserSoftwareKey(keyName);
    const QSettings installation(QCoreApplication::applicationDirPath() + QStringLiteral("/xdata"),
                                 QSettings::IniFormat);

    QString guid = product->value(QStringLiteral("guid")).toString();
    if (isMissing(guid)) {
        auto shared = Platform::openUserSoftwareKey();
        guid = shared->value(QStringLiteral("guid")).toString();
        if (isMissing(guid)) {
            guid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            shared->setValue(QStringLiteral("guid"), guid);
        }
        product->setValue(QStringLiteral("guid"), guid);
    }
    Hubcore::instance()->setAppconfigValue(InstallGuid, guid);

    const QString runPath = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    if (!runPath.isEmpty() && !product->value(QStringLiteral("disableOverrideRunPath"), false).toBool())
        product->setValue(QStringLiteral("run"), runPath);

    if (product->value(QStringLiteral("name")).toString().isEmpty())
        product->setValue(QStringLiteral("name"), installation.value(QStringLiteral("Info/name")).toString());

    QString version = product->value(QStringLiteral("version")).toString();
    if (version.isEmpty()) {
        version = installation.value(QStringLiteral("Info/version")).toString();
        product->setValue(QStringLiteral("version"), version);
    }
    Hubcore::instance()->setAppconfigValue(InstallVersion, version);
}
