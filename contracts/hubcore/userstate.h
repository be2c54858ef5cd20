#pragma once

#include <QString>
#include <QVariant>

// Small per-user state shared by all of the user's processes ("state.ini" in the data
// folder). Every call reads or writes the file itself, so a value another process wrote
// is seen at once.
class UserState
{
public:
    static QVariant value(const QString& key, const QVariant& fallback = QVariant());
    static void setValue(const QString& key, const QVariant& value);
    static QString filePath();
};
