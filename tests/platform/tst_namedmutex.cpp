#include "namedmutex.h"
#include "testhome.h"

#include <QtTest>

#include <csignal>

namespace {

// A mutexholder process; state() is its first line of output.
class Holder
{
public:
    explicit Holder(const QString& name)
    {
        process.start(QStringLiteral(MUTEXHOLDER_PATH), {name});
    }
    ~Holder()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    QByteArray state()
    {
        if (!process.waitForStarted() || (!process.canReadLine() && !process.waitForReadyRead(10000)))
            return "no answer";
        return process.readLine().trimmed();
    }
    // Ends the holder the way the row asks: a normal exit or SIGKILL.
    void end(bool kill)
    {
        if (kill)
            ::kill(pid_t(process.processId()), SIGKILL);
        else
            process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
    }

    QProcess process;
};

} // namespace

class TestNamedMutex : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(home.isValid());
        qputenv("XDG_RUNTIME_DIR", home.runtime().toLocal8Bit());  // a row below moves it
    }

    void acrossProcesses_data()
    {
        QTest::addColumn<bool>("kill");
        QTest::newRow("owner exits") << false;
        QTest::newRow("owner killed") << true;
    }
    void acrossProcesses()
    {
        QFETCH(bool, kill);
        const QString name = QStringLiteral("VelmoraTest Mutex");
        Holder first(name);
        QCOMPARE(first.state(), QByteArray("owned"));
        {
            Holder second(name);
            QCOMPARE(second.state(), QByteArray("exists"));
        }
        NamedMutex inProcess(name);
        QVERIFY(inProcess.alreadyExists());
        inProcess.close();

        first.end(kill);
        Holder next(name);
        QCOMPARE(next.state(), QByteArray("owned"));
    }

    void withinOneProcess()
    {
        auto first = std::make_unique<NamedMutex>(QStringLiteral("one"));
        QCOMPARE(first->state(), NamedMutex::State::Owned);
        NamedMutex other(QStringLiteral("two"));
        QCOMPARE(other.state(), NamedMutex::State::Owned);
        {
            NamedMutex again(QStringLiteral("one"));
            QVERIFY(again.alreadyExists());
        }
        first->close();
        QCOMPARE(first->state(), NamedMutex::State::Closed);
        NamedMutex afterClose(QStringLiteral("one"));
        QCOMPARE(afterClose.state(), NamedMutex::State::Owned);
        first.reset();  // closing twice is harmless
        QCOMPARE(afterClose.state(), NamedMutex::State::Owned);
    }

    void namesStayInTheRuntimeFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("windows namespace") << QStringLiteral("Global\\VelmoraDeck");
        QTest::newRow("parent folders") << QStringLiteral("../../escape");
        QTest::newRow("dots only") << QStringLiteral("..");
        QTest::newRow("non-ASCII") << QStringLiteral("Spiel\u00e9\u4e2d");
        QTest::newRow("very long") << QString(600, QLatin1Char('x'));
    }
    void namesStayInTheRuntimeFolder()
    {
        QFETCH(QString, name);
        QTemporaryDir outer;
        const QString runtime = outer.path() + QStringLiteral("/a/b");
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

        NamedMutex mutex(name);
        QCOMPARE(mutex.state(), NamedMutex::State::Owned);
        QVERIFY(NamedMutex(name).alreadyExists());
        QCOMPARE(QDir(runtime).entryList(QDir::Files).size(), 1);
        QDirIterator all(outer.path(), QDir::Files, QDirIterator::Subdirectories);
        while (all.hasNext())
            QCOMPARE(QFileInfo(all.next()).absolutePath(), QFileInfo(runtime).absoluteFilePath());
    }

private:
    TestHome home;
};

QTEST_GUILESS_MAIN(TestNamedMutex)
#include "tst_namedmutex.moc"
