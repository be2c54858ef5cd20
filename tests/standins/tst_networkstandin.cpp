#include "httptaskinfo.h"
#include "ifiledownhandle.h"
#include "ihttpdaomgr.h"
#include "localhttpserver.h"
#include "testhome.h"

#include <QMutex>
#include <QPluginLoader>
#include <QThread>
#include <QtTest>
#include <atomic>

namespace {

// Records the callbacks it gets and the thread they come on.
class RecordingHandle : public IFileDownHandle
{
public:
    void onDownloadFinished(const HttpTaskInfo& task) override { note(task, finished); }
    void onDownloadProgress(const HttpTaskInfo&, qint64, qint64) override {}
    void onDownloadFailed(const HttpTaskInfo& task) override { note(task, failed); }

    std::atomic_int finished{0};
    std::atomic_int failed{0};

    HttpTaskInfo last()
    {
        QMutexLocker lock(&m_mutex);
        return m_last;
    }
    QThread* thread()
    {
        QMutexLocker lock(&m_mutex);
        return m_thread;
    }

private:
    void note(const HttpTaskInfo& task, std::atomic_int& count)
    {
        QMutexLocker lock(&m_mutex);
        m_last = task;
        m_thread = QThread::currentThread();
        ++count;
    }

    QMutex m_mutex;
    HttpTaskInfo m_last;
    QThread* m_thread = nullptr;
};

} // namespace

// The network stand-in: real HTTP on its own thread, callbacks from there, and none after
// removeHandle.
class TestNetworkStandin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(m_server.listen());
        m_server.setRoute(QStringLiteral("/api/game/list"), "{\"data\":[]}", "application/json");
        m_http = qobject_cast<IHttpDaoMgr*>(m_loader.instance());
        QVERIFY2(m_http, qPrintable(m_loader.errorString()));
    }

    void cleanupTestCase() { delete m_loader.instance(); }

    void answersFromItsOwnThread_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ok");
        QTest::newRow("finished") << int(LocalHttpServer::Mode::Serve) << "/api/game/list?country=US" << true;
        QTest::newRow("not found") << int(LocalHttpServer::Mode::Serve) << "/nothing" << false;
        QTest::newRow("no answer") << int(LocalHttpServer::Mode::Drop) << "/api/game/list" << false;
    }

    void answersFromItsOwnThread()
    {
        QFETCH(int, mode);
        QFETCH(QString, path);
        QFETCH(bool, ok);
        m_server.setMode(LocalHttpServer::Mode(mode));
        RecordingHandle handle;
        HttpTaskInfo task;
        task.name = QStringLiteral("GetModedGameList");
        task.url = m_server.url(path).toString();
        task.handle = &handle;
        m_http->addTask(task, 1);

        QTRY_COMPARE(handle.finished + handle.failed, 1);
        QCOMPARE(handle.finished == 1, ok);
        QVERIFY(handle.thread() && handle.thread() != QThread::currentThread());
        const HttpTaskInfo answer = handle.last();
        QCOMPARE(answer.name, task.name);
        QCOMPARE(answer.url, task.url);
        if (ok)
            QCOMPARE(answer.data, QByteArray("{\"data\":[]}"));
        m_http->removeHandle(&handle);
    }

    void removedHandleHearsNothing()
    {
        m_server.setMode(LocalHttpServer::Mode::Serve);
        RecordingHandle removed;
        RecordingHandle kept;
        for (RecordingHandle* handle : {&removed, &kept}) {
            HttpTaskInfo task;
            task.name = QStringLiteral("GetModedGameList");
            task.url = m_server.url(QStringLiteral("/api/game/list")).toString();
            task.handle = handle;
            m_http->addTask(task, 1);
        }
        // The server answers only when this thread runs its loop: the removal comes first.
        m_http->removeHandle(&removed);
        QTRY_COMPARE(kept.finished.load(), 1);
        QTest::qWait(100);
        QCOMPARE(removed.finished + removed.failed, 0);
        m_http->removeHandle(&kept);
    }

private:
    TestHome m_home;
    LocalHttpServer m_server;
    QPluginLoader m_loader{QStringLiteral(VD_NETWORK_STANDIN)};
    IHttpDaoMgr* m_http = nullptr;
};

QTEST_GUILESS_MAIN(TestNetworkStandin)
#include "tst_networkstandin.moc"
