#include "testhome.h"

#include <QLocalSocket>
#include <QtTest>

#include <csignal>

namespace {

// waitForFinished answers false for a process that has already ended.
bool ended(QProcess* process, int timeoutMs)
{
    return process->state() == QProcess::NotRunning || process->waitForFinished(timeoutMs);
}

// A program folder of its own: a copy of the launcher, its installation file and the
// named test plug-ins in xplugins/, with a journal of the plug-ins' calls.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QStringList& plugins)
    {
        QDir().mkpath(xplugins());
        QFile::copy(QStringLiteral(VD_LAUNCHER), launcher());
        QFile::copy(QStringLiteral(VD_PROGRAM_DIR "/xdata"), m_dir.path() + QStringLiteral("/xdata"));
        for (const QString& plugin : plugins) {
            const QString file = QStringLiteral("/lib%1.so").arg(plugin);
            QFile::copy(QStringLiteral(VD_TEST_PLUGINS) + file, xplugins() + file);
        }
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(VD_PROGRAM_DIR));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("VD_TEST_JOURNAL"), journalPath());
    }

    QString launcher() const { return m_dir.path() + QStringLiteral("/velmora-deck"); }
    QString xplugins() const { return m_dir.path() + QStringLiteral("/xplugins"); }
    QString journalPath() const { return m_dir.path() + QStringLiteral("/journal.txt"); }
    void setEnvironment(const QString& name, const QString& value) { m_environment.insert(name, value); }

    // A launcher started with these arguments; the caller owns it.
    QProcess* start(const QStringList& arguments = {}) const
    {
        auto* process = new QProcess;
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(launcher(), arguments);
        process->waitForStarted(10000);
        return process;
    }
    // Runs a launcher to its end and returns its exit code (-100 when it does not end).
    int run(const QStringList& arguments, int timeoutMs = 40000) const
    {
        std::unique_ptr<QProcess> process(start(arguments));
        if (!ended(process.get(), timeoutMs)) {
            process->kill();
            process->waitForFinished();
            return -100;
        }
        return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -101;
    }

    QStringList journal() const
    {
        QFile file(journalPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    int count(const QString& line) const { return journal().count(line); }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
};

// Waits until a launcher listens on the server name; the probe itself is an empty message,
// which the launcher ignores.
bool waitForServer(const QString& name, int timeoutMs = 20000)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(200))
            return true;
        QThread::msleep(20);
    }
    return false;
}

void stop(QProcess* process)
{
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(10000);
    }
    delete process;
}

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void init()
    {
        // Each test starts with no launcher and no stale state.
        QDir(home.runtime()).removeRecursively();
        QDir().mkpath(home.runtime());
        QFile::setPermissions(home.runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::remove(logPath());
    }

    void secondInstanceHandsOverItsLastArgument()
    {
        ProgramFolder folder({"tp_mainwindow", "tp_account"});
        QProcess* first = folder.start();
        QVERIFY(waitForServer(server()));

        QCOMPARE(folder.run({}), 0);
        QCOMPARE(folder.run({"-gamecenter", "-fle%3Dcom.demo%20game"}), 0);
        QCOMPARE(folder.run({R"(VelmoraDeck:{"event":"accountEvoke"})"}), 0);
        QTRY_COMPARE(folder.count("tp_account onGetSsoInfo"), 1);
        QTRY_COMPARE(folder.count("tp_mainwindow onFlePlayGame com.demo game|"), 1);
        QCOMPARE(folder.count("tp_mainwindow onShowGameType 2"), 0);
        QCOMPARE(folder.count("tp_mainwindow onWindowToTop"), 3);
        QVERIFY(first->state() == QProcess::Running);
        QFile log(logPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString output = QString::fromUtf8(log.readAll());
        QVERIFY2(output.contains(QStringLiteral("[BServer receive]:  \"NULL\"\n")), qPrintable(output));
        stop(first);
    }

    void ownArgumentIsNotFromTheSocket()
    {
        ProgramFolder folder({"tp_mainwindow", "tp_account"});
        QProcess* first = folder.start({R"(VelmoraDeck:{"event":"accountEvoke"})"});
        QVERIFY(waitForServer(server()));
        QTRY_COMPARE(folder.count("tp_mainwindow onWindowToTop"), 1);
        QCOMPARE(folder.count("tp_account onGetSsoInfo"), 0);
        QCOMPARE(folder.count("tp_mainwindow preInit 1"), 1);
        stop(first);
    }

    void manySecondInstancesAtOnce()
    {
        ProgramFolder folder({"tp_mainwindow"});
        QProcess* first = folder.start();
        QVERIFY(waitForServer(server()));
        std::vector<std::unique_ptr<QProcess>> seconds;
        for (int i = 0; i < 50; ++i)
            seconds.emplace_back(folder.start({QStringLiteral("-fle=pkg%1").arg(i)}));
        for (auto& second : seconds) {
            QVERIFY(ended(second.get(), 40000));
            QCOMPARE(second->exitCode(), 0);
        }
        QTRY_COMPARE(folder.count("tp_mainwindow onWindowToTop"), 50);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(folder.count(QStringLiteral("tp_mainwindow onFlePlayGame pkg%1|").arg(i)), 1);
        QVERIFY(first->state() == QProcess::Running);
        stop(first);
    }

    void secondInstanceWaitsForAFirstThatIsStillLoading()
    {
        ProgramFolder folder({"tp_mainwindow", "tp_order500b"});
        folder.setEnvironment(QStringLiteral("VD_TEST_SLOW_INIT_MS"), QStringLiteral("1500"));
        QProcess* first = folder.start();
        QTRY_COMPARE(folder.count("tp_order500b init"), 1);  // the mutex is held, no server yet
        QCOMPARE(folder.run({"-mygames"}), 0);
        QTRY_COMPARE(folder.count("tp_mainwindow onShowGameType 3"), 1);
        stop(first);
    }

    void exactlyOneOfManyBecomesTheFirst()
    {
        ProgramFolder folder({});
        std::vector<std::unique_ptr<QProcess>> launchers;
        for (int i = 0; i < 20; ++i)
            launchers.emplace_back(folder.start());
        QVERIFY(waitForServer(server()));
        auto running = [&launchers] {
            return int(std::count_if(launchers.begin(), launchers.end(),
                                     [](const auto& launcher) { return launcher->state() != QProcess::NotRunning; }));
        };
        QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 40000);
        QTest::qWait(300);
        QCOMPARE(running(), 1);
        for (auto& launcher : launchers) {
            if (launcher->state() == QProcess::NotRunning)
                QCOMPARE(launcher->exitCode(), 0);
        }
        for (auto& launcher : launchers) {
            if (launcher->state() == QProcess::Running) {
                ::kill(pid_t(launcher->processId()), SIGKILL);  // leaves a stale socket file
                QVERIFY(ended(launcher.get(), 5000));
            }
        }

        ProgramFolder next({"tp_mainwindow"});
        QProcess* heir = next.start();
        QVERIFY(waitForServer(server()));
        QCOMPARE(next.run({"-remixery"}), 0);
        QTRY_COMPARE(next.count("tp_mainwindow onShowGameType 8"), 1);
        QVERIFY(heir->state() == QProcess::Running);
        stop(heir);
    }

    void exitCodes_data()
    {
        QTest::addColumn<int>("loopCode");
        QTest::addColumn<int>("processCode");
        QTest::addColumn<int>("starts");
        QTest::newRow("773 restarts") << 773 << 0 << 2;
        QTest::newRow("other codes are returned") << 5 << 5 << 1;
    }
    void exitCodes()
    {
        QFETCH(int, loopCode);
        QFETCH(int, processCode);
        QFETCH(int, starts);
        ProgramFolder folder({"tp_mainwindow"});
        folder.setEnvironment(QStringLiteral("VD_TEST_EXIT_CODE"), QString::number(loopCode));
        QCOMPARE(folder.run({"-mygames"}), processCode);
        // The restarted launcher ends its own loop with 0 a moment later.
        QTRY_COMPARE_WITH_TIMEOUT(folder.count("tp_mainwindow destroyed"), starts, 20000);
        QCOMPARE(folder.count("tp_mainwindow start"), starts);
        QCOMPARE(folder.count("tp_mainwindow onShowGameType 3"), 1);  // the restart has no arguments
        QTRY_VERIFY(!waitForServer(server(), 300));
    }

    void statisticsFlush_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<int>("atLeastMs");
        QTest::addColumn<int>("atMostMs");
        QTest::newRow("done at once") << "done" << 0 << 1500;
        QTest::newRow("never done") << "never" << 1900 << 4000;
    }
    void statisticsFlush()
    {
        QFETCH(QString, reports);
        QFETCH(int, atLeastMs);
        QFETCH(int, atMostMs);
        ProgramFolder folder({"tp_mainwindow", "tp_statistics"});
        folder.setEnvironment(QStringLiteral("VD_TEST_EXIT_CODE"), QStringLiteral("0"));
        folder.setEnvironment(QStringLiteral("VD_TEST_STATS"), reports);
        std::unique_ptr<QProcess> launcher(folder.start());
        QTRY_COMPARE_WITH_TIMEOUT(folder.count("tp_statistics reportFinal"), 1, 20000);
        QElapsedTimer flush;
        flush.start();
        QVERIFY(ended(launcher.get(), 10000));
        const qint64 waited = flush.elapsed();
        QVERIFY2(waited >= atLeastMs && waited <= atMostMs, qPrintable(QString::number(waited)));
        const QStringList journal = folder.journal();
        QVERIFY(journal.indexOf("tp_statistics report 0") < journal.indexOf("tp_statistics report 2"));
        QVERIFY(journal.indexOf("tp_statistics report 2") < journal.indexOf("tp_statistics reportFinal"));
        QVERIFY(journal.indexOf("tp_statistics reportFinal") < journal.indexOf("tp_statistics stop"));
    }

private:
    QString logPath() const { return home.data() + QStringLiteral("/VelmoraDeck/logs/velmora-deck.log"); }
    QString server() const { return home.runtime() + QStringLiteral("/velmora-deck.sock"); }

    TestHome home;
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
