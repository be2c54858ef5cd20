#include "vocabulary.h"

// Every constant of this file is initialised in definition order before main(); the
// tables below do not read one another, so no initialisation order across files matters.

const QString kAppClickStatsPath = QStringLiteral("/launcher/launcher_app_click_stats");
const QString kActiveUsersPath = QStringLiteral("/rm/stats/active_users");
const QString kEffectsTriggeredPath = QStringLiteral("/rm/stats/effects_triggered");
const QString kUploadEffectsPath = QStringLiteral("/rm/stats/upload_effects");
const QString kFeedbackPath = QStringLiteral("/launcher/feedback");
const QString kLauncherStartedPath = QStringLiteral("/launcher/launcher_started_stats");
const QString kModEventsPath = QStringLiteral("/rm/stats/mod_events");

const QMap<AppEvent, QString> AppEventNames = {
    {AppEvent::Android_AppInstall, QStringLiteral("Android_AppInstall")},
    {AppEvent::Android_AppInstallFinished, QStringLiteral("Android_AppInstallFinished")},
    {AppEvent::Android_AppInstallStarted, QStringLiteral("Android_AppInstallStarted")},
    {AppEvent::Android_Played, QStringLiteral("Android_Played")},
    {AppEvent::Android_AppUninstalled, QStringLiteral("Android_AppUninstalled")},
    {AppEvent::Android_Install_InNewIns, QStringLiteral("Android_Install_InNewIns")},
    {AppEvent::Steam_Played, QStringLiteral("Steam_Played")},
    {AppEvent::Cloud_Played, QStringLiteral("Cloud_Played")},
    {AppEvent::Cloud_Clicked, QStringLiteral("Cloud_Clicked")},
    {AppEvent::OneButton_Clicked, QStringLiteral("OneButton_Clicked")},
    {AppEvent::Apk_Download_Started, QStringLiteral("Apk_Download_Started")},
    {AppEvent::Apk_Download_Finished, QStringLiteral("Apk_Download_Finished")},
    {AppEvent::Apk_Download_Close, QStringLiteral("Apk_Download_Close")},
    {AppEvent::VL5_OptionalUpgrade_Close, QStringLiteral("VL5_OptionalUpgrade_Close")},
    {AppEvent::VL5_ForcedUpgrade_Close, QStringLiteral("VL5_ForcedUpgrade_Close")},
    {AppEvent::RM_Popup_Close, QStringLiteral("RM_Popup_Close")},
    {AppEvent::Grm_VL5_ForcedUpgrade_Close, QStringLiteral("Grm_VL5_ForcedUpgrade_Close")},
    {AppEvent::Grm_VDK_ForcedUpgrade_Close, QStringLiteral("Grm_VDK_ForcedUpgrade_Close")},
    {AppEvent::Grm_Game_Install_Close, QStringLiteral("Grm_Game_Install_Close")},
    {AppEvent::Engine_InstallWorkFlow_Normal, QStringLiteral("Engine_InstallWorkFlow_Normal")},
    {AppEvent::Engine_InstallWorkFlow_InsertNewImage,
     QStringLiteral("Engine_InstallWorkFlow_InsertNewImage")},
    {AppEvent::Engine_InstallWorkFlow_ForceUpdate, QStringLiteral("Engine_InstallWorkFlow_ForceUpdate")},
    {AppEvent::Engine_InstallWorkFlow_OptionalUpdate_UpgradeNow,
     QStringLiteral("Engine_InstallWorkFlow_OptionalUpdate_UpgradeNow")},
    {AppEvent::Engine_InstallWorkFlow_OptionalUpdate_Later,
     QStringLiteral("Engine_InstallWorkFlow_OptionalUpdate_Later")},
    {AppEvent::Engine_InstallWorkFlow_OptionalUpdate_Later_NeverChecked,
     QStringLiteral("Engine_InstallWorkFlow_OptionalUpdate_Later_NeverChecked")},
    {AppEvent::Engine_InstallWorkFlow_Completed, QStringLiteral("Engine_InstallWorkFlow_Completed")},
    {AppEvent::Engine_InstallWorkFlow_CompletedWithBridgeDownloadFailed,
     QStringLiteral("Engine_InstallWorkFlow_CompletedWithBridgeDownloadFailed")},
    {AppEvent::Engine_Download_Started, QStringLiteral("Engine_Download_Started")},
    {AppEvent::Engine_Download_Finished, QStringLiteral("Engine_Download_Finished")},
    {AppEvent::Engine_AutoDownload_Started, QStringLiteral("Engine_AutoDownload_Started")},
    {AppEvent::Engine_AutoDownload_Finished, QStringLiteral("Engine_AutoDownload_Finished")},
    {AppEvent::Engine_Install_Started, QStringLiteral("Engine_Install_Started")},
    {AppEvent::Engine_Install_Finished, QStringLiteral("Engine_Install_Finished")},
    {AppEvent::Engine_Install_NewImage_Finished, QStringLiteral("Engine_Install_NewImage_Finished")},
    {AppEvent::Engine_Install_NewImage_Close, QStringLiteral("Engine_Install_NewImage_Close")},
    {AppEvent::Engine_Install_Failed, QStringLiteral("Engine_Install_Failed")},
    {AppEvent::Engine_Installed_StartedToInstallAPP,
     QStringLiteral("Engine_Installed_StartedToInstallAPP")},
    {AppEvent::Engine_Installed_StartedToPlayAPP, QStringLiteral("Engine_Installed_StartedToPlayAPP")},
    {AppEvent::Engine_Installed_StartedToGGP, QStringLiteral("Engine_Installed_StartedToGGP")},
    {AppEvent::Engine_Installed_Started, QStringLiteral("Engine_Installed_Started")},
    {AppEvent::Engine_Installed_StartedMIM, QStringLiteral("Engine_Installed_StartedMIM")},
    {AppEvent::Login_Started, QStringLiteral("Login_Started")},
    {AppEvent::Login_GoogleClicked, QStringLiteral("Login_GoogleClicked")},
    {AppEvent::Login_DiscordClicked, QStringLiteral("Login_DiscordClicked")},
    {AppEvent::Login_FaceBookClicked, QStringLiteral("Login_FaceBookClicked")},
    {AppEvent::Login_Successfully, QStringLiteral("Login_Successfully")},
    {AppEvent::Login_Logout, QStringLiteral("Login_Logout")},
    {AppEvent::Login_Cloud_Started, QStringLiteral("Login_Cloud_Started")},
    {AppEvent::Login_Cloud_Successfully, QStringLiteral("Login_Cloud_Successfully")},
    {AppEvent::Login_Aborted, QStringLiteral("Login_Aborted")},
    {AppEvent::Login_TPLoaded, QStringLiteral("Login_TPLoaded")},
};

const QMap<InstallSource, QString> InstallSourceNames = {
    {InstallSource::None, QString()},
    {InstallSource::GP, QStringLiteral("GP")},
    {InstallSource::APK, QStringLiteral("APK")},
};

const QMap<EngineImageSet, QString> EngineImageSetNames = {
    {EngineImageSet::None, QString()},
    {EngineImageSet::Nougat32, QStringLiteral("Nougat32")},
    {EngineImageSet::Nougat64, QStringLiteral("Nougat64")},
    {EngineImageSet::Nougat32And64, QStringLiteral("Nougat32, Nougat64")},
    {EngineImageSet::Pie64, QStringLiteral("Pie64")},
};

const QMap<LauncherState, QString> LauncherStateNames = {
    {LauncherState::StartSuccess, QStringLiteral("Launcher_Start_Success")},
    {LauncherState::Crashed, QStringLiteral("Launcher_Crashed")},
    {LauncherState::Closed, QStringLiteral("Launcher_Closed")},
};

const QMap<RemixeryHubEvent, QString> RemixeryHubEventNames = {
    {RemixeryHubEvent::HubIconClicked, QStringLiteral("creator_hub_icon_clicked")},
    {RemixeryHubEvent::CreatorHubIconClicked, QStringLiteral("creator_hub_icon_clicked")},
    {RemixeryHubEvent::CheckModClick, QStringLiteral("check_mod_click")},
};

const QMap<ClickSource, QString> ClickSourceNames = {
    {ClickSource::SideMenu, QStringLiteral("side_menu")},
    {ClickSource::SearchResults, QStringLiteral("search_results")},
    {ClickSource::MyGames, QStringLiteral("my_games")},
    {ClickSource::MiniBar, QStringLiteral("minibar")},
};

const QMap<EngineImage, QString> EngineImageNames = {
    {EngineImage::Nougat32, QStringLiteral("Nougat32")},
    {EngineImage::Nougat64, QStringLiteral("Nougat64")},
    {EngineImage::Pie64, QStringLiteral("Pie64")},
};

const QMap<GameKind, QString> GameKindNames = {
    {GameKind::None, QString()},
    {GameKind::AndroidGame, QStringLiteral("Android_Game")},
    {GameKind::Farplay, QStringLiteral("Farplay")},
    {GameKind::SteamGame, QStringLiteral("Steam_Game")},
};

const QMap<Page, QString> PageNames = {
    {Page::Home, QStringLiteral("Home")},
    {Page::SearchResultVdk, QStringLiteral("SearchResult_vdk")},
    {Page::SearchResultWeb, QStringLiteral("SearchResult_web")},
    {Page::GameCenter, QStringLiteral("GameCenter")},
    {Page::MyGames, QStringLiteral("MyGames")},
    {Page::MiniBar, QStringLiteral("MiniBar")},
};

const QMap<PlayButtonEvent, QString> PlayButtonEventNames = {
    {PlayButtonEvent::PlayButtonClicked, QStringLiteral("play_button_clicked")},
};

const QMap<GameLocation, QString> GameLocationNames = {
    {GameLocation::None, QString()},
    {GameLocation::Local, QStringLiteral("Local")},
    {GameLocation::Cloud, QStringLiteral("Cloud")},
};

const QMap<LauncherWindow, QString> LauncherWindowNames = {
    {LauncherWindow::None, QString()},
    {LauncherWindow::SearchResult, QStringLiteral("Launcher_SearchResult")},
    {LauncherWindow::UserProfile, QStringLiteral("Launcher_UserProfile")},
    {LauncherWindow::MyGame, QStringLiteral("Launcher_MyGame")},
    {LauncherWindow::MyGameAndroid, QStringLiteral("Launcher_MyGame_Android")},
    {LauncherWindow::MyGameFarplay, QStringLiteral("Launcher_MyGame_Farplay")},
    {LauncherWindow::MyGameMultiInstance, QStringLiteral("Launcher_MyGame_MultiInstance")},
    {LauncherWindow::MyGameMultiInstanceButton, QStringLiteral("Launcher_MyGame_MultiInstanceButton")},
    {LauncherWindow::SideBar, QStringLiteral("Launcher_SideBar")},
    {LauncherWindow::EngineInstall, QStringLiteral("Launcher_EngineInstall")},
    {LauncherWindow::LoginWindow, QStringLiteral("Launcher_LoginWindow")},
    {LauncherWindow::VdkUpdate, QStringLiteral("Launcher_VDKUpdate")},
    {LauncherWindow::RmPop, QStringLiteral("Launcher_RMPop")},
};

const QMap<QString, QString> PageKeyNames = {
    {QStringLiteral("Home"), QStringLiteral("home")},
    {QStringLiteral("SearchResult_vdk"), QStringLiteral("search_bar")},
    {QStringLiteral("SearchResult_web"), QStringLiteral("search_results_page")},
    {QStringLiteral("GameCenter"), QStringLiteral("game_center")},
    {QStringLiteral("MyGames"), QStringLiteral("my_games")},
    {QStringLiteral("MiniBar"), QStringLiteral("minibar")},
};

const QMap<QString, QString> PageVdkNames = {
    {QStringLiteral("Home"), QStringLiteral("vdk_home")},
    {QStringLiteral("home"), QStringLiteral("vdk_home")},
    {QStringLiteral("SearchResult_vdk"), QStringLiteral("search_bar")},
    {QStringLiteral("SearchResult_web"), QStringLiteral("search_results_page")},
    {QStringLiteral("GameCenter"), QStringLiteral("vdk_game_center")},
    {QStringLiteral("game_center"), QStringLiteral("vdk_game_center")},
    {QStringLiteral("MyGames"), QStringLiteral("vdk_my_games")},
    {QStringLiteral("MiniBar"), QStringLiteral("vdk_minibar")},
    {QStringLiteral("app_page"), QStringLiteral("vdk_app_page")},
};

const QString kEmbeddedUserAgent =
    QStringLiteral("Mozilla/5.0 (Windows NT 6.2; WOW64) AppleWebKit/537.36 (KHTML, like Gecko)")
    + QString(37, QLatin1Char(' '))
    + QStringLiteral("Chrome/87.0.4280.144 Safari/537.36 Edg/87.0.4280.144 QtWebEngine/5.15.8");

const QString kColorBlue = QStringLiteral("#FF1177B9");
const QString kColorBlueLight = QStringLiteral("#FF1789D4");
const QString kColorBlueDark = QStringLiteral("#FF11669D");
const QString kNougat32 = QStringLiteral("Nougat32");
const QString kVersionText = QStringLiteral("5.1.0.1067");
const QString kModedGameListChanged = QStringLiteral("ModedGameListChanged");

const QStringList kRemixeryBlockedCountryCodes = {QStringLiteral("JP")};
const QList<QLocale::Country> kRemixeryBlockedCountries = {QLocale::Japan};

const QString kMethodGetInstalledApps = QStringLiteral("getInstalledApps");
const QString kMethodGetVmList = QStringLiteral("getVmList");
const QString kMethodInstallOrPlayAppforVm = QStringLiteral("installOrPlayAppforVm");
const QString kMethodOpenFarplay = QStringLiteral("openFarplay");
const QString kMethodPushRealSearchResult = QStringLiteral("pushRealSearchResult");
const QString kMethodNotifyClientRefresh = QStringLiteral("notifyClientRefresh");
const QString kMethodCallClientToLogin = QStringLiteral("callClientToLogin");
const QString kMethodGetUserToken = QStringLiteral("getUserToken");
const QString kMethodRefreshAccessToken = QStringLiteral("refreshAccessToken");
const QString kMethodGetLanguage = QStringLiteral("getLanguage");
const QString kMethodGetHostConfig = QStringLiteral("getHostConfig");
const QString kMethodGetClientConfig = QStringLiteral("getClientConfig");
const QString kMethodOpenStreamGame = QStringLiteral("openStreamGame");
const QString kMethodCloseClientLoading = QStringLiteral("closeClientLoading");
const QString kMethodOpenClientLoading = QStringLiteral("openClientLoading");
const QString kMethodCloseBootAnimation = QStringLiteral("closeBootAnimation");
const QString kMethodChangeBannerBackgroundImage = QStringLiteral("changeBannerBackgroundImage");
const QString kMethodServierWorkerUpdateSuccess = QStringLiteral("servierWorkerUpdateSuccess");
const QString kMethodOnSearchInGooglePlay = QStringLiteral("onSearchInGooglePlay");
const QString kMethodOpenShare = QStringLiteral("openShare");
const QString kMethodRMGameBack = QStringLiteral("RMGameBack");
const QString kMethodGetUserConfig = QStringLiteral("getUserConfig");
const QString kMethodPostWebVersionInfo = QStringLiteral("postWebVersionInfo");
const QString kMethodOnWebLogger = QStringLiteral("onWebLogger");

const QString kMethodUpdateLanguage = QStringLiteral("updateLanguage");
const QString kMethodUpdateUserConfig = QStringLiteral("updateUserConfig");
const QString kMethodUpdateUserToken = QStringLiteral("updateUserToken");
const QString kMethodUpdateInstalledAppsNotification = QStringLiteral("updateInstalledAppsNotification");
const QString kMethodSwitchToRMGame = QStringLiteral("switchToRMGame");
const QString kMethodSetupMod = QStringLiteral("setupMod");
const QString kMethodPageRouterTo = QStringLiteral("pageRouterTo");
const QString kMethodOnPageviewShow = QStringLiteral("onPageviewShow");
const QString kMethodClientGotoSearch = QStringLiteral("clientGotoSearch");
const QString kMethodClientRealSearch = QStringLiteral("clientRealSearch");

const QString kMethodGetRmGames = QStringLiteral("getRmGames");
const QString kMethodGetLocalPerference = QStringLiteral("getLocalPerference");
const QString kMethodUpdateLocalPerference = QStringLiteral("updateLocalPerference");
const QString kMethodSwitchToRMGameFromSearch = QStringLiteral("switchToRMGameFromSearch");
const QString kMethodOnOpenGallery = QStringLiteral("onOpenGallery");
const QString kMethodOnPageScroll = QStringLiteral("onPageScroll");
const QString kMethodOpenBrowser = QStringLiteral("openBrowser");
const QString kMethodSyncCountryCode = QStringLiteral("syncCountryCode");
