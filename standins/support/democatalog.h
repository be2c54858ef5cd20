#pragma once

#include "webgamerecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The demo world the stand-ins and the demo web host share: emulator engines, the apps
// installed in them and the games that have mods.
class DemoCatalog
{
public:
    struct Engine
    {
        QString id;
        QString name;
        QString type;
    };

    static QList<Engine> engines();
    static QMap<QString, QList<InstalledApp>> installedApps();
    // The game list service's answer: {"data": [{"id", "packageName", "name"}, ...]}.
    static QByteArray modedGameList();
};
