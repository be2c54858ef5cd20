#pragma once

#include "isidebar.h"
#include "standinplugin.h"

#include <QObject>

// The side-bar plug-in: the Remixery plug-in fetches its interface and calls nothing.
class SideBarStandin : public QObject, public StandinPlugin, public ISideBar
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin ISideBar)

public:
    SideBarStandin();
};
