#include "bevent.h"
#include "filewatcher.h"
#include "hubcore.h"
#include "ifiledownhandle.h"
#include "ihttpdaomgr.h"
#include "imagemanager.h"
#include "iplugin.h"
#include "log.h"
#include "pluginids.h"
#include "pluginsglobal.h"
#include "simpleplugin.h"
#include "testhome.h"

#include <QtTest>

namespace {

// The network plug-in as Hubcore sees it: it records the handles it is told to forget.
class NetworkPlugin : public QObject, public SimplePlugin, public IHttpDaoMgr
{
    Q_OBJECT
    Q_INTERFACES(IPlugin IHttpDaoMgr)

public:
    NetworkPlugin() : SimplePlugin(this, kHttpDaoMgrPluginId) {}
    void addTask(HttpTaskInfo&, int) override {}
    void removeHandle(IFileDownHandle* handle) override { removed.append(handle); }

    QList<IFileDownHandle*> removed;
};

class Handle : public IFileDownHandle
{
public:
    void onDownloadFinished(const HttpTaskInfo&) override {}
    void onDownloadProgress(const HttpTaskInfo&, qint64, qint64) override {}
    void onDownloadFailed(const HttpTaskInfo&) override {}
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QByteArray svg(const char* colour, int side)
{
    return QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='") + QByteArray::number(side) + "' height='"
        + QByteArray::number(side) + "'><rect width='100%' height='100%' fill='" + colour + "'/></svg>";
}

} // namespace

class TestHubcoreServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        QCOMPARE(Hubcore::instance()->dataFolderPath(), home.data() + QStringLiteral("/VelmoraDeck"));
    }

    void logTakesMessagesFromEveryThread()
    {
        Log* log = Log::instance();
        log->start();
        QThread worker;
        worker.setObjectName(QStringLiteral("worker"));
        QObject::connect(&worker, &QThread::started, [] {
            qInfo() << "from the worker" << 42;
            QThread::currentThread()->quit();
        });
        worker.start();
        QVERIFY(worker.wait(5000));
        qWarning("from the main thread");
        log->stop();

        QFile file(log->filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(QStringLiteral(" info [worker] from the worker 42\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral(" warning [main] from the main thread\n")), qPrintable(text));
    }

    void logRotationKeepsTheBound()
    {
        Log* log = Log::instance();
        log->setMaxFileSize(4096);
        log->start();
        for (int i = 0; i < 500; ++i)
            qInfo("line %d of the rotation test", i);
        log->stop();
        const QFileInfo current(log->filePath());
        const QFileInfo previous(log->filePath() + QStringLiteral(".1"));
        QVERIFY(previous.exists());
        QVERIFY(current.size() <= 4096);
        QVERIFY(previous.size() <= 4096);
        QFile file(current.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("line 499 of the rotation test\n"));
    }

    void eventTypesAreRegisteredOnce()
    {
        BEvent::init();
        const QList<QEvent::Type> first = {BEvent::CountryCodeChange, BEvent::ModedGameListChange,
                                           BEvent::PlayGameStrategyChange};
        BEvent::init();
        QCOMPARE((QList<QEvent::Type>{BEvent::CountryCodeChange, BEvent::ModedGameListChange,
                                      BEvent::PlayGameStrategyChange}),
                 first);
        QCOMPARE(QSet<QEvent::Type>(first.begin(), first.end()).size(), 3);
        for (QEvent::Type type : first)
            QVERIFY(type >= QEvent::User && type <= QEvent::MaxUser);
    }

    void httpManagerComesFromTheNetworkPlugin()
    {
        QVERIFY(!Hubcore::instance()->getHttpDaoMgr());
        auto* network = new NetworkPlugin;
        PluginsGlobal::initPlugins(kHttpDaoMgrPluginId.toString(), network);
        QCOMPARE(Hubcore::instance()->getHttpDaoMgr(), static_cast<IHttpDaoMgr*>(network));

        auto* handle = new Handle;
        const auto address = quintptr(static_cast<IFileDownHandle*>(handle));
        delete handle;  // a handle leaves the manager when it dies
        QCOMPARE(network->removed.size(), 1);
        QCOMPARE(quintptr(network->removed.first()), address);

        delete network;
        QVERIFY(!Hubcore::instance()->getHttpDaoMgr());
        Handle afterwards;  // and dies safely once the manager is gone
    }

    void roundedPixmapHasTransparentCorners()
    {
        QPixmap square(40, 40);
        square.fill(Qt::red);
        const QImage rounded = Hubcore::instance()->pixmapToRound(square, 8).toImage();
        QCOMPARE(rounded.size(), QSize(40, 40));
        for (const QPoint& corner : {QPoint(0, 0), QPoint(39, 0), QPoint(0, 39), QPoint(39, 39)})
            QCOMPARE(qAlpha(rounded.pixel(corner)), 0);
        QCOMPARE(rounded.pixelColor(20, 20), QColor(Qt::red));
        QCOMPARE(rounded.pixelColor(20, 0), QColor(Qt::red));  // edges away from the corners stay
        QVERIFY(Hubcore::instance()->pixmapToRound(QPixmap(), 4).isNull());
    }

    void imagesAreCachedUntilTheirFileChanges()
    {
        ImageManager* images = ImageManager::instance();
        const QString path = home.path() + QStringLiteral("/icon.svg");
        QVERIFY(images->getPixmapByPath(path).isNull());  // not there yet

        writeFile(path, svg("blue", 16));
        const QPixmap blue = images->getPixmapByPath(path);
        QVERIFY(!blue.isNull());
        QCOMPARE(blue.size(), QSize(256, 256));
        QCOMPARE(blue.toImage().pixelColor(128, 128), QColor(Qt::blue));
        QCOMPARE(images->getPixmapByPath(path).cacheKey(), blue.cacheKey());

        writeFile(path, svg("lime", 300));
        QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        const QPixmap green = images->getPixmapByPath(path);
        QCOMPARE(green.size(), QSize(300, 300));
        QCOMPARE(green.toImage().pixelColor(10, 10), QColor(Qt::green));

        const QString raster = home.path() + QStringLiteral("/icon.png");
        QImage image(7, 5, QImage::Format_ARGB32);
        image.fill(Qt::yellow);
        QVERIFY(image.save(raster));
        QCOMPARE(images->getPixmapByPath(raster).size(), QSize(7, 5));

        writeFile(home.path() + QStringLiteral("/broken.png"), "not an image");
        QVERIFY(images->getPixmapByPath(home.path() + QStringLiteral("/broken.png")).isNull());
    }

    void controlFileRequests_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("expected");  // -1: no request
        QTest::newRow("exit") << QByteArray("0") << int(FileWatcher::Exit);
        QTest::newRow("language") << QByteArray("1\n") << int(FileWatcher::LanguageChanged);
        QTest::newRow("close sign-in windows") << QByteArray(" 2 ") << int(FileWatcher::CloseLogin);
        QTest::newRow("unknown number") << QByteArray("7") << -1;
        QTest::newRow("not a number") << QByteArray("quit") << -1;
    }
    void controlFileRequests()
    {
        QFETCH(QByteArray, written);
        QFETCH(int, expected);
        FileWatcher* watcher = FileWatcher::instance();
        QSignalSpy spy(watcher, &FileWatcher::fileEvent);
        writeFile(watcher->controlFilePath(), written);
        if (expected < 0) {
            QTest::qWait(300);
            QCOMPARE(spy.count(), 0);
            return;
        }
        QVERIFY(spy.wait(5000));
        QTest::qWait(100);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<FileWatcher::FileEvent>(), FileWatcher::FileEvent(expected));
    }

    void controlFileReplacedByRename()
    {
        FileWatcher* watcher = FileWatcher::instance();
        QSignalSpy spy(watcher, &FileWatcher::fileEvent);
        const QString staged = watcher->controlFilePath() + QStringLiteral(".new");
        writeFile(staged, "2");
        QFile::remove(watcher->controlFilePath());
        QVERIFY(QFile::rename(staged, watcher->controlFilePath()));
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.last().first().value<FileWatcher::FileEvent>(), FileWatcher::CloseLogin);

        writeFile(watcher->controlFilePath(), "1");  // still watched after the rename
        QTRY_COMPARE_WITH_TIMEOUT(spy.last().first().value<FileWatcher::FileEvent>(), FileWatcher::LanguageChanged,
                                  5000);
    }

private:
    TestHome home;
};

QTEST_MAIN(TestHubcoreServices)
#include "tst_hubcoreservices.moc"
