#include "bapplication.h"
#include "imainwindow.h"

#include <QtTest>

namespace {

class QuitRecorder : public IMainWindow
{
public:
    QObject* getObject() override { return nullptr; }
    void preInit(int) override {}
    void requestLogin() override {}
    int currentPage() override { return 0; }
    void closeBootAnimation(bool) override {}
    void changeBannerBackground(const BannerImage&) override {}
    bool isLoadingShown() override { return false; }
    void quitRequested() override { ++quits; }
    void searchInGooglePlay(const QString&) override {}
    void showRealSearchResult(const QList<SearchResultApp>&, QVariant) override {}

    int quits = 0;
};

// Runs the event loop until it ends or timeoutMs pass; true when something ended it.
bool loopEnds(int timeoutMs)
{
    bool timedOut = false;
    QTimer::singleShot(timeoutMs, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(99);
    });
    const int code = QCoreApplication::exec();
    return !timedOut && code == 0;
}

} // namespace

class TestBApplication : public QObject
{
    Q_OBJECT

private slots:
    void quitRequestWithAVisibleWidgetDoesNothing()
    {
        auto* app = static_cast<BApplication*>(qApp);
        QWidget window;
        window.show();
        QuitRecorder recorder;
        app->mainWindow = &recorder;
        QVERIFY(!app->onQuitRequested());
        QTimer::singleShot(0, [] { QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit)); });
        QVERIFY2(!loopEnds(300), "a quit event ended the loop directly");
        QCOMPARE(recorder.quits, 0);
        app->mainWindow = nullptr;
    }

    void mainWindowDecides()
    {
        auto* app = static_cast<BApplication*>(qApp);
        QuitRecorder recorder;
        app->mainWindow = &recorder;
        QWidget window;
        window.show();
        QTimer::singleShot(0, [&window] { window.close(); });  // the last window closes
        QVERIFY(!loopEnds(300));
        QCOMPARE(recorder.quits, 1);
        app->mainWindow = nullptr;
    }

    void withoutMainWindowTheLauncherQuits()
    {
        auto* app = static_cast<BApplication*>(qApp);
        QWidget hidden;
        QTimer::singleShot(0, app, [app] { QVERIFY(app->onQuitRequested()); });
        QVERIFY(loopEnds(2000));
        QVERIFY(hidden.isHidden());
    }
};

int main(int argc, char** argv)
{
    BApplication app(argc, argv);
    TestBApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bapplication.moc"
