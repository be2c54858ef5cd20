#include "vocabulary.h"

#include <QtTest>

namespace {

template <typename Enum>
QList<int> keysOf(const QMap<Enum, QString>& table)
{
    QList<int> keys;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        keys << int(it.key());
    return keys;
}

QList<int> range(int count)
{
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values << i;
    return values;
}

} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void enumTablesHaveEveryKey_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("count");
        QTest::newRow("AppEventNames") << keysOf(AppEventNames) << 51;
        QTest::newRow("InstallSourceNames") << keysOf(InstallSourceNames) << 3;
        QTest::newRow("EngineImageSetNames") << keysOf(EngineImageSetNames) << 5;
        QTest::newRow("LauncherStateNames") << keysOf(LauncherStateNames) << 3;
        QTest::newRow("RemixeryHubEventNames") << keysOf(RemixeryHubEventNames) << 3;
        QTest::newRow("ClickSourceNames") << keysOf(ClickSourceNames) << 4;
        QTest::newRow("EngineImageNames") << keysOf(EngineImageNames) << 3;
        QTest::newRow("GameKindNames") << keysOf(GameKindNames) << 4;
        QTest::newRow("PageNames") << keysOf(PageNames) << 6;
        QTest::newRow("PlayButtonEventNames") << keysOf(PlayButtonEventNames) << 1;
        QTest::newRow("GameLocationNames") << keysOf(GameLocationNames) << 3;
        QTest::newRow("LauncherWindowNames") << keysOf(LauncherWindowNames) << 13;
    }
    void enumTablesHaveEveryKey()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, count);
        QCOMPARE(keys, range(count));
    }

    void namesAtTheEdges_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first app event") << AppEventNames.value(AppEvent::Android_AppInstall)
                                         << "Android_AppInstall";
        QTest::newRow("app event 26") << AppEventNames.value(AppEvent::Engine_InstallWorkFlow_CompletedWithBridgeDownloadFailed)
                                      << "Engine_InstallWorkFlow_CompletedWithBridgeDownloadFailed";
        QTest::newRow("last app event") << AppEventNames.value(AppEvent::Login_TPLoaded) << "Login_TPLoaded";
        QTest::newRow("image set 3") << EngineImageSetNames.value(EngineImageSet::Nougat32And64) << "Nougat32, Nougat64";
        QTest::newRow("hub events 0 and 1 share a name")
            << RemixeryHubEventNames.value(RemixeryHubEvent::HubIconClicked)
            << RemixeryHubEventNames.value(RemixeryHubEvent::CreatorHubIconClicked);
        QTest::newRow("value 0 is no value") << GameKindNames.value(GameKind::None) << QString();
        QTest::newRow("last window") << LauncherWindowNames.value(LauncherWindow::RmPop) << "Launcher_RMPop";
        QTest::newRow("page key") << PageKeyNames.value(PageNames.value(Page::SearchResultWeb))
                                  << "search_results_page";
        QTest::newRow("vdk Home") << PageVdkNames.value(QStringLiteral("Home")) << "vdk_home";
        QTest::newRow("vdk home") << PageVdkNames.value(QStringLiteral("home")) << "vdk_home";
        QTest::newRow("vdk game_center") << PageVdkNames.value(QStringLiteral("game_center")) << "vdk_game_center";
        QTest::newRow("missing text key") << PageVdkNames.value(QStringLiteral("nowhere")) << QString();
        QTest::newRow("missing enum key") << AppEventNames.value(AppEvent(51)) << QString();
    }
    void namesAtTheEdges()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void userAgentKeepsItsBlanks()
    {
        QCOMPARE(kEmbeddedUserAgent.size(), 182);
        const QString gecko = QStringLiteral("(KHTML, like Gecko)");
        const int end = kEmbeddedUserAgent.indexOf(gecko) + gecko.size();
        QCOMPARE(kEmbeddedUserAgent.mid(end, 37), QString(37, QLatin1Char(' ')));
        QCOMPARE(kEmbeddedUserAgent.mid(end + 37, 7), QStringLiteral("Chrome/"));
        QVERIFY(kEmbeddedUserAgent.endsWith(QStringLiteral("QtWebEngine/5.15.8")));
    }

    void regionLists()
    {
        QCOMPARE(kRemixeryBlockedCountryCodes, QStringList{QStringLiteral("JP")});
        QCOMPARE(kRemixeryBlockedCountries.size(), 1);
        QCOMPARE(int(kRemixeryBlockedCountries.first()), 108);
    }

    void bridgeNamesAreDistinct()
    {
        const QStringList names = {
            kMethodGetInstalledApps, kMethodGetVmList, kMethodInstallOrPlayAppforVm, kMethodOpenFarplay,
            kMethodPushRealSearchResult, kMethodNotifyClientRefresh, kMethodCallClientToLogin,
            kMethodGetUserToken, kMethodRefreshAccessToken, kMethodGetLanguage, kMethodGetHostConfig,
            kMethodGetClientConfig, kMethodOpenStreamGame, kMethodCloseClientLoading,
            kMethodOpenClientLoading, kMethodCloseBootAnimation, kMethodChangeBannerBackgroundImage,
            kMethodServierWorkerUpdateSuccess, kMethodOnSearchInGooglePlay, kMethodOpenShare,
            kMethodRMGameBack, kMethodGetUserConfig, kMethodPostWebVersionInfo, kMethodOnWebLogger,
            kMethodUpdateLanguage, kMethodUpdateUserConfig, kMethodUpdateUserToken,
            kMethodUpdateInstalledAppsNotification, kMethodSwitchToRMGame, kMethodSetupMod,
            kMethodPageRouterTo, kMethodOnPageviewShow, kMethodClientGotoSearch, kMethodClientRealSearch,
            kMethodGetRmGames, kMethodGetLocalPerference, kMethodUpdateLocalPerference,
            kMethodSwitchToRMGameFromSearch, kMethodOnOpenGallery, kMethodOnPageScroll, kMethodOpenBrowser,
            kMethodSyncCountryCode, kModedGameListChanged,
        };
        // A copy-paste slip would leave two constants with one text.
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString& name : names)
            QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char(' ')), qPrintable(name));
    }
};

QTEST_APPLESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
