#include "userstate.h"

#include "hubcore.h"

#include <QDebug>
#include <QSettings>

QString UserState::filePath()
{
    return Hubcore::instance()->dataFolderPath() + QStringLiteral("/state.ini");
}

QVariant UserState::value(const QString& key, const QVariant& fallback)
{
    return QSettings(filePath(), QSettings::IniFormat).value(key, fallback);
}

void UserState::setValue(const QString& key, const QVariant& value)
{
    QSettings file(filePath(), QSettings::IniFormat);
    file.setValue(key, value);
    file.sync();
    if (file.status() != QSettings::NoError)
        qWarning() << "[hubcore] cannot write" << key << "to" << file.fileName();
}
