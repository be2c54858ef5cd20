#include "platform.h"

#include <QDebug>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Platform {

namespace {

// The parts of a registry sub-key that may become folder and file names.
QStringList safeKeyParts(const QString& subKey)
{
    QStringList parts;
    const auto pieces = subKey.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        if (piece == QLatin1String(".") || piece == QLatin1String("..")) {
            qWarning() << "[platform] registry key part ignored:" << piece << "in" << subKey;
            continue;
        }
        parts << piece;
    }
    return parts;
}

// Two ASCII letters in upper case, or empty.
QString isoCode(const QString& text)
{
    static const QRegularExpression twoLetters(QStringLiteral("^[A-Za-z]{2}$"));
    return twoLetters.match(text).hasMatch() ? text.toUpper() : QString();
}

// "ja_JP.UTF-8@modifier" -> "JP"; "C", "POSIX" and "en" have no territory.
QString territoryOfLocale(const QString& locale)
{
    QString name = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    const int underscore = name.indexOf(QLatin1Char('_'));
    return underscore < 0 ? QString() : isoCode(name.mid(underscore + 1));
}

} // namespace

std::unique_ptr<QSettings> openUserSoftwareKey(const QString& subKey)
{
    const QString root = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QStringList parts = safeKeyParts(subKey);
    const QString file = parts.isEmpty()
        ? root + QStringLiteral("/SOFTWARE.ini")
        : root + QStringLiteral("/SOFTWARE/") + parts.join(QLatin1Char('/')) + QStringLiteral(".ini");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

QString localAppDataPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString userGeoIso2()
{
    if (qEnvironmentVariableIsSet("VELMORA_GEO_ISO2")) {
        const QString value = qEnvironmentVariable("VELMORA_GEO_ISO2");
        const QString code = isoCode(value);
        if (code.isEmpty() && !value.isEmpty())
            qWarning() << "[platform] VELMORA_GEO_ISO2 is not a two-letter code:" << value;
        return code;
    }
    for (const char* variable : {"LC_ALL", "LC_ADDRESS", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            return territoryOfLocale(locale);
    }
    return QString();
}

bool setDllDirectory(const QString&)
{
    return true;
}

} // namespace Platform
