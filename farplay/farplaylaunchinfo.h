#pragma once

#include <QString>

// One game window's launch record, filled from its launch description.
struct FarplayLaunchInfo
{
    QString type;         // "login", "fromCloudLogin" or another (an ordinary game window)
    QString url;          // the page to open
    QString gameName;     // the title
    QString iconPath;     // the game's icon file
    QString packageName;  // the window list keys its dialogs by it
};
