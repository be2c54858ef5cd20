#include "fakelauncher.h"
#include "hubcore.h"
#include "language.h"
#include "localhttpserver.h"
#include "logcapture.h"
#include "pageprobe.h"
#include "probesite.h"
#include "testhome.h"
#include "testjson.h"
#include "waitloading.h"
#include "webbridge.h"
#include "webmanager.h"

#include <QApplication>
#include <QThreadPool>
#include <QUrlQuery>
#include <QWebEngineView>
#include <QtTest>
#include <atomic>
#include <memory>

namespace {

const QString kLoadFail = QStringLiteral("[booting time][finish]: [rm webengine] load fail");
const QString kLookup = QStringLiteral("domain test host:");

// A launcher page hosting the Remixery view, as the main window gives it.
struct RemixeryPage
{
    explicit RemixeryPage(const QUrl& url, int loadTimeoutMs = WebManager::kLoadTimeoutMs)
    {
        host.resize(800, 600);
        host.show();
        manager->setLoadTimeout(loadTimeoutMs);
        manager->createBrowser(8, url.toString(), &host);
    }

    QWebEngineView* view() const { return host.findChild<QWebEngineView*>(); }
    QWebEnginePage* page() const { return view() ? view()->page() : nullptr; }
    PageProbe probe() const { return PageProbe(page()); }
    Waitloading* spinner() const { return host.findChild<Waitloading*>(); }

    QWidget host;
    std::unique_ptr<WebManager> manager = std::make_unique<WebManager>();
};

QStringList events(const QJsonArray& messages)
{
    QStringList names;
    for (const QJsonValue& message : messages)
        names.append(message.toObject().value(QLatin1String("event")).toString());
    return names;
}

// A file out of the way while it lives.
struct MovedAside
{
    explicit MovedAside(const QString& path) : path(path), moved(QFile::rename(path, path + ".away")) {}
    ~MovedAside()
    {
        if (moved)
            QFile::rename(path + ".away", path);
    }
    const QString path;
    const bool moved;
};

bool isOfflinePage(const QUrl& url)
{
    return url.isLocalFile() && url.toLocalFile() == QCoreApplication::applicationDirPath() + "/www/offline.html";
}

} // namespace

// The Remixery page in a real web engine: loading, retries and the offline page, the
// bridge in both directions and the outgoing queue.
class TestWebManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(serveBridgeProbe(m_server));
        QVERIFY(Language::instance()->setLanguage(QStringLiteral("de")));
    }

    void init()
    {
        m_server.setMode(LocalHttpServer::Mode::Serve);
        Hubcore::instance()->setAppconfigValue(DomainTestHost, m_server.url().toString());
    }

    void requestsGetOneReplyUnderTheirCallback()
    {
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());

        probe.send(jsonText("{'event':'getLanguage','callbackEvent':'cb-language'}"));
        probe.send(jsonText("{'event':'getLanguage'}"));
        probe.send(jsonText("{'event':'getLanguage','callbackEvent':''}"));
        probe.send("this is not JSON");
        probe.send(jsonText("{'event':'noSuchMethod','callbackEvent':'cb-unknown','data':{'x':1}}"));

        // Replies leave in request order, so anything the middle requests sent would come first.
        const QJsonArray received = probe.receivedUpTo(QStringLiteral("cb-unknown"));
        QCOMPARE(events(received), (QStringList{"cb-language", "cb-unknown"}));
        const QJsonObject language = received.at(0).toObject();
        QCOMPARE(language.value("page").toInt(), 8);
        QCOMPARE(language.value("data").toObject(), jsonObject("{'language':'de','defaultLanguage':'de'}"));
        QVERIFY(language.value("stamp").toDouble() > 0);
        QCOMPARE(received.at(1).toObject().value("data").toObject(), QJsonObject());
    }

    void queueDeliversInOrderAtLeastTenMillisecondsApart()
    {
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());
        QThreadPool* pool = QThreadPool::globalInstance();
        QTRY_COMPARE(pool->activeThreadCount(), 0);

        // Mask 7 reaches no view of this plug-in: no queue, no worker.
        remixery.manager->sendMessage(7, QStringLiteral("pageRouterTo"), {{"path", "home"}});
        QCOMPARE(pool->activeThreadCount(), 0);

        for (const char* event : {"first", "second", "third"})
            remixery.manager->sendMessage(8, QLatin1String(event), {{"name", QLatin1String(event)}});
        QCOMPARE(pool->activeThreadCount(), 1);
        remixery.manager->sendMessage(1, QStringLiteral("getLanguage"), {});
        remixery.manager->sendMessage(2, QStringLiteral("notForTheRemixeryPage"), {});
        remixery.manager->sendMessage(8, QStringLiteral("marker"), {});

        const QJsonArray received = probe.receivedUpTo(QStringLiteral("marker"));
        QCOMPARE(events(received), (QStringList{"first", "second", "third", "getLanguage", "marker"}));
        QCOMPARE(received.at(1).toObject().value("data").toObject(), jsonObject("{'name':'second'}"));
        QCOMPARE(received.at(3).toObject().value("page").toInt(), 1);
        for (int i = 1; i < received.size(); ++i) {
            const qint64 gap = qint64(received.at(i).toObject().value("stamp").toDouble())
                - qint64(received.at(i - 1).toObject().value("stamp").toDouble());
            QVERIFY2(gap >= 10, qPrintable(QStringLiteral("gap %1 ms before message %2").arg(gap).arg(i)));
        }
    }

    void destroyingTheManagerDiscardsWaitingMessages()
    {
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        QVERIFY(remixery.probe().waitUntilReady());
        std::atomic_int delivered{0};
        connect(remixery.manager->findChild<WebBridge*>(), &WebBridge::contentChanged, this,
                [&delivered] { ++delivered; }, Qt::DirectConnection);

        for (int i = 0; i < 300; ++i)
            remixery.manager->sendMessage(8, QStringLiteral("burst"), {{"n", i}});
        QTest::qWait(50);
        remixery.manager.reset();

        // The worker has ended with the manager; what was still queued never leaves.
        const int atDestruction = delivered;
        QVERIFY2(atDestruction < 300, qPrintable(QString::number(atDestruction)));
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    }

    void clientLoadingHidesAndShowsTheView_data()
    {
        QTest::addColumn<bool>("mainWindowLoading");
        QTest::newRow("own spinner") << false;
        QTest::newRow("main window's indicator") << true;
    }

    void clientLoadingHidesAndShowsTheView()
    {
        QFETCH(bool, mainWindowLoading);
        FakeLauncher launcher;
        launcher.loadingShown = mainWindowLoading;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());
        QTRY_VERIFY(remixery.view()->isVisible());

        probe.send(jsonText("{'event':'openClientLoading','callbackEvent':'opened'}"));
        probe.receivedUpTo(QStringLiteral("opened"));
        QVERIFY(!remixery.view()->isVisible());
        QCOMPARE(remixery.spinner()->isRunning(), !mainWindowLoading);
        // Hidden by the client, the web application still counts as shown.
        QCOMPARE(probe.evaluate(QStringLiteral("document.visibilityState")).toString(), QStringLiteral("visible"));

        probe.send(jsonText("{'event':'closeClientLoading','callbackEvent':'closed'}"));
        probe.receivedUpTo(QStringLiteral("closed"));
        QVERIFY(remixery.view()->isVisible());
        QVERIFY(!remixery.spinner()->isRunning());
    }

    void pushesReachTheRemixeryPage()
    {
        FakeLauncher launcher;
        launcher.addInstalled(QStringLiteral("engine1"), QStringLiteral("com.x"));
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());

        WebManager& manager = *remixery.manager;
        manager.updateLanguage(QStringLiteral("fr"));
        manager.updateUserConfig(3);
        manager.clientGotoSearch(QStringLiteral("kart"));
        manager.clientRealSearch(QStringLiteral("kart racing"), QStringLiteral("context"));
        manager.notifyInstalledAppsChanged();
        launcher.page = 4;  // the main window shows another page: searches go there, not here
        manager.clientGotoSearch(QStringLiteral("elsewhere"));
        manager.sendMessage(8, QStringLiteral("marker"), {});

        const QJsonArray received = probe.receivedUpTo(QStringLiteral("marker"));
        QCOMPARE(events(received), (QStringList{"updateLanguage", "updateUserConfig", "clientGotoSearch",
                                                "clientRealSearch", "updateInstalledAppsNotification", "marker"}));
        const QStringList data{"{'language':'fr','defaultLanguage':'en'}", "{'one_button_config':3}",
                               "{'query':'kart'}", "{'query':'kart racing'}",
                               "{'action':'all','apps':[{'package_name':'com.x'}]}"};
        for (int i = 0; i < data.size(); ++i)
            QCOMPARE(received.at(i).toObject().value("data").toObject(), jsonObject(data.at(i).toLatin1().constData()));
        QCOMPARE(manager.searchContext().toString(), QStringLiteral("context"));
    }

    void closeBootAnimationRepeatsTheCurrentPage()
    {
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());
        launcher.journal.clear();

        probe.send(jsonText("{'event':'closeBootAnimation','callbackEvent':'done'}"));
        const QJsonArray received = probe.receivedUpTo(QStringLiteral("done"));
        QCOMPARE(launcher.journal, QStringList{"closeBootAnimation(true)"});
        QCOMPARE(events(received), (QStringList{"onPageviewShow", "done"}));
        QCOMPARE(received.at(0).toObject().value("data").toObject(), jsonObject("{'preview':'hide'}"));
    }

    void switchPage_data()
    {
        QTest::addColumn<int>("before");  // 0: the manager's initial page
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("force");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("preview");  // what the Remixery page is told; empty: nothing

        QTest::newRow("game center from home") << 1 << 4 << false << true << "hide";
        QTest::newRow("game center again") << 4 << 4 << false << false << "";
        QTest::newRow("remixery from farplay") << 2 << 8 << false << true << "show";
        QTest::newRow("farplay from remixery") << 8 << 2 << false << false << "hide";
        QTest::newRow("remixery again, forced") << 8 << 8 << true << false << "show";
        QTest::newRow("home again, forced") << 1 << 1 << true << true << "hide";
        QTest::newRow("initial page is home") << 0 << 1 << false << false << "";
    }

    void switchPage()
    {
        QFETCH(int, before);
        QFETCH(int, page);
        QFETCH(bool, force);
        QFETCH(bool, result);
        QFETCH(QString, preview);
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntilReady());
        if (before) {
            remixery.manager->switchPage(before, true);
            remixery.manager->sendMessage(8, QStringLiteral("set-up"), {});
            probe.receivedUpTo(QStringLiteral("set-up"));
            probe.clearReceived();
        }

        QCOMPARE(remixery.manager->switchPage(page, force), result);
        remixery.manager->sendMessage(8, QStringLiteral("marker"), {});
        const QJsonArray received = probe.receivedUpTo(QStringLiteral("marker"));
        QStringList expected{"marker"};
        if (!preview.isEmpty()) {
            expected.prepend(QStringLiteral("onPageviewShow"));
            QCOMPARE(received.at(0).toObject().value("data").toObject(),
                     (QJsonObject{{QStringLiteral("preview"), preview}}));
        }
        QCOMPARE(events(received), expected);
    }

    void createBrowserOnlyOnceAndOnlyForTheRemixeryPage()
    {
        FakeLauncher launcher;
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        QWebEnginePage* page = remixery.page();
        remixery.manager->createBrowser(8, m_server.url(QStringLiteral("/other")).toString(), &remixery.host);
        remixery.manager->createBrowser(4, m_server.url(QStringLiteral("/other")).toString(), &remixery.host);
        QCOMPARE(remixery.host.findChildren<QWebEngineView*>().size(), 1);
        QCOMPARE(remixery.page(), page);
        QCOMPARE(remixery.manager->findChildren<WebBridge*>().size(), 1);
        QVERIFY(remixery.probe().waitUntilReady());
        QCOMPARE(m_server.requestCount(QStringLiteral("/other")), 0);
    }

    void createBrowserWithoutParentDoesNoLayoutWork()
    {
        FakeLauncher launcher;
        WebManager manager;
        manager.createBrowser(8, m_server.url(QStringLiteral("/remixery")).toString(), nullptr);
        auto* view = qobject_cast<QWebEngineView*>(manager.findChild<QWebEnginePage*>()->view());
        QVERIFY(view);
        QVERIFY(!view->parentWidget());
        QVERIFY(PageProbe(view->page()).waitUntilReady());
        delete view;
    }

    void unresolvableTestHostShowsTheOfflinePage()
    {
        FakeLauncher launcher;
        Hubcore::instance()->setAppconfigValue(DomainTestHost, QStringLiteral("http://no-such-host.invalid/"));
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        QTRY_VERIFY_WITH_TIMEOUT(isOfflinePage(remixery.page()->requestedUrl()), 30000);
        const QUrlQuery query(remixery.page()->requestedUrl());
        QCOMPARE(query.queryItemValue(QStringLiteral("location")), QStringLiteral("remixery"));
        QCOMPARE(query.queryItemValue(QStringLiteral("lang")), QStringLiteral("de"));
        QVERIFY(launcher.journal.contains(QStringLiteral("closeBootAnimation(true)")));

        // The page speaks the user's language, and its button asks the client to try again.
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntil(QStringLiteral("!document.getElementById('retry').disabled")));
        QCOMPARE(probe.evaluate(QStringLiteral("document.getElementById('title').textContent")).toString(),
                 QStringLiteral("Remixery ist nicht erreichbar"));
        QTRY_VERIFY(remixery.view()->isVisible());
        launcher.journal.clear();
        probe.evaluate(QStringLiteral("document.getElementById('retry').click(); true"));
        QTRY_VERIFY_WITH_TIMEOUT(launcher.journal.contains(QStringLiteral("closeBootAnimation(true)")), 30000);
        QTRY_VERIFY(remixery.view()->isVisible());
    }

    void failedLoadsRetryThreeTimesThenShowTheOfflinePage()
    {
        FakeLauncher launcher;
        LogCapture log;
        m_server.setMode(LocalHttpServer::Mode::Drop);
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        QTRY_VERIFY_WITH_TIMEOUT(isOfflinePage(remixery.page()->requestedUrl()), 30000);
        // The lookup of the creation, then one after each of the first three failures.
        QCOMPARE(log.count(kLoadFail), 4);
        QCOMPARE(log.count(kLookup), 4);
        QVERIFY(launcher.journal.contains(QStringLiteral("closeBootAnimation(true)")));

        // Asked to try again, the page fails once more: straight to the offline page.
        const PageProbe probe = remixery.probe();
        QVERIFY(probe.waitUntil(QStringLiteral("!document.getElementById('retry').disabled")));
        const int requests = m_server.requestCount(QStringLiteral("/remixery"));
        probe.evaluate(QStringLiteral("document.getElementById('retry').click(); true"));
        QTRY_COMPARE_WITH_TIMEOUT(log.count(kLoadFail), 5, 30000);
        QTRY_VERIFY(isOfflinePage(remixery.page()->requestedUrl()));
        QVERIFY(probe.waitUntil(QStringLiteral("!document.getElementById('retry').disabled")));
        QCOMPARE(log.count(kLookup), 5);
        QCOMPARE(m_server.requestCount(QStringLiteral("/remixery")), requests + 1);
    }

    void failingOfflinePageIsNotRequestedAgain()
    {
        FakeLauncher launcher;
        LogCapture log;
        const MovedAside offline(QCoreApplication::applicationDirPath() + QStringLiteral("/www/offline.html"));
        QVERIFY(offline.moved);
        Hubcore::instance()->setAppconfigValue(DomainTestHost, QStringLiteral("http://no-such-host.invalid/"));
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")));
        QTRY_VERIFY_WITH_TIMEOUT(log.count(QStringLiteral("the offline page did not load")) > 0, 30000);
        QTest::qWait(500);
        QCOMPARE(log.count(QStringLiteral("the offline page did not load")), 1);
        QTRY_VERIFY(remixery.view()->isVisible());
    }

    void pageThatNeverFinishesFailsOnceAfterTheTimeOut()
    {
        FakeLauncher launcher;
        m_server.setMode(LocalHttpServer::Mode::Hang);
        RemixeryPage remixery(m_server.url(QStringLiteral("/remixery")), 300);
        remixery.spinner()->start();
        QVERIFY(!remixery.view()->isVisible());

        QTRY_VERIFY(remixery.view()->isVisible());
        QVERIFY(!remixery.spinner()->isRunning());
        QCOMPARE(launcher.journal, QStringList{"closeBootAnimation(true)"});
        // The time-out does not come back for the reloads that follow.
        QTest::qWait(1000);
        QCOMPARE(launcher.journal, QStringList{"closeBootAnimation(true)"});
    }

private:
    TestHome m_home;
    LocalHttpServer m_server;
};

VD_WEB_TEST_MAIN(TestWebManager)

#include "tst_webmanager.moc"
