#include "webrequesthandler.h"

#include "accountinfo.h"
#include "hubcore.h"
#include "iaccount.h"
#include "iburiedpoint.h"
#include "imainwindow.h"
#include "imygame.h"
#include "iremixery.h"
#include "isetting.h"
#include "isimulatormgr.h"
#include "istrategy.h"
#include "language.h"
#include "launcherinterfaces.h"
#include "vocabulary.h"
#include "waitloading.h"
#include "webgameparser.h"
#include "webmanager.h"

#include <QDebug>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace {

const QString kMethodPostStats = QStringLiteral("postStats");
const QString kStoreApp = QStringLiteral("com.android.vending");
const QString kDefaultShareId = QStringLiteral("1");
constexpr int kLaunchInstall = 1;
constexpr int kLaunchCloud = 2;
constexpr int kLaunchSource = 5;

LauncherInterfaces& launcher()
{
    return LauncherInterfaces::current();
}

QJsonObject dataOf(const QJsonObject& request)
{
    return request.value(QLatin1String("data")).toObject();
}

QString bannerLocationOf(const QJsonObject& request)
{
    return request.value(QLatin1String("ga")).toObject().value(QLatin1String("banner_location")).toString();
}

QJsonArray describeEngines(IMyGame* myGame, const QVector<QString>& ids)
{
    QJsonArray engines;
    for (const QString& id : ids) {
        engines.append(QJsonObject{{QStringLiteral("id"), id},
                                   {QStringLiteral("name"), myGame->engineName(id)},
                                   {QStringLiteral("type"), myGame->engineType(id)}});
    }
    return engines;
}

using StatsPost = QUuid (IBuriedpoint::*)(const QJsonObject&);

StatsPost statsPostOf(const QString& table)
{
    if (table == QLatin1String("RemixeryModEvents"))
        return &IBuriedpoint::postModEvents;
    if (table == QLatin1String("RemixeryEffectsTriggered"))
        return &IBuriedpoint::postEffectsTriggered;
    if (table == QLatin1String("RemixeryUploadEffects"))
        return &IBuriedpoint::postUploadEffects;
    if (table == QLatin1String("RemixeryActiveUsers"))
        return &IBuriedpoint::postActiveUsers;
    return nullptr;
}

} // namespace

// In the order of the protocol's table; the first name that matches runs.
const WebRequestHandler::Entry WebRequestHandler::kHandlers[] = {
    {kMethodGetInstalledApps, &WebRequestHandler::getInstalledApps},
    {kMethodGetVmList, &WebRequestHandler::getVmList},
    {kMethodInstallOrPlayAppforVm, &WebRequestHandler::installOrPlayAppforVm},
    {kMethodOpenFarplay, &WebRequestHandler::openFarplay},
    {kMethodPushRealSearchResult, &WebRequestHandler::pushRealSearchResult},
    {kMethodNotifyClientRefresh, &WebRequestHandler::notifyClientRefresh},
    {kMethodCallClientToLogin, &WebRequestHandler::callClientToLogin},
    {kMethodGetUserToken, &WebRequestHandler::getUserToken},
    {kMethodRefreshAccessToken, &WebRequestHandler::refreshAccessToken},
    {kMethodGetLanguage, &WebRequestHandler::getLanguage},
    {kMethodGetHostConfig, &WebRequestHandler::getHostConfig},
    {kMethodGetClientConfig, &WebRequestHandler::getClientConfig},
    {kMethodOpenStreamGame, &WebRequestHandler::openStreamGame},
    {kMethodCloseClientLoading, &WebRequestHandler::closeClientLoading},
    {kMethodOpenClientLoading, &WebRequestHandler::openClientLoading},
    {kMethodCloseBootAnimation, &WebRequestHandler::closeBootAnimation},
    {kMethodChangeBannerBackgroundImage, &WebRequestHandler::changeBannerBackgroundImage},
    {kMethodServierWorkerUpdateSuccess, &WebRequestHandler::servierWorkerUpdateSuccess},
    {kMethodOnSearchInGooglePlay, &WebRequestHandler::onSearchInGooglePlay},
    {kMethodOpenShare, &WebRequestHandler::openShare},
    {kMethodRMGameBack, &WebRequestHandler::rmGameBack},
    {kMethodPostStats, &WebRequestHandler::postStats},
    {kMethodGetUserConfig, &WebRequestHandler::getUserConfig},
    {kMethodPostWebVersionInfo, &WebRequestHandler::postWebVersionInfo},
    {kMethodOnWebLogger, &WebRequestHandler::onWebLogger},
};

WebRequestHandler::WebRequestHandler(WebManager& manager)
    : m_manager(manager)
{
}

bool WebRequestHandler::handle(const QString& event, QJsonObject& reply, const QJsonObject& request, int page)
{
    for (const Entry& entry : kHandlers) {
        if (entry.event == event) {
            (this->*entry.handler)(reply, request, page);
            return true;
        }
    }
    return false;
}

void WebRequestHandler::getInstalledApps(QJsonObject& reply, const QJsonObject&, int)
{
    reply = m_manager.installedAppsJson();
}

void WebRequestHandler::getVmList(QJsonObject& reply, const QJsonObject& request, int)
{
    const QJsonObject data = dataOf(request);
    const QString package = data.value(QLatin1String("packageName")).toString();
    IMyGame* myGame = launcher().myGame;
    if (package.isEmpty() || !myGame)
        return;
    const QJsonArray installed = describeEngines(myGame, myGame->enginesWith(package));
    const QJsonArray uninstalled = describeEngines(myGame, myGame->enginesWithout(package));
    if (data.value(QLatin1String("method")).toString() != QLatin1String("play"))
        return;
    reply.insert(QStringLiteral("installed"), installed);
    reply.insert(QStringLiteral("uninstalled"), uninstalled);
    reply.insert(QStringLiteral("defaultEngines"), myGame->defaultEngines(package));
}

void WebRequestHandler::installOrPlayAppforVm(QJsonObject&, const QJsonObject& request, int)
{
    launch(request, true);
}

void WebRequestHandler::openFarplay(QJsonObject&, const QJsonObject& request, int)
{
    launch(request, false);
}

void WebRequestHandler::launch(const QJsonObject& request, bool lookUpApk)
{
    const QJsonObject data = dataOf(request);
    const QString location = bannerLocationOf(request);
    LauncherInterfaces& interfaces = launcher();

    AppEntry app;
    WebGameParser::parseWebGame(data, WebGameParser::App, &app);
    app.bannerLocation = location;
    // May run a local event loop until the moded game list knows the address.
    if (lookUpApk && interfaces.remixery)
        app.apkUrl = interfaces.remixery->apkUrl(app.packageName, true);

    GameEntry game;
    WebGameParser::parseWebGame(data, WebGameParser::Game, &game);
    game.bannerLocation = location;

    if (IMyGame* myGame = interfaces.myGame) {
        myGame->installOrPlay(app);
        QString shareId = data.value(QLatin1String("shareId")).toString();
        if (shareId.isEmpty())
            shareId = kDefaultShareId;
        myGame->setShareId(PackageShare(app.packageName, shareId));
        myGame->openGame(game);
    }
    if (IStrategy* strategy = interfaces.strategy) {
        if (lookUpApk)
            strategy->reportLaunch(app.instance, app.packageName, kLaunchInstall, kLaunchSource);
        else
            strategy->reportLaunch(QString(), game.packageName, kLaunchCloud, kLaunchSource);
    }
}

void WebRequestHandler::pushRealSearchResult(QJsonObject&, const QJsonObject& request, int)
{
    IMainWindow* mainWindow = launcher().mainWindow;
    if (!mainWindow)
        return;
    QList<SearchResultApp> results;
    const QJsonArray items = request.value(QLatin1String("data")).toArray();
    for (const QJsonValue& item : items) {
        if (!item.isObject() || item.toObject().value(QLatin1String("is_promoted_app")).toBool())
            continue;
        SearchResultApp result;
        WebGameParser::parseWebGame(item.toObject(), WebGameParser::SearchResult, &result);
        results.append(result);
    }
    mainWindow->showRealSearchResult(results, m_manager.searchContext());
}

void WebRequestHandler::notifyClientRefresh(QJsonObject&, const QJsonObject&, int page)
{
    for (int type : m_manager.typesReachedBy(page)) {
        Q_UNUSED(type)
        m_manager.setViewVisible(false, page);
        m_manager.lookUpHost(page);
    }
}

void WebRequestHandler::callClientToLogin(QJsonObject&, const QJsonObject&, int)
{
    if (IMainWindow* mainWindow = launcher().mainWindow)
        mainWindow->requestLogin();
}

void WebRequestHandler::getUserToken(QJsonObject& reply, const QJsonObject&, int)
{
    if (IAccount* account = launcher().account) {
        const ACCOUNTINFO info = account->accountInfo();
        WebManager::fillUserToken(reply, info);
    }
}

void WebRequestHandler::refreshAccessToken(QJsonObject&, const QJsonObject&, int)
{
    if (IAccount* account = launcher().account)
        account->refreshAccessToken();
}

void WebRequestHandler::getLanguage(QJsonObject& reply, const QJsonObject&, int)
{
    const QString code = Language::instance()->getCurrentLD().code;
    reply.insert(QStringLiteral("language"), code);
    reply.insert(QStringLiteral("defaultLanguage"), code);
}

void WebRequestHandler::getHostConfig(QJsonObject& reply, const QJsonObject&, int)
{
    const QMap<QString, QString> hosts = Hubcore::instance()->getHostMap();
    for (auto it = hosts.cbegin(); it != hosts.cend(); ++it)
        reply.insert(it.key(), it.value());
}

void WebRequestHandler::getClientConfig(QJsonObject& reply, const QJsonObject&, int)
{
    if (ISimulatorMgr* simulatorMgr = launcher().simulatorMgr) {
        reply.insert(QStringLiteral("x_version"), simulatorMgr->clientVersion());
        reply.insert(QStringLiteral("uuid"), simulatorMgr->machineUuid().toString(QUuid::WithoutBraces));
    }
    if (IStrategy* strategy = launcher().strategy)
        reply.insert(QStringLiteral("systemConfig"), strategy->systemConfig());
}

void WebRequestHandler::openStreamGame(QJsonObject&, const QJsonObject& request, int)
{
    const QString url = dataOf(request).value(QLatin1String("steam_appp_url")).toString();
    StreamClickStats stats;
    // Empty parts are kept: an address ending in "/" has an empty id.
    stats.appId = url.split(QLatin1Char('/')).last();
    stats.bannerLocation = bannerLocationOf(request);
    if (IBuriedpoint* buriedpoint = launcher().buriedpoint)
        buriedpoint->postStreamGameClick(stats);
    if (IMyGame* myGame = launcher().myGame)
        myGame->openStoreUrl(url);
}

void WebRequestHandler::closeClientLoading(QJsonObject&, const QJsonObject&, int page)
{
    for (int type : m_manager.typesReachedBy(page)) {
        if (Waitloading* spinner = m_manager.spinner(type))
            spinner->stop();
        m_manager.setViewVisible(true, page);
    }
}

void WebRequestHandler::openClientLoading(QJsonObject&, const QJsonObject&, int page)
{
    IMainWindow* mainWindow = launcher().mainWindow;
    for (int type : m_manager.typesReachedBy(page)) {
        // The main window's own indicator, when it shows one, is enough.
        const bool mainWindowLoading = mainWindow && mainWindow->isLoadingShown();
        Waitloading* spinner = m_manager.spinner(type);
        if (!mainWindowLoading && spinner)
            spinner->start();
        m_manager.setViewVisible(false, page);
    }
}

void WebRequestHandler::closeBootAnimation(QJsonObject&, const QJsonObject&, int page)
{
    for (int type : m_manager.typesReachedBy(page)) {
        if (type != WebManager::kRemixeryPage)
            continue;
        if (IMainWindow* mainWindow = launcher().mainWindow)
            mainWindow->closeBootAnimation(true);
        m_manager.switchPage(m_manager.activePage(), true);
    }
}

void WebRequestHandler::changeBannerBackgroundImage(QJsonObject&, const QJsonObject& request, int)
{
    BannerImage banner;
    WebGameParser::parseWebGame(dataOf(request), WebGameParser::Banner, &banner);
    if (IMainWindow* mainWindow = launcher().mainWindow)
        mainWindow->changeBannerBackground(banner);
}

void WebRequestHandler::servierWorkerUpdateSuccess(QJsonObject&, const QJsonObject&, int)
{
    qInfo() << "Web: servierWorkerUpdateSuccess";
    Hubcore::instance()->setClearWebCache(true);
}

void WebRequestHandler::onSearchInGooglePlay(QJsonObject&, const QJsonObject& request, int)
{
    if (IMainWindow* mainWindow = launcher().mainWindow)
        mainWindow->searchInGooglePlay(dataOf(request).value(QLatin1String("query")).toString());
}

void WebRequestHandler::openShare(QJsonObject&, const QJsonObject& request, int)
{
    const QUrl url(dataOf(request).value(QLatin1String("url")).toString(), QUrl::TolerantMode);
    // A web page may hand the desktop web addresses only, never local files or programs.
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        qWarning() << "[RM] openShare refused an address that is not a web address:" << url.toString();
        return;
    }
    QDesktopServices::openUrl(url);
}

void WebRequestHandler::rmGameBack(QJsonObject&, const QJsonObject& request, int)
{
    const QJsonObject data = dataOf(request);
    if (!data.contains(QLatin1String("mod_id")))
        return;
    if (IMyGame* myGame = launcher().myGame)
        myGame->leaveRmGame(data.value(QLatin1String("package")).toString());
}

void WebRequestHandler::postStats(QJsonObject&, const QJsonObject& request, int)
{
    const QJsonObject data = dataOf(request);
    const QJsonValue stats = data.value(QLatin1String("data"));
    if (!stats.isObject())
        return;
    const StatsPost post = statsPostOf(data.value(QLatin1String("table")).toString());
    IBuriedpoint* buriedpoint = launcher().buriedpoint;
    if (post && buriedpoint)
        (buriedpoint->*post)(stats.toObject());
}

void WebRequestHandler::getUserConfig(QJsonObject& reply, const QJsonObject&, int)
{
    if (ISetting* setting = launcher().setting)
        reply.insert(QStringLiteral("one_button_config"), setting->oneButtonConfig());
}

void WebRequestHandler::postWebVersionInfo(QJsonObject&, const QJsonObject& request, int)
{
    qInfo().noquote() << QStringLiteral("[postWebVersionInfo(RM)]:\r\n")
                             + QString::fromUtf8(QJsonDocument(request).toJson(QJsonDocument::Indented));
}

void WebRequestHandler::onWebLogger(QJsonObject&, const QJsonObject& request, int)
{
    qInfo() << request.value(QLatin1String("data")).toString();
}
