#include "launcherinterfaces.h"

#include "iaccount.h"
#include "iburiedpoint.h"
#include "ihttpdaomgr.h"
#include "imainwindow.h"
#include "imygame.h"
#include "iremixery.h"
#include "isetting.h"
#include "isidebar.h"
#include "isimulatormgr.h"
#include "istrategy.h"
#include "pluginids.h"
#include "pluginlookup.h"

LauncherInterfaces& LauncherInterfaces::current()
{
    static LauncherInterfaces interfaces;
    return interfaces;
}

LauncherInterfaces LauncherInterfaces::fetch(IPluginManager* manager)
{
    LauncherInterfaces interfaces;
    interfaces.account = findPluginInterface<IAccount>(manager, kAccountPluginId);
    interfaces.browser = findPluginInterface<IBrowser>(manager, kBrowserPluginId);
    interfaces.buriedpoint = findPluginInterface<IBuriedpoint>(manager, kBuriedpointPluginId);
    interfaces.remixery = findPluginInterface<IRemixery>(manager, kRemixeryPluginId);
    interfaces.httpDaoMgr = findPluginInterface<IHttpDaoMgr>(manager, kHttpDaoMgrPluginId);
    interfaces.mainWindow = findPluginInterface<IMainWindow>(manager, kMainWindowPluginId);
    interfaces.myGame = findPluginInterface<IMyGame>(manager, kMyGamePluginId);
    interfaces.setting = findPluginInterface<ISetting>(manager, kSettingPluginId);
    interfaces.sideBar = findPluginInterface<ISideBar>(manager, kSideBarPluginId);
    interfaces.simulatorMgr = findPluginInterface<ISimulatorMgr>(manager, kSimulatorMgrPluginId);
    interfaces.strategy = findPluginInterface<IStrategy>(manager, kStrategyPluginId);
    return interfaces;
}
