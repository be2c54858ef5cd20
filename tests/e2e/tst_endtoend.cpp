#include "testhome.h"
#include "testjson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QtTest>

namespace {

constexpr int kStartMs = 60000;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString programFile(const char* name)
{
    return QStringLiteral(VD_PROGRAM_DIR "/") + QLatin1String(name);
}

} // namespace

// The whole client as a user starts it: the launcher from its program folder with every
// stand-in and RemixeryPlugin, the demo web host, the demo page (in its self-test mode,
// which plays the first moded game once the list has shown). The test functions follow one
// launcher run from its start to its end, in order.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        const quint16 port = freePort();
        m_host = QStringLiteral("http://127.0.0.1:%1").arg(port);
        QFile config(m_home.path() + QStringLiteral("/velmora.ini"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[config]\nDomainTestHost=%1/\nLauncherServerName=%2/launcher.sock\n"
                                    "LauncherMutexName=e2e.%3\n[hosts]\nGameListService=%1\n"
                                    "RemixeryWeb=%1/remixery/?selftest=1\n")
                         .arg(m_host, m_home.runtime())
                         .arg(port)
                         .toUtf8());
        config.close();
        qputenv("VELMORA_CONFIG", config.fileName().toLocal8Bit());
        qputenv("VELMORA_STANDIN_JOURNAL", (m_home.path() + QStringLiteral("/journal.jsonl")).toLocal8Bit());
        qputenv("VELMORA_GEO_ISO2", "US");

        m_server.setProgram(programFile("velmora-demo-server"));
        m_server.setArguments({QStringLiteral("--port"), QString::number(port)});
        m_server.start();
        QVERIFY(m_server.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += m_server.readAllStandardOutput()).contains("demo web host"), 10000);

        m_launcher.setProgram(programFile("velmora-deck"));
        m_launcher.setWorkingDirectory(QStringLiteral(VD_PROGRAM_DIR));
        m_launcher.setStandardOutputFile(m_home.path() + QStringLiteral("/launcher.out"));
        m_launcher.setStandardErrorFile(m_home.path() + QStringLiteral("/launcher.err"));
        m_launcher.start();
        QVERIFY(m_launcher.waitForStarted());
    }

    void cleanupTestCase()
    {
        for (QProcess* process : {&m_launcher, &m_server}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    void launcherShowsTheDemoPageWithTheModedGames()
    {
        QTRY_VERIFY_WITH_TIMEOUT(journalHas("mainwindow", "announceCountry", {"US"}), kStartMs);
        const QString list = m_host + QStringLiteral("/api/game/list?country=US");
        QTRY_VERIFY_WITH_TIMEOUT(journalHas("network", "finished", {"GetModedGameList", list, 200}), kStartMs);
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[demo] moded games shown: 3"), kStartMs);
        QVERIFY(journalHas("mainwindow", "closeBootAnimation", {true}));
        QVERIFY(logHas("[booting time][finish]: [rm webengine] load success"));
    }

    void pageRequestReachesTheGameLibrary()
    {
        const QString apk = m_host + QStringLiteral("/apk/com.velmora.skyracer.apk");
        QTRY_VERIFY_WITH_TIMEOUT(journalHas("mygame", "installOrPlay",
                                            {"com.velmora.skyracer", "Sky Racer", apk, "remixery_home", "", "Pie64"}),
                                 kStartMs);
        QVERIFY(journalHas("mygame", "setShareId", {"com.velmora.skyracer", "1"}));
        QVERIFY(journalHas("strategy", "reportLaunch", {"Pie64", "com.velmora.skyracer", 1, 5}));
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[demo] selftest reply for installOrPlayAppforVm"), kStartMs);
    }

    void cloudGameOpensInFarplay()
    {
        // The game library starts Farplay with a launch description; its window opens on the
        // game's page from the demo host.
        QTRY_VERIFY_WITH_TIMEOUT(journalHas("mygame", "startFarplay", {"com.velmora.skyracer.json", true}), kStartMs);
        const QString page = m_host + QStringLiteral("/farplay/?game=com.velmora.skyracer");
        QTRY_VERIFY_WITH_TIMEOUT(farplayLogHas("[farplay] window opened: com.velmora.skyracer " + page), kStartMs);
    }

    void secondStartsReachTheMainWindow_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QJsonArray>("args");
        QTest::newRow("page") << "-remixery" << "onShowGameType" << QJsonArray{8};
        QTest::newRow("deep link") << QString::fromLatin1(jsonText("VelmoraDeck:{'event':'launchApp','data':{'pkg':'com.velmora.farmtown','linkValue':'mods/7'}}"))
                                   << "onDeepLink" << QJsonArray{"com.velmora.farmtown", "", "mods/7"};
    }

    void secondStartsReachTheMainWindow()
    {
        QFETCH(QString, argument);
        QFETCH(QString, call);
        QFETCH(QJsonArray, args);
        QProcess second;
        second.setWorkingDirectory(QStringLiteral(VD_PROGRAM_DIR));
        second.start(programFile("velmora-deck"), {argument});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(journalHas("mainwindow", call, args), 10000);
    }

    void closingTheMainWindowEndsTheLauncher()
    {
        // The control file's exit request closes the window as its close button does.
        QFile control(m_home.data() + QStringLiteral("/VelmoraDeck/control"));
        QVERIFY(control.open(QIODevice::WriteOnly));
        control.write("0");
        control.close();
        QVERIFY(m_launcher.waitForFinished(30000));
        QCOMPARE(m_launcher.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_launcher.exitCode(), 0);
        QVERIFY(journalHas("mainwindow", "quitRequested", {}));
        QVERIFY(journalHas("statistics", "report", {2}));
        QVERIFY(journalHas("statistics", "reportFinal", {}));
        QVERIFY(journalHas("mainwindow", "stop", {}));
        // The same request ends Farplay.
        QTRY_VERIFY_WITH_TIMEOUT(farplayLogHas(QStringLiteral("[farplay] ended")), 30000);
    }

private:
    bool journalHas(const QString& plugin, const QString& call, const QJsonArray& args) const
    {
        QFile journal(m_home.path() + QStringLiteral("/journal.jsonl"));
        if (!journal.open(QIODevice::ReadOnly))
            return false;
        const QJsonObject wanted{{QStringLiteral("plugin"), plugin}, {QStringLiteral("call"), call},
                                 {QStringLiteral("args"), args}};
        while (!journal.atEnd()) {
            if (QJsonDocument::fromJson(journal.readLine()).object() == wanted)
                return true;
        }
        return false;
    }

    bool farplayLogHas(const QString& text) const
    {
        QFile log(m_home.data() + QStringLiteral("/VelmoraDeck/logs/farplay.log"));
        return log.open(QIODevice::ReadOnly) && QString::fromUtf8(log.readAll()).contains(text);
    }

    bool logHas(const char* text) const
    {
        QFile log(m_home.data() + QStringLiteral("/VelmoraDeck/logs/velmora-deck.log"));
        return log.open(QIODevice::ReadOnly) && log.readAll().contains(text);
    }

    TestHome m_home;
    QString m_host;
    QProcess m_server;
    QProcess m_launcher;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
