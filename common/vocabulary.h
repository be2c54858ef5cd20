#pragma once

// Names shared by the launcher, its plug-ins and Farplay: statistics names, page names,
// statistics endpoints, the embedded user agent, colours, region lists and the method
// names of the Remixery web bridge. Every value is built before main() and never changes;
// a table lookup of a value it does not hold yields an empty text (QMap::value).

#include "velmoracommon_export.h"

#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

// Statistics endpoint paths.
VELMORACOMMON_EXPORT extern const QString kAppClickStatsPath;
VELMORACOMMON_EXPORT extern const QString kActiveUsersPath;
VELMORACOMMON_EXPORT extern const QString kEffectsTriggeredPath;
VELMORACOMMON_EXPORT extern const QString kUploadEffectsPath;
VELMORACOMMON_EXPORT extern const QString kFeedbackPath;
VELMORACOMMON_EXPORT extern const QString kLauncherStartedPath;
VELMORACOMMON_EXPORT extern const QString kModEventsPath;

enum class AppEvent {
    Android_AppInstall,
    Android_AppInstallFinished,
    Android_AppInstallStarted,
    Android_Played,
    Android_AppUninstalled,
    Android_Install_InNewIns,
    Steam_Played,
    Cloud_Played,
    Cloud_Clicked,
    OneButton_Clicked,
    Apk_Download_Started,
    Apk_Download_Finished,
    Apk_Download_Close,
    VL5_OptionalUpgrade_Close,
    VL5_ForcedUpgrade_Close,
    RM_Popup_Close,
    Grm_VL5_ForcedUpgrade_Close,
    Grm_VDK_ForcedUpgrade_Close,
    Grm_Game_Install_Close,
    Engine_InstallWorkFlow_Normal,
    Engine_InstallWorkFlow_InsertNewImage,
    Engine_InstallWorkFlow_ForceUpdate,
    Engine_InstallWorkFlow_OptionalUpdate_UpgradeNow,
    Engine_InstallWorkFlow_OptionalUpdate_Later,
    Engine_InstallWorkFlow_OptionalUpdate_Later_NeverChecked,
    Engine_InstallWorkFlow_Completed,
    Engine_InstallWorkFlow_CompletedWithBridgeDownloadFailed,
    Engine_Download_Started,
    Engine_Download_Finished,
    Engine_AutoDownload_Started,
    Engine_AutoDownload_Finished,
    Engine_Install_Started,
    Engine_Install_Finished,
    Engine_Install_NewImage_Finished,
    Engine_Install_NewImage_Close,
    Engine_Install_Failed,
    Engine_Installed_StartedToInstallAPP,
    Engine_Installed_StartedToPlayAPP,
    Engine_Installed_StartedToGGP,
    Engine_Installed_Started,
    Engine_Installed_StartedMIM,
    Login_Started,
    Login_GoogleClicked,
    Login_DiscordClicked,
    Login_FaceBookClicked,
    Login_Successfully,
    Login_Logout,
    Login_Cloud_Started,
    Login_Cloud_Successfully,
    Login_Aborted,
    Login_TPLoaded,
};
enum class InstallSource { None, GP, APK };
enum class EngineImageSet { None, Nougat32, Nougat64, Nougat32And64, Pie64 };
enum class LauncherState { StartSuccess, Crashed, Closed };
enum class RemixeryHubEvent { HubIconClicked, CreatorHubIconClicked, CheckModClick };
enum class ClickSource { SideMenu, SearchResults, MyGames, MiniBar };
enum class EngineImage { Nougat32, Nougat64, Pie64 };
enum class GameKind { None, AndroidGame, Farplay, SteamGame };
enum class Page { Home, SearchResultVdk, SearchResultWeb, GameCenter, MyGames, MiniBar };
enum class PlayButtonEvent { PlayButtonClicked };
enum class GameLocation { None, Local, Cloud };
enum class LauncherWindow {
    None,
    SearchResult,
    UserProfile,
    MyGame,
    MyGameAndroid,
    MyGameFarplay,
    MyGameMultiInstance,
    MyGameMultiInstanceButton,
    SideBar,
    EngineInstall,
    LoginWindow,
    VdkUpdate,
    RmPop,
};

VELMORACOMMON_EXPORT extern const QMap<AppEvent, QString> AppEventNames;
VELMORACOMMON_EXPORT extern const QMap<InstallSource, QString> InstallSourceNames;
VELMORACOMMON_EXPORT extern const QMap<EngineImageSet, QString> EngineImageSetNames;
VELMORACOMMON_EXPORT extern const QMap<LauncherState, QString> LauncherStateNames;
VELMORACOMMON_EXPORT extern const QMap<RemixeryHubEvent, QString> RemixeryHubEventNames;
VELMORACOMMON_EXPORT extern const QMap<ClickSource, QString> ClickSourceNames;
VELMORACOMMON_EXPORT extern const QMap<EngineImage, QString> EngineImageNames;
VELMORACOMMON_EXPORT extern const QMap<GameKind, QString> GameKindNames;
VELMORACOMMON_EXPORT extern const QMap<Page, QString> PageNames;
VELMORACOMMON_EXPORT extern const QMap<PlayButtonEvent, QString> PlayButtonEventNames;
VELMORACOMMON_EXPORT extern const QMap<GameLocation, QString> GameLocationNames;
VELMORACOMMON_EXPORT extern const QMap<LauncherWindow, QString> LauncherWindowNames;

// Page name ("Home") to its lower-case key ("home").
VELMORACOMMON_EXPORT extern const QMap<QString, QString> PageKeyNames;
// Page name or key to the product-prefixed name ("vdk_home"); home and game center
// answer under both spellings.
VELMORACOMMON_EXPORT extern const QMap<QString, QString> PageVdkNames;

// The embedded web views' user agent; the run of 37 blanks is part of the value.
VELMORACOMMON_EXPORT extern const QString kEmbeddedUserAgent;

VELMORACOMMON_EXPORT extern const QString kColorBlue;
VELMORACOMMON_EXPORT extern const QString kColorBlueLight;
VELMORACOMMON_EXPORT extern const QString kColorBlueDark;
VELMORACOMMON_EXPORT extern const QString kNougat32;
VELMORACOMMON_EXPORT extern const QString kVersionText;
VELMORACOMMON_EXPORT extern const QString kModedGameListChanged;

// Where the Remixery feature is off: Windows geographic location codes and system
// locale countries.
VELMORACOMMON_EXPORT extern const QStringList kRemixeryBlockedCountryCodes;
VELMORACOMMON_EXPORT extern const QList<QLocale::Country> kRemixeryBlockedCountries;

// Web bridge requests the client answers.
VELMORACOMMON_EXPORT extern const QString kMethodGetInstalledApps;
VELMORACOMMON_EXPORT extern const QString kMethodGetVmList;
VELMORACOMMON_EXPORT extern const QString kMethodInstallOrPlayAppforVm;
VELMORACOMMON_EXPORT extern const QString kMethodOpenFarplay;
VELMORACOMMON_EXPORT extern const QString kMethodPushRealSearchResult;
VELMORACOMMON_EXPORT extern const QString kMethodNotifyClientRefresh;
VELMORACOMMON_EXPORT extern const QString kMethodCallClientToLogin;
VELMORACOMMON_EXPORT extern const QString kMethodGetUserToken;
VELMORACOMMON_EXPORT extern const QString kMethodRefreshAccessToken;
VELMORACOMMON_EXPORT extern const QString kMethodGetLanguage;
VELMORACOMMON_EXPORT extern const QString kMethodGetHostConfig;
VELMORACOMMON_EXPORT extern const QString kMethodGetClientConfig;
VELMORACOMMON_EXPORT extern const QString kMethodOpenStreamGame;
VELMORACOMMON_EXPORT extern const QString kMethodCloseClientLoading;
VELMORACOMMON_EXPORT extern const QString kMethodOpenClientLoading;
VELMORACOMMON_EXPORT extern const QString kMethodCloseBootAnimation;
VELMORACOMMON_EXPORT extern const QString kMethodChangeBannerBackgroundImage;
VELMORACOMMON_EXPORT extern const QString kMethodServierWorkerUpdateSuccess;
VELMORACOMMON_EXPORT extern const QString kMethodOnSearchInGooglePlay;
VELMORACOMMON_EXPORT extern const QString kMethodOpenShare;
VELMORACOMMON_EXPORT extern const QString kMethodRMGameBack;
VELMORACOMMON_EXPORT extern const QString kMethodGetUserConfig;
VELMORACOMMON_EXPORT extern const QString kMethodPostWebVersionInfo;
VELMORACOMMON_EXPORT extern const QString kMethodOnWebLogger;

// Web bridge pushes the client sends.
VELMORACOMMON_EXPORT extern const QString kMethodUpdateLanguage;
VELMORACOMMON_EXPORT extern const QString kMethodUpdateUserConfig;
VELMORACOMMON_EXPORT extern const QString kMethodUpdateUserToken;
VELMORACOMMON_EXPORT extern const QString kMethodUpdateInstalledAppsNotification;
VELMORACOMMON_EXPORT extern const QString kMethodSwitchToRMGame;
VELMORACOMMON_EXPORT extern const QString kMethodSetupMod;
VELMORACOMMON_EXPORT extern const QString kMethodPageRouterTo;
VELMORACOMMON_EXPORT extern const QString kMethodOnPageviewShow;
VELMORACOMMON_EXPORT extern const QString kMethodClientGotoSearch;
VELMORACOMMON_EXPORT extern const QString kMethodClientRealSearch;

// Web bridge names of the web application that the client neither answers nor sends
// ("ModedGameListChanged" is kModedGameListChanged above).
VELMORACOMMON_EXPORT extern const QString kMethodGetRmGames;
VELMORACOMMON_EXPORT extern const QString kMethodGetLocalPerference;
VELMORACOMMON_EXPORT extern const QString kMethodUpdateLocalPerference;
VELMORACOMMON_EXPORT extern const QString kMethodSwitchToRMGameFromSearch;
VELMORACOMMON_EXPORT extern const QString kMethodOnOpenGallery;
VELMORACOMMON_EXPORT extern const QString kMethodOnPageScroll;
VELMORACOMMON_EXPORT extern const QString kMethodOpenBrowser;
VELMORACOMMON_EXPORT extern const QString kMethodSyncCountryCode;
