#pragma once

#include "iaccount.h"
#include "iburiedpoint.h"
#include "imainwindow.h"
#include "imygame.h"
#include "iremixery.h"
#include "isetting.h"
#include "isimulatormgr.h"
#include "istrategy.h"
#include "launcherinterfaces.h"

#include <QJsonDocument>
#include <QPair>
#include <functional>
#include <QStringList>

// In-process stand-ins for the launcher's plug-ins as the Remixery web side calls them. Each
// call is recorded as "name(argument, ...)" in the journal; the answers are the public
// members. While it lives it is the process's set of launcher interfaces.
class FakeLauncher : public IMainWindow,
                     public IMyGame,
                     public ISimulatorMgr,
                     public IStrategy,
                     public ISetting,
                     public IAccount,
                     public IBuriedpoint,
                     public IRemixery
{
public:
    FakeLauncher()
    {
        LauncherInterfaces& interfaces = LauncherInterfaces::current();
        interfaces.mainWindow = this;
        interfaces.myGame = this;
        interfaces.simulatorMgr = this;
        interfaces.strategy = this;
        interfaces.setting = this;
        interfaces.account = this;
        interfaces.buriedpoint = this;
        interfaces.remixery = this;
        interfaces.browser = this;
    }
    ~FakeLauncher() { LauncherInterfaces::current() = LauncherInterfaces(); }

    void addInstalled(const QString& engine, const QString& package)
    {
        InstalledApp app;
        app.packageName = package;
        installed[engine].append(app);
    }

    QStringList journal;

    int page = 8;
    bool loadingShown = false;
    QMap<QString, QVector<QString>> enginesWithPackage;  // package -> engines
    QMap<QString, QVector<QString>> enginesWithoutPackage;
    QMap<QString, QList<InstalledApp>> installed;
    bool playStore = false;
    int oneButton = 0;
    ACCOUNTINFO account;
    QString apkAnswer;                 // what this plug-in's own apkUrl answers
    QMap<QString, QString> apkAnswers;  // the emulator manager's addresses, given at once
    QList<QPair<QString, std::function<void(const QString&)>>> pendingApk;  // the others, held
    QJsonObject receivedList;

    // IMainWindow
    QObject* getObject() override { return nullptr; }
    void preInit(int) override {}
    void requestLogin() override { record(QStringLiteral("requestLogin")); }
    int currentPage() override { return page; }
    void closeBootAnimation(bool close) override { record(QStringLiteral("closeBootAnimation"), {flag(close)}); }
    void changeBannerBackground(const BannerImage& banner) override
    {
        record(QStringLiteral("changeBannerBackground"), {banner.url, QString::number(banner.direction)});
    }
    bool isLoadingShown() override { return loadingShown; }
    void quitRequested() override {}
    void searchInGooglePlay(const QString& query) override { record(QStringLiteral("searchInGooglePlay"), {query}); }
    void showRealSearchResult(const QList<SearchResultApp>& results, QVariant context) override
    {
        QStringList packages;
        for (const SearchResultApp& app : results)
            packages.append(app.packageName);
        record(QStringLiteral("showRealSearchResult"), {packages.join(QLatin1Char('|')), context.toString()});
    }

    // IMyGame
    QVector<QString> enginesWithout(const QString& package) override
    {
        record(QStringLiteral("enginesWithout"), {package});
        return enginesWithoutPackage.value(package);
    }
    QVector<QString> enginesWith(const QString& package) override
    {
        record(QStringLiteral("enginesWith"), {package});
        return enginesWithPackage.value(package);
    }
    QString defaultEngines(const QString& package) override { return QStringLiteral("default-") + package; }
    QString engineName(const QString& engineId) override { return QStringLiteral("name-") + engineId; }
    void switchToGameType(IMyGame::GameType type) override
    {
        record(QStringLiteral("switchToGameType"), {QString::number(type)});
    }
    QString engineType(const QString& engineId) override { return QStringLiteral("type-") + engineId; }
    void openStoreUrl(const QString& url) override { record(QStringLiteral("openStoreUrl"), {url}); }
    void setShareId(const PackageShare& share) override { record(QStringLiteral("setShareId"), {share.first, share.second}); }
    void openGame(const GameEntry& game) override
    {
        record(QStringLiteral("openGame"), {game.packageName, game.bannerLocation});
    }
    void installOrPlay(const AppEntry& app) override
    {
        record(QStringLiteral("installOrPlay"), {app.packageName, app.apkUrl, app.bannerLocation});
    }
    void leaveRmGame(const QString& package) override { record(QStringLiteral("leaveRmGame"), {package}); }

    // ISimulatorMgr
    void requestApkUrl(const QString& packageName, std::function<void(const QString&)> callback, int flags,
                       bool wait) override
    {
        record(QStringLiteral("requestApkUrl"), {packageName, QString::number(flags), flag(wait)});
        if (apkAnswers.contains(packageName))
            callback(apkAnswers.value(packageName));
        else
            pendingApk.append({packageName, callback});
    }
    QString clientVersion() override { return QStringLiteral("5.2.1"); }
    QMap<QString, QList<InstalledApp>> installedApps() override { return installed; }
    bool hasPlayStore() override { return playStore; }
    void updateAccount(const QString& first, const QString& userId, const QString& last) override
    {
        record(QStringLiteral("updateAccount"), {first, userId, last});
    }
    QUuid machineUuid() override { return QUuid(QStringLiteral("{0b5f7c6e-8a43-4d2e-9c1f-3e2d1a0b9c8d}")); }

    // IStrategy
    void reportLaunch(const QString& instance, const QString& package, int kind, int source) override
    {
        record(QStringLiteral("reportLaunch"), {instance, package, QString::number(kind), QString::number(source)});
    }
    QJsonObject systemConfig() override { return {{QStringLiteral("gpu"), QStringLiteral("fast")}}; }

    // ISetting
    int oneButtonConfig() override { return oneButton; }
    void registerReceiver(QObject*) override { record(QStringLiteral("registerReceiver")); }

    // IAccount
    const ACCOUNTINFO& accountInfo() override { return account; }
    void refreshAccessToken() override { record(QStringLiteral("refreshAccessToken")); }

    // IBuriedpoint
    QUuid postUploadEffects(const QJsonObject& data) override { return post(QStringLiteral("postUploadEffects"), data); }
    QUuid postEffectsTriggered(const QJsonObject& data) override
    {
        return post(QStringLiteral("postEffectsTriggered"), data);
    }
    QUuid postModEvents(const QJsonObject& data) override { return post(QStringLiteral("postModEvents"), data); }
    QUuid postActiveUsers(const QJsonObject& data) override { return post(QStringLiteral("postActiveUsers"), data); }
    QUuid report(const int&) override { return {}; }
    QUuid postStreamGameClick(const StreamClickStats& stats) override
    {
        record(QStringLiteral("postStreamGameClick"),
               {stats.appId, stats.bannerLocation, QString::number(stats.sourceCode), QString::number(stats.categoryCode)});
        return QUuid::createUuid();
    }
    bool isDone(const QUuid&) override { return true; }
    QUuid reportFinal() override { return {}; }

    // IRemixery: only the APK address is asked for by the web side.
    void createBrowser(int, const QString&, QWidget*) override {}
    void lookUpHost(int) override {}
    void sendMessage(int, const QString&, const QJsonObject&) override {}
    void clientRealSearch(const QString&, const QVariant&) override {}
    void clientGotoSearch(const QString&) override {}
    void updateLanguage(const QString&) override {}
    void setBrowserVisible(bool) override {}
    void receiveModedGameList(const QJsonObject& list) override
    {
        record(QStringLiteral("receiveModedGameList"));
        receivedList = list;
    }
    bool switchPage(int, bool) override { return false; }
    void notifyInstalledAppsChanged() override {}
    QString browserText() override { return {}; }
    void updateUserConfig(int) override {}
    void switchToRMGame(const QString&, const QString&, int) override {}
    void setupMod(const QString&, const QString&, const QString&) override {}
    const QList<ModedGame>& modedGameList() override { return m_modedGames; }
    QString apkUrl(const QString& packageName, bool wait) override
    {
        record(QStringLiteral("apkUrl"), {packageName, flag(wait)});
        return apkAnswer;
    }
    void addModedGameListObserver(QObject*) override {}
    bool isRemixerySupported() override { return true; }

private:
    static QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
    void record(const QString& name, const QStringList& arguments = {})
    {
        journal.append(name + QLatin1Char('(') + arguments.join(QStringLiteral(", ")) + QLatin1Char(')'));
    }
    QUuid post(const QString& name, const QJsonObject& data)
    {
        record(name, {QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact))});
        return QUuid::createUuid();
    }

    QList<ModedGame> m_modedGames;
};
