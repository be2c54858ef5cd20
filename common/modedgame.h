#pragma once

#include <QString>

// One game that has mods, as the game list service lists it.
struct ModedGame
{
    QString id;
    QString packageName;
    QString name;
    QString apkUrl;  // empty until the APK lookup fills it

    // Entries are the same game when their packages are.
    bool operator==(const ModedGame& other) const { return packageName == other.packageName; }
    bool operator!=(const ModedGame& other) const { return !(*this == other); }
};
