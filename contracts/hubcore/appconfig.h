#pragma once

// Keys of Hubcore's configuration values (Hubcore::getAppConfigValue). The numbers are
// shared with the platform's other components.
enum AppConfig {
    RemoteDebugPort = 5,      // int; > 0 opens the web engines' remote debugging port
    FarplayDefaultUrl = 6,    // string; Farplay's page when no game is described
    UseSystemProxy = 8,       // bool
    InstallGuid = 10,         // string; set by the launcher at start
    InstallVersion = 11,      // string; set by the launcher at start
    UserXToken = 13,          // string
    UserAccessToken = 14,     // string
    UserRefreshToken = 15,    // string
    DomainTestHost = 24,      // string (URL); its host is looked up to test reachability
    GameListService = 25,     // service; base address of the game list host
    RemixeryEnabled = 26,     // bool
    ProductTypeName = 28,     // string
    LauncherServerName = 29,  // string; local server of the launcher
    LauncherMutexName = 30,   // string
    FarplayServerName = 31,   // string; local server of Farplay
    FarplayMutexName = 32,    // string
    DataDirName = 33,         // string; folder below the local application data folder
    RegistryKeyName = 34,     // string; key below HKEY_CURRENT_USER\SOFTWARE
};
