#include "bevent.h"
#include "countrycodechangeevent.h"
#include "hubcore.h"
#include "language.h"
#include "localhttpserver.h"
#include "listobserver.h"
#include "logcapture.h"
#include "modedgamelistchangedevent.h"
#include "pageprobe.h"
#include "probesite.h"
#include "pluginmanager.h"
#include "pluginrig.h"
#include "testhome.h"
#include "testjson.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

namespace {

const char kTwoGames[] = "{'data':[{'id':'7','packageName':'com.a','name':'Alpha'},{'id':'8','packageName':'com.b'}]}";

QJsonObject lastData(const QJsonArray& received, const QString& event)
{
    for (int i = received.size() - 1; i >= 0; --i) {
        if (received.at(i).toObject().value("event").toString() == event)
            return received.at(i).toObject().value("data").toObject();
    }
    return {};
}

} // namespace

// The real RemixeryPlugin library: loading, identity, the life cycle against a fake
// platform, the launcher events it turns into page messages and the moded game list
// request with callbacks from another thread.
class TestRemixeryPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("VELMORA_GEO_ISO2", "US");
        BEvent::init();
        QVERIFY(serveBridgeProbe(m_server));
        Hubcore::instance()->setAppconfigValue(DomainTestHost, m_server.url().toString());
        Hubcore::instance()->setAppconfigValue(GameListService, QStringLiteral("http://games.test"));
    }

    void loadsThroughThePluginManager()
    {
        // Beside the program's own plug-in folder, so that the library finds its companions.
        QTemporaryDir folder(QStringLiteral(VD_PROGRAM_DIR "/xplugins-test-XXXXXX"));
        QVERIFY(QFile::copy(QStringLiteral(VD_REMIXERY_PLUGIN), folder.filePath(QStringLiteral("libremixeryplugin.so"))));
        LogCapture log;
        PluginManager manager;
        manager.setPluginFolder(folder.path());
        QVERIFY(manager.loadPlugins());
        IPlugin* plugin = manager.getPlugin(QUuid(QStringLiteral("{1864879f-972e-4fde-913a-1b7b8e7a448d}")));
        QVERIFY(plugin);
        QObject* object = plugin->getObject();
        QCOMPARE(object->metaObject()->className(), "RemixeryPlugin");
        auto* remixery = qobject_cast<IRemixery*>(object);
        QVERIFY(remixery);
        QCOMPARE(qobject_cast<IBrowser*>(object), static_cast<IBrowser*>(remixery));
        QCOMPARE(object->qt_metacast("IPlugin"), object->qt_metacast("HXL.IPlugin/1.0"));
        QVERIFY(object->qt_metacast("IFileDownHandle"));

        // Prepared by a manager that knows only the plug-in itself: every step needing
        // another plug-in is left out.
        QVERIFY(!plugin->prepare(nullptr, nullptr));
        QVERIFY(manager.startPlugins());
        CountryCodeChangeEvent country(QStringLiteral("US"));
        QCoreApplication::sendEvent(object, &country);
        QEvent strategy(BEvent::PlayGameStrategyChange);
        QCoreApplication::sendEvent(object, &strategy);
        remixery->switchToRMGame(QStringLiteral("com.m"), QStringLiteral("m1"), 2);
        QCOMPARE(remixery->apkUrl(QStringLiteral("com.m"), true), QString());
        QCOMPARE(remixery->browserText(), QString());
        QCOMPARE(log.count(QStringLiteral("Get moded games request sent")), 0);
        manager.releasePlugins();
    }

    void metadataAndInstance()
    {
        QPluginLoader loader(QStringLiteral(VD_REMIXERY_PLUGIN));
        const QJsonObject metadata = loader.metaData();
        QCOMPARE(metadata.value("IID").toString(), QStringLiteral("HXL.IBrowser/1.0"));
        QCOMPARE(metadata.value("className").toString(), QStringLiteral("RemixeryPlugin"));
        QCOMPARE(metadata.value("MetaData").toObject(), jsonObject("{'Keys':[]}"));

        QObject* first = loader.instance();
        QVERIFY(first);
        QCOMPARE(QPluginLoader(QStringLiteral(VD_REMIXERY_PLUGIN)).instance(), first);
        delete first;
        QObject* second = loader.instance();
        QVERIFY(second);
        QCOMPARE(qobject_cast<IPlugin*>(second)->getUuid().toString(),
                 QStringLiteral("{1864879f-972e-4fde-913a-1b7b8e7a448d}"));
        delete second;
    }

    void accountChangesReachTheEmulatorManager()
    {
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        QCOMPARE(rig.platform.settingReceiver, rig.object());
        ACCOUNTINFO account;
        account.userId = QStringLiteral("u-9");
        emit rig.platform.changeAccountInfo(account);
        account.signedIn = true;
        emit rig.platform.changeAccountInfo(account);
        QCOMPARE(rig.platform.journal.filter(QStringLiteral("updateAccount")),
                 (QStringList{"updateAccount(, , )", "updateAccount(, u-9, )"}));
    }

    void launcherEventsBecomePageMessages()
    {
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        rig.platform.oneButton = 4;
        QWidget host;
        host.resize(640, 480);
        host.show();
        rig.remixery->createBrowser(8, m_server.url(QStringLiteral("/remixery")).toString(), &host);
        auto* view = host.findChild<QWebEngineView*>();
        QVERIFY(view);
        const PageProbe probe(view->page());
        QVERIFY(probe.waitUntilReady());
        QTRY_VERIFY(view->isVisible());

        emit rig.platform.changeAccountInfo(ACCOUNTINFO());
        QVERIFY(Language::instance()->setLanguage(QStringLiteral("fr")));
        QCoreApplication::postEvent(rig.object(), new QEvent(BEvent::PlayGameStrategyChange));
        QCoreApplication::processEvents();
        rig.remixery->switchToRMGame(QStringLiteral("com.m"), QStringLiteral("m1"), 3);
        rig.remixery->setupMod(QStringLiteral("com.m"), QStringLiteral("m2"), QStringLiteral("Neon"));
        rig.remixery->setBrowserVisible(false);
        rig.remixery->sendMessage(8, QStringLiteral("marker"), {});

        const QJsonArray received = probe.receivedUpTo(QStringLiteral("marker"));
        QCOMPARE(lastData(received, "updateUserToken"), QJsonObject());
        QCOMPARE(lastData(received, "updateLanguage"), jsonObject("{'language':'fr','defaultLanguage':'en'}"));
        QCOMPARE(lastData(received, "updateUserConfig"), jsonObject("{'one_button_config':4}"));
        QCOMPARE(lastData(received, "switchToRMGame"), jsonObject("{'package':'com.m','mod_id':'m1','from':'3'}"));
        QCOMPARE(lastData(received, "setupMod"), jsonObject("{'package':'com.m','mod_id':'m2','mod_name':'Neon'}"));
        QCOMPARE(rig.platform.journal.filter(QStringLiteral("switchToGameType")),
                 (QStringList{"switchToGameType(8)", "switchToGameType(8)"}));
        QVERIFY(view->isVisible());
        QVERIFY(Language::instance()->setLanguage(QStringLiteral("en")));
    }

    void countryCodeRequestsTheList_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("url");
        QTest::newRow("US") << "US" << "http://games.test/api/game/list?country=US";
        QTest::newRow("unknown") << "" << "http://games.test/api/game/list";
    }

    void countryCodeRequestsTheList()
    {
        QFETCH(QString, country);
        QFETCH(QString, url);
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        rig.http.body = jsonText(kTwoGames);
        ListObserver observer;
        rig.remixery->addModedGameListObserver(&observer);

        QCoreApplication::postEvent(rig.object(), new CountryCodeChangeEvent(country));
        QTRY_COMPARE(observer.lists, 1);
        QCOMPARE(rig.http.urls, QStringList{url});
        QCOMPARE(rig.http.modes, QList<int>{1});
        QCOMPARE(observer.last->size(), 2);
        QCOMPARE(rig.remixery->modedGameList().at(1).packageName, QStringLiteral("com.b"));
        QCOMPARE(rig.platform.receivedList, jsonObject(kTwoGames));
        // The addresses are asked for in the background, through the plug-in's own interface.
        QCOMPARE(rig.platform.journal.filter(QStringLiteral("requestApkUrl")),
                 (QStringList{"requestApkUrl(com.a, 0, false)", "requestApkUrl(com.b, 0, false)"}));
    }

    void failedRequestRetriesWithTheLatestCountry()
    {
        PluginRig rig;
        QVERIFY(rig.isValid());
        QVERIFY(rig.bringUp());
        LogCapture log;
        QCoreApplication::postEvent(rig.object(), new CountryCodeChangeEvent(QStringLiteral("US")));
        QTRY_COMPARE(log.count(QStringLiteral("[RM] Getting moded game list failed, retring in 3 sec...")), 1);
        QCoreApplication::postEvent(rig.object(), new CountryCodeChangeEvent(QStringLiteral("FR")));
        QTRY_VERIFY_WITH_TIMEOUT(rig.http.urls.size() >= 3, 10000);
        QCOMPARE(rig.http.urls.mid(0, 3), (QStringList{"http://games.test/api/game/list?country=US",
                                                       "http://games.test/api/game/list?country=FR",
                                                       "http://games.test/api/game/list?country=FR"}));
    }

    void noCallbackReachesADestroyedPlugin()
    {
        auto rig = std::make_unique<PluginRig>();
        QVERIFY(rig->isValid());
        QVERIFY(rig->bringUp());
        IFileDownHandle* handle = rig->handle();
        QVERIFY(handle);
        HttpTaskInfo task;
        task.name = QStringLiteral("GetModedGameList");
        task.data = jsonText(kTwoGames);
        rig->http.flood(handle, task, 100000);
        QTest::qWait(20);
        delete rig->object();
        QVERIFY(rig->http.removed(handle));
        QCoreApplication::processEvents();
        rig.reset();
    }

private:
    TestHome m_home;
    LocalHttpServer m_server;
};

VD_WEB_TEST_MAIN(TestRemixeryPlugin)

#include "tst_remixeryplugin.moc"
