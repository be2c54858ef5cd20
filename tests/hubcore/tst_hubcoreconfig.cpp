#include "hubcore.h"
#include "testhome.h"

#include <QtConcurrent>
#include <QtTest>

namespace {

// Runs hubcoreprobe from programFolder (copied there, so the folder is its program folder)
// and returns its output lines.
QStringList runProbe(const QString& programFolder, const QProcessEnvironment& environment, const QStringList& args)
{
    const QString probe = programFolder + QStringLiteral("/hubcoreprobe");
    if (!QFileInfo::exists(probe) && !QFile::copy(QStringLiteral(HUBCOREPROBE_PATH), probe))
        return {QStringLiteral("probe not copied")};
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(probe, args);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {QStringLiteral("probe failed: ") + QString::fromLocal8Bit(process.readAllStandardError())};
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

class TestHubcoreConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void precedence_data()
    {
        QTest::addColumn<QString>("programIni");
        QTest::addColumn<QString>("environmentIni");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        const QString debug9999 = QStringLiteral("[config]\nRemoteDebugPort=9999\n");
        QTest::newRow("built-in default") << "" << "" << int(LauncherMutexName) << "VelmoraDeck.Launcher";
        QTest::newRow("program folder over default") << debug9999 << "" << int(RemoteDebugPort) << "9999";
        QTest::newRow("environment over program folder")
            << debug9999 << "[config]\nRemoteDebugPort=1234\n" << int(RemoteDebugPort) << "1234";
        QTest::newRow("environment keeps the other keys")
            << "[config]\nDataDirName=FromProgram\n" << "[config]\nRemoteDebugPort=1\n" << int(DataDirName)
            << "FromProgram";
        QTest::newRow("invalid number keeps the lower layer")
            << debug9999 << "[config]\nRemoteDebugPort=lots\n" << int(RemoteDebugPort) << "9999";
        QTest::newRow("boolean words") << "" << "[config]\nRemixeryEnabled=off\n" << int(RemixeryEnabled) << "false";
        QTest::newRow("unknown keys are skipped")
            << "[config]\nNoSuchKey=1\nRegistryKeyName=Mine\n" << "" << int(RegistryKeyName) << "Mine";
        QTest::newRow("service from the host map")
            << "" << "[hosts]\nGameListService=http://127.0.0.1:9/\n" << int(GameListService) << "http://127.0.0.1:9/";
        QTest::newRow("server socket in the runtime folder")
            << "" << "" << int(LauncherServerName)
            << home.runtime() + QStringLiteral("/velmora-deck.sock");
    }
    void precedence()
    {
        QFETCH(QString, programIni);
        QFETCH(QString, environmentIni);
        QFETCH(int, key);
        QFETCH(QString, expected);
        QTemporaryDir program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!programIni.isEmpty())
            writeFile(program.path() + QStringLiteral("/velmora.ini"), programIni);
        if (!environmentIni.isEmpty()) {
            writeFile(program.path() + QStringLiteral("/override.ini"), environmentIni);
            environment.insert(QStringLiteral("VELMORA_CONFIG"), program.path() + QStringLiteral("/override.ini"));
        }
        QCOMPARE(runProbe(program.path(), environment, {QStringLiteral("value"), QString::number(key)}),
                 QStringList{expected});
    }

    void hostUrlJoining_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "http://h:1" << "/api/game/list" << "http://h:1/api/game/list";
        QTest::newRow("base with slash") << "http://h:1/" << "/api/game/list?country=US"
                                         << "http://h:1/api/game/list?country=US";
        QTest::newRow("path without slash") << "http://h:1//" << "api" << "http://h:1/api";
        QTest::newRow("base with a path") << "https://h/v2/" << "/list" << "https://h/v2/list";
        QTest::newRow("no path") << "http://h:1/" << "" << "http://h:1";
        QTest::newRow("no address") << "" << "/api" << "";
    }
    void hostUrlJoining()
    {
        QFETCH(QString, base);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        Hubcore::instance()->setAppconfigValue(GameListService, base);
        QCOMPARE(Hubcore::instance()->getHostUrl(GameListService, path), expected);
        QCOMPARE(Hubcore::instance()->getHostMap().value(QStringLiteral("GameListService")), base);
    }

    void concurrentReadsAndWrites()
    {
        Hubcore* hubcore = Hubcore::instance();
        hubcore->setAppconfigValue(InstallVersion, QStringLiteral("v0"));
        QList<QFuture<bool>> workers;
        for (int worker = 1; worker <= 8; ++worker) {
            workers << QtConcurrent::run([hubcore, worker] {
            bool ok = true;
            for (int i = 0; i < 2000; ++i) {
                hubcore->setAppconfigValue(InstallVersion, QStringLiteral("v%1").arg(worker));
                const QString seen = hubcore->getAppConfigValue(InstallVersion).toString();
                ok = ok && seen.startsWith(QLatin1Char('v')) && seen.midRef(1).toInt() <= 8;
                ok = ok && hubcore->getAppConfigValue(DataDirName).toString() == QLatin1String("VelmoraDeck");
            }
            return ok;
            });
        }
        for (QFuture<bool>& worker : workers)
            QVERIFY(worker.result());
    }

    void clearCacheArmedInOneProcessHonouredInTheNext()
    {
        QTemporaryDir program;
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString appCache = home.cache() + QStringLiteral("/hubcoreprobe");
        const QString webCache = appCache + QStringLiteral("/QtWebEngine/Default");
        const QString neighbour = appCache + QStringLiteral("/keep/me.txt");
        auto fillCache = [&] {
            QVERIFY(QDir().mkpath(webCache + QStringLiteral("/Cache")));
            writeFile(webCache + QStringLiteral("/Cache/data_0"), QStringLiteral("cached"));
        };
        fillCache();
        QVERIFY(QDir().mkpath(QFileInfo(neighbour).path()));
        writeFile(neighbour, QStringLiteral("mine"));

        QCOMPARE(runProbe(program.path(), environment, {QStringLiteral("clear")}), QStringList{"cleared"});
        QVERIFY2(QFileInfo::exists(webCache), "cleared without being armed");

        QCOMPARE(runProbe(program.path(), environment, {QStringLiteral("arm")}), QStringList{"armed"});
        QVERIFY(QFileInfo::exists(webCache));
        QCOMPARE(runProbe(program.path(), environment, {QStringLiteral("clear")}), QStringList{"cleared"});
        QVERIFY(!QFileInfo::exists(webCache));
        QVERIFY(QFileInfo::exists(neighbour));

        fillCache();
        QCOMPARE(runProbe(program.path(), environment, {QStringLiteral("clear")}), QStringList{"cleared"});
        QVERIFY2(QFileInfo::exists(webCache), "the flag was not disarmed");
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestHubcoreConfig)
#include "tst_hubcoreconfig.moc"
