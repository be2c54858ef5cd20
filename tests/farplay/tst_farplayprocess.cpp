#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

constexpr int kStartMs = 30000;

} // namespace

// Real Farplay processes in a home of their own: the launch argument rules, the single
// instance, the window list, and the developer tools switch.
class TestFarplayProcess : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        QVERIFY(m_home->isValid());
        writeConfig(0);
        QVERIFY(QDir().mkpath(launchFolder()));
    }

    void cleanup()
    {
        for (QProcess* process : qAsConst(m_running)) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
        m_running.clear();
        m_home.reset();
    }

    void firstStartOpensOnlyTheFirstArgument()
    {
        writeLaunch("a.json", "{'package_name':'com.a','cloud_app_url':'about:blank','game_name':'A'}");
        writeLaunch("b.json", "{'package_name':'com.b','cloud_app_url':'about:blank','game_name':'B'}");
        start({"a.json", "b.json"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened: com.a"), kStartMs);
        QVERIFY(!QFile::exists(launchFolder() + "/a.json"));
        QVERIFY(QFile::exists(launchFolder() + "/b.json"));
        QVERIFY(!logHas("com.b"));
    }

    void secondStartForwardsItsLastArgumentDecoded()
    {
        start({});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened:"), kStartMs);
        writeLaunch("Ab.json", "{'package_name':'com.forwarded','cloud_app_url':'about:blank'}");
        QProcess second;
        second.start(QStringLiteral(VD_FARPLAY), {QStringLiteral("ignored.json"), QStringLiteral("%41b.json")});
        QVERIFY(second.waitForFinished(kStartMs));
        QCOMPARE(second.exitCode(), 255);  // -1
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened: com.forwarded"), kStartMs);
    }

    void samePackageRaisesItsWindow()
    {
        writeLaunch("one.json", "{'package_name':'com.same','cloud_app_url':'about:blank'}");
        writeLaunch("two.json", "{'package_name':'com.same','cloud_app_url':'about:blank'}");
        start({"one.json"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened: com.same"), kStartMs);
        forward("two.json");
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window raised: com.same"), kStartMs);
        QCOMPARE(log().count("[farplay] window opened:"), 1);
    }

    void emptyPackagesGetTwoWindowsCascaded()
    {
        writeLaunch("one.json", "{'cloud_app_url':'about:blank'}");
        writeLaunch("two.json", "{'cloud_app_url':'about:blank'}");
        start({"one.json"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened:"), kStartMs);
        forward("two.json");
        QTRY_COMPARE_WITH_TIMEOUT(log().count("[farplay] window opened:"), 2, kStartMs);
        const QList<QPoint> places = positions();
        QCOMPARE(places.size(), 2);
        QCOMPARE(places.at(1), places.at(0) + QPoint(30, 30));
    }

    void invalidDescriptionIsDeletedAndTheDefaultPageOpens()
    {
        writeLaunch("bad.json", "{ not json");
        start({"bad.json"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened:  http://127.0.0.1:9/default/"), kStartMs);
        QVERIFY(!QFile::exists(launchFolder() + "/bad.json"));
    }

    void argumentsOutsideTheFolderDeleteNothing()
    {
        const QString victim = m_home->data() + QStringLiteral("/VelmoraDeck/keep.json");
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{'package_name':'com.outside'}");
        file.close();
        start({"../keep.json"});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened:"), kStartMs);
        QVERIFY(QFile::exists(victim));
        QVERIFY(logHas("not a launch description name"));
    }

    void debugPortEnablesTheDeveloperTools_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("9999") << 9999 << true;
        QTest::newRow("other") << 9222 << false;
    }

    void debugPortEnablesTheDeveloperTools()
    {
        QFETCH(int, port);
        QFETCH(bool, enabled);
        writeConfig(port);
        start({});
        QTRY_VERIFY_WITH_TIMEOUT(logHas("[farplay] window opened:"), kStartMs);
        QCOMPARE(logHas("developer tools open with F12"), enabled);
    }

private:
    QString launchFolder() const { return m_home->data() + QStringLiteral("/VelmoraDeck/LocalGames"); }

    void writeConfig(int debugPort)
    {
        QFile config(m_home->path() + QStringLiteral("/velmora.ini"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[config]\nFarplayServerName=%1/farplay.sock\nFarplayMutexName=farplay.test.%2\n"
                                    "FarplayDefaultUrl=http://127.0.0.1:9/default/\nRemoteDebugPort=%3\n")
                         .arg(m_home->runtime())
                         .arg(quintptr(m_home.get()))
                         .arg(debugPort)
                         .toUtf8());
        config.close();
        qputenv("VELMORA_CONFIG", config.fileName().toLocal8Bit());
    }

    void writeLaunch(const char* name, const char* json)
    {
        QFile file(launchFolder() + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(json).replace('\'', '"'));
    }

    void start(const QStringList& arguments)
    {
        auto* process = new QProcess;
        process->setProgram(QStringLiteral(VD_FARPLAY));
        process->setArguments(arguments);
        process->setStandardOutputFile(m_home->path() + QStringLiteral("/farplay.out"));
        process->setStandardErrorFile(m_home->path() + QStringLiteral("/farplay.err"));
        process->start();
        QVERIFY(process->waitForStarted());
        m_running.append(process);
    }

    void forward(const char* argument)
    {
        QProcess second;
        second.start(QStringLiteral(VD_FARPLAY), {QLatin1String(argument)});
        QVERIFY(second.waitForFinished(kStartMs));
        QCOMPARE(second.exitCode(), 255);
    }

    QString log() const
    {
        QFile file(m_home->data() + QStringLiteral("/VelmoraDeck/logs/farplay.log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    bool logHas(const char* text) const { return log().contains(QLatin1String(text)); }

    QList<QPoint> positions() const
    {
        QList<QPoint> places;
        const QRegularExpression at(QStringLiteral("window opened: .* at (-?\\d+),(-?\\d+)"));
        auto matches = at.globalMatch(log());
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            places.append(QPoint(match.captured(1).toInt(), match.captured(2).toInt()));
        }
        return places;
    }

    std::unique_ptr<TestHome> m_home;
    QList<QProcess*> m_running;
};

QTEST_GUILESS_MAIN(TestFarplayProcess)
#include "tst_farplayprocess.moc"
