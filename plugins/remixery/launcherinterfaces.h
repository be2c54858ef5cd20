#pragma once

class IAccount;
class IPluginManager;
class IBrowser;
class IBuriedpoint;
class IHttpDaoMgr;
class IMainWindow;
class IMyGame;
class IRemixery;
class ISetting;
class ISideBar;
class ISimulatorMgr;
class IStrategy;

// The launcher's plug-in interfaces as this library uses them: one set per process, filled
// by the plug-in object when the host prepares it (tests fill it with in-process fakes) and
// read on the GUI thread. A null member means that interface is absent: every step that
// needs it is left out. The pointers are never owned here.
struct LauncherInterfaces
{
    IAccount* account = nullptr;
    IBrowser* browser = nullptr;  // the browser plug-in's, not this library's
    IBuriedpoint* buriedpoint = nullptr;
    IRemixery* remixery = nullptr;  // this library's own, as the plug-in manager gives it
    IHttpDaoMgr* httpDaoMgr = nullptr;
    IMainWindow* mainWindow = nullptr;
    IMyGame* myGame = nullptr;
    ISetting* setting = nullptr;
    ISideBar* sideBar = nullptr;
    ISimulatorMgr* simulatorMgr = nullptr;
    IStrategy* strategy = nullptr;

    static LauncherInterfaces& current();
    // Every interface of the catalogue that the manager can give, in catalogue order.
    static LauncherInterfaces fetch(IPluginManager* manager);
};
