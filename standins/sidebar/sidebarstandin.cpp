#include "sidebarstandin.h"

#include "pluginids.h"

SideBarStandin::SideBarStandin()
    : StandinPlugin(this, kSideBarPluginId, QStringLiteral("sidebar"))
{
}
