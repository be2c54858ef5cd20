#include "fakelauncher.h"
#include "hubcore.h"
#include "ifiledownhandle.h"
#include "listobserver.h"
#include "logcapture.h"
#include "modedgamelist.h"
#include "modedgamelistchangedevent.h"
#include "testhome.h"
#include "testjson.h"

#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

namespace {

struct NoHandle : IFileDownHandle
{
    void onDownloadFinished(const HttpTaskInfo&) override {}
    void onDownloadProgress(const HttpTaskInfo&, qint64, qint64) override {}
    void onDownloadFailed(const HttpTaskInfo&) override {}
};

const char kTwoGames[] = "{'data':[{'id':'7','packageName':'com.a','name':'Alpha'},{'id':9,'packageName':'com.b'}]}";

QList<int> traceSteps(const QStringList& lines)
{
    QList<int> steps;
    const QString tag = QStringLiteral("[DEBUG_TRACKING] Apk url callback-- ");
    for (const QString& line : lines) {
        if (line.startsWith(tag))
            steps.append(line.mid(tag.size()).toInt());
    }
    return steps;
}

} // namespace

// The moded game list: availability, the request, the response, observers and APK lookups.
class TestModedGameList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        BEvent::init();
        Hubcore::instance()->setAppconfigValue(GameListService, QStringLiteral("http://games.test:8080"));
    }

    void availability_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("localeCountry");
        QTest::addColumn<QString>("geo");
        QTest::addColumn<bool>("available");
        QTest::newRow("United States") << true << int(QLocale::UnitedStates) << "US" << true;
        QTest::newRow("switched off") << false << int(QLocale::UnitedStates) << "US" << false;
        QTest::newRow("located in Japan, English locale") << true << int(QLocale::UnitedKingdom) << "JP" << false;
        QTest::newRow("Japanese locale, located elsewhere") << true << int(QLocale::Japan) << "US" << false;
        QTest::newRow("codes compare case-sensitively") << true << int(QLocale::Germany) << "jp" << true;
        QTest::newRow("no location") << true << int(QLocale::AnyCountry) << "" << true;
    }

    void availability()
    {
        QFETCH(bool, enabled);
        QFETCH(int, localeCountry);
        QFETCH(QString, geo);
        QFETCH(bool, available);
        QCOMPARE(ModedGameList::availability(enabled, QLocale::Country(localeCountry), geo), available);
    }

    void availabilityIsComputedOnce()
    {
        qputenv("VELMORA_GEO_ISO2", "US");
        Hubcore::instance()->setAppconfigValue(RemixeryEnabled, false);
        QVERIFY(!ModedGameList::shared().isRemixerySupported());
        Hubcore::instance()->setAppconfigValue(RemixeryEnabled, true);
        QVERIFY(!ModedGameList::shared().isRemixerySupported());
    }

    void requestTask_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("url");
        QTest::newRow("country") << "US" << "http://games.test:8080/api/game/list?country=US";
        QTest::newRow("none") << "" << "http://games.test:8080/api/game/list";
    }

    void requestTask()
    {
        QFETCH(QString, country);
        QFETCH(QString, url);
        NoHandle handle;
        const HttpTaskInfo task = ModedGameList::requestTask(country, &handle);
        QCOMPARE(task.name, QStringLiteral("GetModedGameList"));
        QCOMPARE(task.url, url);
        QCOMPARE(task.storagePath, QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
        QCOMPARE(task.requestId, QStringLiteral("123"));
        QCOMPARE(task.checksum, QStringLiteral("123"));
        QCOMPARE(task.handle, &handle);
        QVERIFY(task.data.isEmpty() && task.postData.isEmpty() && task.headers.isEmpty());
        QCOMPARE(task.priority + task.retryCount + task.timeoutMs + task.httpStatus + task.errorCode, 0);
    }

    void responseBecomesTheListAndObserversHearOnce()
    {
        FakeLauncher launcher;
        ListObserver observer;
        auto* gone = new ListObserver;
        ModedGameList& list = ModedGameList::shared();
        list.addObserver(&observer);
        list.addObserver(&observer);
        list.addObserver(gone);
        list.addObserver(nullptr);
        delete gone;

        list.parse(jsonText(kTwoGames));
        QCOMPARE(list.games().size(), 2);
        const ModedGame& first = list.games().at(0);
        QCOMPARE(QStringList({first.id, first.packageName, first.name, first.apkUrl}),
                 QStringList({"7", "com.a", "Alpha", ""}));
        const ModedGame& second = list.games().at(1);
        QCOMPARE(QStringList({second.id, second.packageName, second.name, second.apkUrl}),
                 QStringList({"", "com.b", "", ""}));
        // The browser plug-in gets the response before the addresses are looked up.
        QCOMPARE(launcher.journal,
                 (QStringList{"receiveModedGameList()", "apkUrl(com.a, false)", "apkUrl(com.b, false)"}));
        QCOMPARE(launcher.receivedList, jsonObject(kTwoGames));

        QTRY_COMPARE(observer.lists, 1);
        QTest::qWait(50);
        QCOMPARE(observer.lists, 1);
        QCOMPARE(observer.last, &list.games());
    }

    void responseThatIsNotJsonEmptiesTheList()
    {
        FakeLauncher launcher;
        ListObserver observer;
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        list.addObserver(&observer);
        list.parse("<html>busy</html>");
        QVERIFY(list.games().isEmpty());
        QCOMPARE(launcher.receivedList, QJsonObject());
        QTest::qWait(50);
        QCOMPARE(observer.lists, 0);
    }

    void knownAddressIsNotAskedFor()
    {
        FakeLauncher launcher;
        launcher.apkAnswers.insert(QStringLiteral("com.a"), QStringLiteral("http://apk.test/a.apk"));
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        QCOMPARE(list.apkUrl(QStringLiteral("com.a"), false), QString());
        QCOMPARE(list.games().at(0).apkUrl, QStringLiteral("http://apk.test/a.apk"));
        launcher.journal.clear();

        QCOMPARE(list.apkUrl(QStringLiteral("com.a"), true), QStringLiteral("http://apk.test/a.apk"));
        QCOMPARE(launcher.journal, QStringList());
    }

    void lateAnswerIsStored()
    {
        FakeLauncher launcher;
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        QCOMPARE(list.apkUrl(QStringLiteral("com.b"), false), QString());
        QCOMPARE(launcher.journal.last(), QStringLiteral("requestApkUrl(com.b, 0, false)"));
        QCOMPARE(launcher.pendingApk.size(), 1);
        launcher.pendingApk.first().second(QStringLiteral("http://apk.test/b.apk"));
        QCOMPARE(list.games().at(1).apkUrl, QStringLiteral("http://apk.test/b.apk"));
    }

    void waitingLookupReturnsTheAnswer()
    {
        FakeLauncher launcher;
        LogCapture log;
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        QTimer::singleShot(50, [&launcher] {
            QCOMPARE(launcher.pendingApk.size(), 1);
            launcher.pendingApk.first().second(QStringLiteral("http://apk.test/b.apk"));
        });
        QCOMPARE(list.apkUrl(QStringLiteral("com.b"), true), QStringLiteral("http://apk.test/b.apk"));
        QCOMPARE(launcher.journal.last(), QStringLiteral("requestApkUrl(com.b, 0, true)"));
        QCOMPARE(list.games().at(1).apkUrl, QStringLiteral("http://apk.test/b.apk"));
        QCOMPARE(traceSteps(log.lines()), (QList<int>{2, 3, 4, 5, 6, 7, 12}));
    }

    void waitingLookupGivesUpAfterTheTimeOut()
    {
        FakeLauncher launcher;
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        list.setApkWaitTimeout(200);
        QCOMPARE(list.apkUrl(QStringLiteral("com.b"), true), QString());
        list.setApkWaitTimeout(ModedGameList::kApkWaitMs);
        // The answer that comes after all still fills the list.
        QCOMPARE(launcher.pendingApk.size(), 1);
        launcher.pendingApk.first().second(QStringLiteral("http://apk.test/late.apk"));
        QCOMPARE(list.games().at(1).apkUrl, QStringLiteral("http://apk.test/late.apk"));
    }

    void withoutEmulatorManagerNothingIsAsked()
    {
        FakeLauncher launcher;
        LauncherInterfaces::current().simulatorMgr = nullptr;
        ModedGameList& list = ModedGameList::shared();
        list.parse(jsonText(kTwoGames));
        QCOMPARE(list.apkUrl(QStringLiteral("com.b"), true), QString());
        QVERIFY(!launcher.journal.join(QLatin1Char(' ')).contains(QLatin1String("requestApkUrl")));
    }

private:
    TestHome m_home;
};

QTEST_GUILESS_MAIN(TestModedGameList)
#include "tst_modedgamelist.moc"
