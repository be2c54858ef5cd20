#include "fakelauncher.h"
#include "hubcore.h"
#include "language.h"
#include "testhome.h"
#include "testjson.h"
#include "webmanager.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QtTest>

// The bridge requests against in-process fakes of the launcher's plug-ins: what each one
// calls, in which order and with what, and what it answers.
class TestWebRequests : public QObject
{
    Q_OBJECT

public slots:
    void recordOpenedUrl(const QUrl& url) { m_opened.append(QString::fromUtf8(url.toEncoded())); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        Hubcore::instance()->setAppconfigValue(UserXToken, QStringLiteral("x-1"));
        Hubcore::instance()->setAppconfigValue(UserAccessToken, QStringLiteral("a-2"));
        Hubcore::instance()->setAppconfigValue(UserRefreshToken, QStringLiteral("r-3"));
        for (const char* scheme : {"http", "https", "file", "javascript", "ftp"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "recordOpenedUrl");
    }

    void cleanupTestCase()
    {
        for (const char* scheme : {"http", "https", "file", "javascript", "ftp"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void calls_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("journal");

        QTest::newRow("install or play: apk lookup, install, share id 1, open, report")
            << jsonText("{'event':'installOrPlayAppforVm','data':{'package_name':'com.g','instance':'Pie64',"
                        "'shareId':''},'ga':{'banner_location':'top'}}")
            << QStringList{"apkUrl(com.g, true)", "installOrPlay(com.g, http://apk/com.g, top)",
                           "setShareId(com.g, 1)", "openGame(com.g, top)", "reportLaunch(Pie64, com.g, 1, 5)"};
        QTest::newRow("open farplay: no apk lookup, kind 2, no instance")
            << jsonText("{'event':'openFarplay','data':{'package_name':'com.g','instance':'Pie64','shareId':'s9'},"
                        "'ga':{'banner_location':'row'}}")
            << QStringList{"installOrPlay(com.g, , row)", "setShareId(com.g, s9)", "openGame(com.g, row)",
                           "reportLaunch(, com.g, 2, 5)"};
        QTest::newRow("stream game: id after the last slash")
            << jsonText("{'event':'openStreamGame','data':{'steam_appp_url':'https://store.test/app/4711'},"
                        "'ga':{'banner_location':'hero'}}")
            << QStringList{"postStreamGameClick(4711, hero, 6, 3)", "openStoreUrl(https://store.test/app/4711)"};
        QTest::newRow("stream game: trailing slash gives an empty id")
            << jsonText("{'event':'openStreamGame','data':{'steam_appp_url':'https://store.test/app/'}}")
            << QStringList{"postStreamGameClick(, , 6, 3)", "openStoreUrl(https://store.test/app/)"};
        QTest::newRow("leave moded game: mod_id null still counts")
            << jsonText("{'event':'RMGameBack','data':{'package':'com.m','mod_id':null}}")
            << QStringList{"leaveRmGame(com.m)"};
        QTest::newRow("leave moded game: without mod_id nothing")
            << jsonText("{'event':'RMGameBack','data':{'package':'com.m'}}") << QStringList();
        QTest::newRow("search result: numbers and promoted apps left out")
            << jsonText("{'event':'pushRealSearchResult','data':[5,{'package_name':'promo','is_promoted_app':true},"
                        "{'package_name':'kept'},{'package_name':'too','is_promoted_app':false}]}")
            << QStringList{"showRealSearchResult(kept|too, search-context)"};
        for (const char* table : {"RemixeryModEvents", "RemixeryEffectsTriggered", "RemixeryUploadEffects",
                                  "RemixeryActiveUsers"}) {
            const QString post = QString::fromLatin1(table).replace(QLatin1String("Remixery"), QLatin1String("post"));
            QTest::newRow(table) << jsonText(QStringLiteral("{'event':'postStats','data':{'table':'%1',"
                                                            "'data':{'mod':7}}}")
                                                 .arg(QLatin1String(table))
                                                 .toLatin1()
                                                 .constData())
                                 << QStringList{post + QStringLiteral("({\"mod\":7})")};
        }
        QTest::newRow("stats: array inner data ignored")
            << jsonText("{'event':'postStats','data':{'table':'RemixeryModEvents','data':[1,2]}}") << QStringList();
        QTest::newRow("stats: unknown table ignored")
            << jsonText("{'event':'postStats','data':{'table':'Elsewhere','data':{'mod':7}}}") << QStringList();
        QTest::newRow("login") << jsonText("{'event':'callClientToLogin'}") << QStringList{"requestLogin()"};
        QTest::newRow("token refresh") << jsonText("{'event':'refreshAccessToken'}")
                                       << QStringList{"refreshAccessToken()"};
        QTest::newRow("play store search") << jsonText("{'event':'onSearchInGooglePlay','data':{'query':'racing'}}")
                                           << QStringList{"searchInGooglePlay(racing)"};
        QTest::newRow("banner") << jsonText("{'event':'changeBannerBackgroundImage','data':{'url':'u.png',"
                                            "'direction':1}}")
                                << QStringList{"changeBannerBackground(u.png, 1)"};
        QTest::newRow("no handler for a vocabulary name") << jsonText("{'event':'getRmGames'}") << QStringList();
    }

    void calls()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, journal);
        FakeLauncher launcher;
        launcher.apkAnswer = QStringLiteral("http://apk/com.g");
        WebManager manager;
        manager.clientRealSearch(QStringLiteral("q"), QStringLiteral("search-context"));
        launcher.journal.clear();

        const QJsonObject reply = dispatch(manager, request);
        QCOMPARE(launcher.journal, journal);
        QCOMPARE(reply, QJsonObject());
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QByteArray>("reply");

        QTest::newRow("engines for play")
            << jsonText("{'event':'getVmList','data':{'packageName':'com.a','method':'play'}}") << false
            << jsonText("{'installed':[{'id':'e1','name':'name-e1','type':'type-e1'}],"
                        "'uninstalled':[{'id':'e2','name':'name-e2','type':'type-e2'}],"
                        "'defaultEngines':'default-com.a'}");
        QTest::newRow("engines for another method")
            << jsonText("{'event':'getVmList','data':{'packageName':'com.a','method':'install'}}") << false
            << QByteArray("{}");
        QTest::newRow("engines without a package")
            << jsonText("{'event':'getVmList','data':{'method':'play'}}") << false << QByteArray("{}");
        QTest::newRow("installed apps: once each, sorted, store app last")
            << jsonText("{'event':'getInstalledApps'}") << false
            << jsonText("{'action':'all','apps':[{'package_name':'a.b'},{'package_name':'c.d'},"
                        "{'package_name':'com.android.vending'},{'package_name':'com.android.vending'}]}");
        QTest::newRow("token signed in")
            << jsonText("{'event':'getUserToken'}") << true
            << jsonText("{'email':'ann@test','token':'t-0','userid':'u-9','xtoken':'x-1','accesstoken':'a-2',"
                        "'refreshtoken':'r-3'}");
        QTest::newRow("token signed out") << jsonText("{'event':'getUserToken'}") << false << QByteArray("{}");
        QTest::newRow("client config")
            << jsonText("{'event':'getClientConfig'}") << false
            << jsonText("{'x_version':'5.2.1','uuid':'0b5f7c6e-8a43-4d2e-9c1f-3e2d1a0b9c8d',"
                        "'systemConfig':{'gpu':'fast'}}");
        QTest::newRow("user config") << jsonText("{'event':'getUserConfig'}") << false
                                     << jsonText("{'one_button_config':2}");
        QTest::newRow("language") << jsonText("{'event':'getLanguage'}") << false
                                  << jsonText("{'language':'en','defaultLanguage':'en'}");
        QTest::newRow("unknown event") << jsonText("{'event':'noSuchMethod','data':{'x':1}}") << false
                                       << QByteArray("{}");
        QTest::newRow("not an object request") << jsonText("{'event':'getVmList','data':'com.a'}") << false
                                               << QByteArray("{}");
    }

    void replies()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, signedIn);
        QFETCH(QByteArray, reply);
        FakeLauncher launcher;
        launcher.enginesWithPackage.insert(QStringLiteral("com.a"), {QStringLiteral("e1")});
        launcher.enginesWithoutPackage.insert(QStringLiteral("com.a"), {QStringLiteral("e2")});
        for (const char* package : {"c.d", "a.b", "com.android.vending"})
            launcher.addInstalled(QStringLiteral("engine1"), QLatin1String(package));
        launcher.addInstalled(QStringLiteral("engine2"), QStringLiteral("a.b"));
        launcher.playStore = true;
        launcher.oneButton = 2;
        launcher.account.signedIn = signedIn;
        launcher.account.email = QStringLiteral("ann@test");
        launcher.account.userId = QStringLiteral("u-9");
        launcher.account.token = QStringLiteral("t-0");
        WebManager manager;

        QCOMPARE(dispatch(manager, request), QJsonDocument::fromJson(reply).object());
    }

    void vmListReadsBothListsWhateverTheMethod()
    {
        FakeLauncher launcher;
        WebManager manager;
        dispatch(manager, jsonText("{'event':'getVmList','data':{'packageName':'com.a','method':'install'}}"));
        QCOMPARE(launcher.journal, (QStringList{"enginesWith(com.a)", "enginesWithout(com.a)"}));
    }

    void hostConfigIsTheHostMap()
    {
        WebManager manager;
        const QJsonObject reply = dispatch(manager, jsonText("{'event':'getHostConfig'}"));
        const QMap<QString, QString> hosts = Hubcore::instance()->getHostMap();
        QVERIFY(!hosts.isEmpty());
        QCOMPARE(reply.size(), hosts.size());
        for (auto it = hosts.cbegin(); it != hosts.cend(); ++it)
            QCOMPARE(reply.value(it.key()).toString(), it.value());
    }

    // Every request runs, and answers what it can, when no launcher plug-in is there.
    void withoutLauncherInterfaces_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        const char* empty[] = {"getVmList", "installOrPlayAppforVm", "openFarplay", "pushRealSearchResult",
                               "callClientToLogin", "getUserToken", "refreshAccessToken", "getClientConfig",
                               "openStreamGame", "closeClientLoading", "openClientLoading", "closeBootAnimation",
                               "changeBannerBackgroundImage", "onSearchInGooglePlay", "RMGameBack", "postStats",
                               "getUserConfig", "notifyClientRefresh", "onWebLogger"};
        for (const char* event : empty) {
            QTest::newRow(event) << jsonText(QStringLiteral("{'event':'%1','data':{'packageName':'p','method':'play',"
                                                            "'package':'p','mod_id':'m','table':'RemixeryModEvents',"
                                                            "'data':{}}}")
                                                 .arg(QLatin1String(event))
                                                 .toLatin1()
                                                 .constData())
                                 << QByteArray("{}");
        }
        QTest::newRow("getInstalledApps") << jsonText("{'event':'getInstalledApps'}")
                                          << jsonText("{'action':'all','apps':[]}");
    }

    void withoutLauncherInterfaces()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        LauncherInterfaces::current() = LauncherInterfaces();
        WebManager manager;
        QCOMPARE(dispatch(manager, request), QJsonDocument::fromJson(reply).object());
    }

    void openShareOpensOnlyWebAddresses_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("opened");
        QTest::newRow("https") << jsonText("{'event':'openShare','data':{'url':'https://share.test/mod/1'}}")
                               << "https://share.test/mod/1";
        QTest::newRow("http, tolerant") << jsonText("{'event':'openShare','data':{'url':'http://share.test/a b'}}")
                                        << "http://share.test/a%20b";
        QTest::newRow("local file") << jsonText("{'event':'openShare','data':{'url':'file:///etc/passwd'}}")
                                    << QString();
        QTest::newRow("script") << jsonText("{'event':'openShare','data':{'url':'javascript:alert(1)'}}")
                                << QString();
        QTest::newRow("program path") << jsonText("{'event':'openShare','data':{'url':'/usr/bin/xterm'}}")
                                      << QString();
        QTest::newRow("other scheme") << jsonText("{'event':'openShare','data':{'url':'ftp://files.test/x'}}")
                                      << QString();
        QTest::newRow("missing url") << jsonText("{'event':'openShare','data':{}}") << QString();
    }

    void openShareOpensOnlyWebAddresses()
    {
        QFETCH(QByteArray, request);
        QFETCH(QString, opened);
        m_opened.clear();
        WebManager manager;
        dispatch(manager, request);
        QCOMPARE(m_opened, opened.isEmpty() ? QStringList() : QStringList{opened});
    }

    void serviceWorkerUpdateArmsTheCacheClearing()
    {
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/QtWebEngine/Default");
        QVERIFY(QDir().mkpath(cache));
        WebManager manager;
        dispatch(manager, jsonText("{'event':'servierWorkerUpdateSuccess'}"));
        Hubcore::instance()->doClearWebCache();
        QVERIFY(!QFileInfo::exists(cache));
    }

    void userTokenOfASignedOutAccountIsEmpty()
    {
        ACCOUNTINFO info;
        info.email = QStringLiteral("ann@test");
        QJsonObject target{{QStringLiteral("kept"), 1}};
        WebManager::fillUserToken(target, info);
        QCOMPARE(target, (QJsonObject{{QStringLiteral("kept"), 1}}));
    }

private:
    static QJsonObject dispatch(WebManager& manager, const QByteArray& text)
    {
        const QJsonObject request = QJsonDocument::fromJson(text).object();
        QJsonObject reply;
        manager.dispatchRequest(request.value(QLatin1String("event")).toString(), reply, request, 8);
        return reply;
    }

    TestHome m_home;
    QStringList m_opened;
};

QTEST_MAIN(TestWebRequests)
#include "tst_webrequests.moc"
