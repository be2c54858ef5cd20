#include "iaccount.h"
#include "ibrowser.h"
#include "iburiedpoint.h"
#include "ifiledownhandle.h"
#include "ihttpdaomgr.h"
#include "imainwindow.h"
#include "imygame.h"
#include "iplugin.h"
#include "ipluginmanager.h"
#include "iremixery.h"
#include "isetting.h"
#include "isidebar.h"
#include "isimulatormgr.h"
#include "istrategy.h"
#include "pluginids.h"
#include "pluginlookup.h"
#include "simpleplugin.h"

#include <QtTest>

#include <cstdint>
#include <cstring>

namespace {

// The position of a virtual operation in its class's table, read from a pointer to it on
// the Itanium C++ ABI (g++ and clang): such a pointer holds 1 + the byte offset in the table.
template <typename MemberFunction>
int vtableSlot(MemberFunction function)
{
    static_assert(sizeof(function) == 2 * sizeof(std::uintptr_t), "Itanium member pointer expected");
    std::uintptr_t words[2];
    std::memcpy(words, &function, sizeof words);
    if ((words[0] & 1) == 0)
        return -1;  // not virtual
    return int((words[0] - 1) / sizeof(void*));
}

// A plug-in with several interfaces, as a platform plug-in would be.
class AccountPlugin : public QObject, public SimplePlugin, public IAccount, public ISideBar
{
    Q_OBJECT
    Q_INTERFACES(IPlugin IAccount ISideBar)

public:
    AccountPlugin() : SimplePlugin(this, kAccountPluginId) {}
    QObject* getObject() override { return this; }  // IPlugin's and IAccount's
    const ACCOUNTINFO& accountInfo() override { return info; }
    void refreshAccessToken() override {}

    ACCOUNTINFO info;
};

class MapManager : public IPluginManager
{
public:
    QObject* getObject() override { return nullptr; }
    QString managerText() override { return QString(); }
    void attachHook(void*) override {}
    IPlugin* getPlugin(const QUuid& id) override { return plugins.value(id); }
    PluginInfo* getPluginInfo(const QUuid&) override { return nullptr; }

    QHash<QUuid, IPlugin*> plugins;
};

} // namespace

class TestInterfaces : public QObject
{
    Q_OBJECT

private slots:
    void slotPositions_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
#define ROW(Interface, operation, slot) \
    QTest::newRow(#Interface "::" #operation) << vtableSlot(&Interface::operation) << (slot)

        ROW(IPlugin, getObject, 0);
        ROW(IPlugin, getUuid, 1);
        ROW(IPlugin, getInfo, 2);
        ROW(IPlugin, prepare, 3);
        ROW(IPlugin, init, 4);
        ROW(IPlugin, initFinished, 5);
        ROW(IPlugin, start, 6);
        ROW(IPlugin, stop, 7);

        ROW(IPluginManager, getObject, 0);
        ROW(IPluginManager, managerText, 1);
        ROW(IPluginManager, attachHook, 2);
        ROW(IPluginManager, getPlugin, 3);
        ROW(IPluginManager, getPluginInfo, 4);

        ROW(IRemixery, createBrowser, 0);
        ROW(IRemixery, lookUpHost, 1);
        ROW(IRemixery, sendMessage, 2);
        ROW(IRemixery, clientRealSearch, 3);
        ROW(IRemixery, clientGotoSearch, 4);
        ROW(IRemixery, updateLanguage, 5);
        ROW(IRemixery, setBrowserVisible, 6);
        ROW(IRemixery, receiveModedGameList, 7);
        ROW(IRemixery, switchPage, 8);
        ROW(IRemixery, notifyInstalledAppsChanged, 9);
        ROW(IRemixery, browserText, 10);
        ROW(IRemixery, updateUserConfig, 11);
        ROW(IRemixery, switchToRMGame, 12);
        ROW(IRemixery, setupMod, 13);
        ROW(IRemixery, modedGameList, 14);
        ROW(IRemixery, apkUrl, 15);
        ROW(IRemixery, addModedGameListObserver, 16);
        ROW(IRemixery, isRemixerySupported, 17);

        // On this ABI a virtual destructor fills two slots where the platform's compiler
        // fills one, so each later operation sits one further down.
        ROW(IFileDownHandle, onDownloadFinished, 1 + 1);
        ROW(IFileDownHandle, onDownloadProgress, 2 + 1);
        ROW(IFileDownHandle, onDownloadFailed, 3 + 1);

        ROW(IMainWindow, getObject, 0);
        ROW(IMainWindow, preInit, 4);
        ROW(IMainWindow, requestLogin, 15);
        ROW(IMainWindow, currentPage, 16);
        ROW(IMainWindow, closeBootAnimation, 19);
        ROW(IMainWindow, changeBannerBackground, 20);
        ROW(IMainWindow, isLoadingShown, 24);
        ROW(IMainWindow, quitRequested, 26);
        ROW(IMainWindow, searchInGooglePlay, 29);
        ROW(IMainWindow, showRealSearchResult, 35);

        ROW(IAccount, getObject, 0);
        ROW(IAccount, accountInfo, 3);
        ROW(IAccount, refreshAccessToken, 5);

        ROW(IBuriedpoint, postUploadEffects, 0);
        ROW(IBuriedpoint, postEffectsTriggered, 1);
        ROW(IBuriedpoint, postModEvents, 2);
        ROW(IBuriedpoint, postActiveUsers, 3);
        ROW(IBuriedpoint, report, 4);
        ROW(IBuriedpoint, postStreamGameClick, 6);
        ROW(IBuriedpoint, isDone, 8);
        ROW(IBuriedpoint, reportFinal, 10);

        ROW(IHttpDaoMgr, addTask, 0);
        ROW(IHttpDaoMgr, removeHandle, 4);

        ROW(IMyGame, enginesWithout, 5);
        ROW(IMyGame, enginesWith, 6);
        ROW(IMyGame, defaultEngines, 7);
        ROW(IMyGame, engineName, 8);
        ROW(IMyGame, switchToGameType, 20);
        ROW(IMyGame, engineType, 23);
        ROW(IMyGame, openStoreUrl, 24);
        ROW(IMyGame, setShareId, 41);
        ROW(IMyGame, openGame, 45);
        ROW(IMyGame, installOrPlay, 46);
        ROW(IMyGame, leaveRmGame, 54);

        ROW(ISetting, oneButtonConfig, 2);
        ROW(ISetting, registerReceiver, 3);

        ROW(ISimulatorMgr, requestApkUrl, 14);
        ROW(ISimulatorMgr, clientVersion, 17);
        ROW(ISimulatorMgr, installedApps, 21);
        ROW(ISimulatorMgr, hasPlayStore, 31);
        ROW(ISimulatorMgr, updateAccount, 41);
        ROW(ISimulatorMgr, machineUuid, 63);

        ROW(IStrategy, reportLaunch, 1);
        ROW(IStrategy, systemConfig, 3);
#undef ROW
    }
    void slotPositions()
    {
        QFETCH(int, actual);
        QFETCH(int, expected);
        QCOMPARE(actual, expected);
    }

    void interfaceIds_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("IPlugin") << QByteArray(qobject_interface_iid<IPlugin*>()) << QByteArray("HXL.IPlugin/1.0");
        QTest::newRow("IPluginManager") << QByteArray(qobject_interface_iid<IPluginManager*>())
                                        << QByteArray("HXL.IPluginManager/1.0");
        QTest::newRow("IAccount") << QByteArray(qobject_interface_iid<IAccount*>()) << QByteArray("HXL.IAccount/1.0");
        QTest::newRow("IBrowser") << QByteArray(qobject_interface_iid<IBrowser*>()) << QByteArray("HXL.IBrowser/1.0");
        QTest::newRow("IBuriedpoint") << QByteArray(qobject_interface_iid<IBuriedpoint*>())
                                      << QByteArray("HXL.IBuriedpoint/1.0");
        QTest::newRow("IRemixery") << QByteArray(qobject_interface_iid<IRemixery*>()) << QByteArray("HXL.IRemixery/1.0");
        QTest::newRow("IHttpDaoMgr") << QByteArray(qobject_interface_iid<IHttpDaoMgr*>())
                                     << QByteArray("HXL.IHttpDaoMgr/1.0");
        QTest::newRow("IMainWindow") << QByteArray(qobject_interface_iid<IMainWindow*>())
                                     << QByteArray("HXL.IMainWindow/1.0");
        QTest::newRow("IMyGame") << QByteArray(qobject_interface_iid<IMyGame*>()) << QByteArray("HXL.IMyGame/1.0");
        QTest::newRow("ISetting") << QByteArray(qobject_interface_iid<ISetting*>()) << QByteArray("HXL.ISetting/1.0");
        QTest::newRow("ISideBar") << QByteArray(qobject_interface_iid<ISideBar*>()) << QByteArray("HXL.ISideBar/1.0");
        QTest::newRow("ISimulatorMgr") << QByteArray(qobject_interface_iid<ISimulatorMgr*>())
                                       << QByteArray("HXL.ISimulatorMgr/1.0");
        QTest::newRow("IStrategy") << QByteArray(qobject_interface_iid<IStrategy*>()) << QByteArray("HXL.IStrategy/1.0");
    }
    void interfaceIds()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual, expected);
    }

    void providerIdsAsTheHostRegistersThem()
    {
        QCOMPARE(kMainWindowPluginId.toString(), QStringLiteral("{243c31c1-2d9b-56cb-adac-def801894f8e}"));
        QCOMPARE(kRemixeryPluginId.toString(), QStringLiteral("{1864879f-972e-4fde-913a-1b7b8e7a448d}"));
        const QList<QUuid> ids = {kAccountPluginId, kBrowserPluginId, kBuriedpointPluginId, kRemixeryPluginId,
                                  kHttpDaoMgrPluginId, kMainWindowPluginId, kMyGamePluginId, kSettingPluginId,
                                  kSideBarPluginId, kSimulatorMgrPluginId, kStrategyPluginId};
        for (const QUuid& id : ids)
            QVERIFY2(!id.isNull(), "a provider id failed to parse");
        QCOMPARE(QSet<QUuid>(ids.begin(), ids.end()).size(), ids.size());
    }

    void oneObjectAnswersEachOfItsInterfaces()
    {
        AccountPlugin plugin;
        QObject* object = &plugin;
        QCOMPARE(qobject_cast<IPlugin*>(object), static_cast<IPlugin*>(&plugin));
        QCOMPARE(qobject_cast<IAccount*>(object), static_cast<IAccount*>(&plugin));
        QCOMPARE(qobject_cast<ISideBar*>(object), static_cast<ISideBar*>(&plugin));
        QCOMPARE(object->qt_metacast("HXL.IAccount/1.0"), static_cast<void*>(static_cast<IAccount*>(&plugin)));
        QVERIFY(!qobject_cast<IMainWindow*>(object));
        QVERIFY(!qobject_cast<IRemixery*>(object));
    }

    void lookupChainIsNullSafe_data()
    {
        QTest::addColumn<bool>("withManager");
        QTest::addColumn<QUuid>("provider");
        QTest::addColumn<bool>("found");
        QTest::newRow("no manager") << false << kAccountPluginId << false;
        QTest::newRow("unknown provider") << true << kMainWindowPluginId << false;
        QTest::newRow("plug-in without object") << true << kStrategyPluginId << false;
        QTest::newRow("object without the interface") << true << kSettingPluginId << false;
        QTest::newRow("found") << true << kAccountPluginId << true;
    }
    void lookupChainIsNullSafe()
    {
        QFETCH(bool, withManager);
        QFETCH(QUuid, provider);
        QFETCH(bool, found);
        AccountPlugin account;
        QObject plainObject;
        SimplePlugin plain(&plainObject, kSettingPluginId);  // its object implements nothing
        SimplePlugin hollow(nullptr, kStrategyPluginId);     // it has no object
        MapManager manager;
        manager.plugins.insert(kAccountPluginId, &account);
        manager.plugins.insert(kSettingPluginId, &plain);
        manager.plugins.insert(kStrategyPluginId, &hollow);

        IPluginManager* used = withManager ? &manager : nullptr;
        IAccount* result = findPluginInterface<IAccount>(used, provider);
        QCOMPARE(result, found ? static_cast<IAccount*>(&account) : nullptr);
    }

    void sharedTypesKnownByTheirSignatureNames()
    {
        const int accountType = QMetaType::type("ACCOUNTINFO");
        QVERIFY(accountType != QMetaType::UnknownType);
        QCOMPARE(accountType, qMetaTypeId<ACCOUNTINFO>());
        QVERIFY(QMetaType::type("IMyGame::GameType") != QMetaType::UnknownType);

        const ACCOUNTINFO blank;
        QVERIFY(!blank.signedIn && !blank.newUser);
        QVERIFY(blank.email.isEmpty() && blank.userId.isEmpty() && blank.token.isEmpty());
    }

    void modedGamesCompareByPackage()
    {
        const ModedGame a{QStringLiteral("1"), QStringLiteral("com.demo"), QStringLiteral("Demo"), QString()};
        const ModedGame b{QStringLiteral("2"), QStringLiteral("com.demo"), QStringLiteral("Other"), QStringLiteral("u")};
        const ModedGame c{QStringLiteral("1"), QStringLiteral("com.other"), QStringLiteral("Demo"), QString()};
        QVERIFY(a == b);
        QVERIFY(a != c);
        QCOMPARE(QList<ModedGame>({c, b}).indexOf(a), 1);
    }
};

QTEST_APPLESS_MAIN(TestInterfaces)
#include "tst_interfaces.moc"
