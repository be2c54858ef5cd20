#include "bserver.h"
#include "cefwidget.h"
#include "hubcore.h"
#include "nativewindow.h"
#include "scriptedbackend.h"
#include "simpleapp.h"
#include "scriptedfarplaytest.h"
#include "testhome.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

namespace {

const char kGameUrl[] = "https://game.test/play";
constexpr int kRetryMs = 400;
constexpr int kTimeoutMs = 1000;

QStringList texts(const std::vector<std::string>& values)
{
    QStringList list;
    for (const std::string& value : values)
        list.append(QString::fromStdString(value));
    return list;
}

} // namespace

// The browser host widget on the scripted engine: the overlay, the two timers, the offline
// page, refresh(), the sign-in report, full-screen, focus, scale and language changes.
class TestCefWidget : public ScriptedFarplayTest
{
    Q_OBJECT

private slots:

    void init()
    {
        m_dialog = std::make_unique<QWidget>();
        m_dialog->resize(806, 603);
        m_widget = new CefWidget(m_dialog.get());
        m_widget->setGeometry(0, 0, 806, 603);
        m_widget->setLoadIntervals(kRetryMs, kTimeoutMs);
        m_dialog->show();
    }

    void cleanup()
    {
        m_dialog.reset();
        m_browser = nullptr;
    }

    void timers_data()
    {
        QTest::addColumn<bool>("retry");
        QTest::addColumn<bool>("loadsAtOnce");
        QTest::addColumn<QStringList>("loads");
        const QString offline = CefWidget::offlinePageUrl();
        QTest::newRow("loads before the retry") << true << true << QStringList();
        QTest::newRow("still loading: one reload, then the offline page") << true << false << QStringList{kGameUrl, offline};
        QTest::newRow("no retry: the offline page at the time-out") << false << false << QStringList{offline};
    }

    void timers()
    {
        QFETCH(bool, retry);
        QFETCH(bool, loadsAtOnce);
        QFETCH(QStringList, loads);
        m_widget->setRetryLoad(retry);
        start(kGameUrl);
        QVERIFY(m_widget->isLoadingShown());
        QVERIFY(!backend()->windowVisible(m_browser->GetWindowHandle()));
        if (loadsAtOnce)
            m_browser->doLoadEnd(m_browser->mainFrame().get(), 200);
        QTest::qWait(kTimeoutMs + 250);
        QCOMPARE(texts(m_browser->mainFrame()->loadedUrls()), loads);
        if (loadsAtOnce) {
            QVERIFY(!m_widget->isLoadingShown());
            QVERIFY(backend()->windowVisible(m_browser->GetWindowHandle()));
            const qreal ratio = m_widget->devicePixelRatioF();
            const CefRect fitted = backend()->windowGeometry(m_browser->GetWindowHandle());
            QCOMPARE(QRect(fitted.x, fitted.y, fitted.width, fitted.height),
                     QRect(3, 0, int(806 * ratio - 6), int(603 * ratio - 3)));
        }
    }

    void browserWindowStartsHiddenInPhysicalPixels()
    {
        start(kGameUrl);
        const CefWindowInfo info = m_browser->windowInfo();
        const qreal ratio = m_widget->devicePixelRatioF();
        QCOMPARE(info.parent_window, CefWindowHandle(m_widget->winId()));
        QCOMPARE(info.style, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP);
        QCOMPARE(info.ex_style, WS_EX_NOACTIVATE);
        QCOMPARE(QRect(info.x, info.y, info.width, info.height),
                 QRect(3, 0, int(806 * ratio - 3) - 3, int(603 * ratio - 3)));
    }

    void refreshReloadsTheGameAddress()
    {
        start(kGameUrl);
        loadEnd();
        m_browser->mainFrame()->setUrl("https://game.test/elsewhere");
        QCOMPARE(QString::fromStdString(m_browser->callFunction(m_browser->mainFrame(), "refresh").ToString()),
                 QStringLiteral("Refresh Test"));
        QTRY_VERIFY(m_widget->isLoadingShown());
        QCOMPARE(texts(m_browser->mainFrame()->loadedUrls()), QStringList{kGameUrl});
        QVERIFY(!backend()->windowVisible(m_browser->GetWindowHandle()));
    }

    void failingFrameGetsTheOfflinePageOnce()
    {
        start(kGameUrl);
        loadEnd();
        CefRefPtr<ScriptedFrame> iframe = m_browser->addSubFrame("ad", "https://ads.test/");
        m_browser->doLoadError(iframe.get(), ERR_NAME_NOT_RESOLVED, "net::ERR_NAME_NOT_RESOLVED", "https://ads.test/");
        QTRY_COMPARE(iframe->loadedUrls().size(), size_t(1));
        const QString offline = CefWidget::offlinePageUrl();
        QCOMPARE(texts(iframe->loadedUrls()), QStringList{offline});
        QVERIFY(m_browser->mainFrame()->loadedUrls().empty());
        // The offline page failing in turn is not asked for again.
        m_browser->doLoadError(iframe.get(), ERR_FAILED, "net::ERR_FILE_NOT_FOUND", offline.toStdString());
        m_browser->doFullscreen(true);
        QTRY_COMPARE(m_fullscreen.count(), 1);
        QCOMPARE(iframe->loadedUrls().size(), size_t(1));
    }

    void signInPageIsReportedOnce_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("reports");
        QTest::newRow("found") << 200 << 1;
        QTest::newRow("not found") << 404 << 0;
    }

    void signInPageIsReportedOnce()
    {
        QFETCH(int, status);
        QFETCH(int, reports);
        QSignalSpy received(&m_launcher, &BServer::playFarplay);
        m_widget->setLoginMode(true);
        start("https://login.game.test/");
        m_browser->mainFrame()->setUrl("https://discord.com/oauth2/authorize?client_id=42&scope=identify");
        m_browser->doLoadEnd(m_browser->mainFrame().get(), status);
        m_browser->doLoadEnd(m_browser->mainFrame().get(), status);
        QTRY_VERIFY(!m_widget->isLoadingShown());
        QTest::qWait(200);
        QCOMPARE(received.count(), reports);
        if (reports)
            QCOMPARE(received.first().first().toString(), QStringLiteral("-loginPageShow"));
    }

    void fullScreenReachesTheDialog()
    {
        start(kGameUrl);
        m_browser->doFullscreen(true);
        m_browser->doFullscreen(false);
        QTRY_COMPARE(m_fullscreen.count(), 2);
        QCOMPARE(m_fullscreen.at(0).first().toBool(), true);
        QCOMPARE(m_fullscreen.at(1).first().toBool(), false);
    }

    void scaleChangeRefitsTheBrowserWindow()
    {
        start(kGameUrl);
        loadEnd();
        const CefWindowHandle window = m_browser->GetWindowHandle();
        const CefRect fitted = backend()->windowGeometry(window);
        NativeWindow::setGeometry(window, CefRect{0, 0, 1, 1});
        emit m_dialog->windowHandle()->screenChanged(m_dialog->windowHandle()->screen());
        QTRY_COMPARE(backend()->windowGeometry(window).width, fitted.width);
        QCOMPARE(backend()->windowGeometry(window).x, 3);
    }

    void languageChangeRetranslatesTheLoadingText()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(VD_PROGRAM_DIR "/translations/velmora_de.qm")));
        QCOMPARE(m_widget->loadingText(), QStringLiteral("Loading game. Please wait..."));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(m_widget->loadingText(), QStringLiteral("Das Spiel wird geladen. Bitte warten …"));
        QCoreApplication::removeTranslator(&german);
    }

    void nonAsciiAddressReachesTheEngine()
    {
        const QString address = QStringLiteral("https://spiele.test/spiel/ü?name=Süß");
        start(address);
        QCOMPARE(QString::fromStdString(m_browser->mainFrame()->GetURL().ToString()), address);
        QVERIFY(CefWidget::offlinePageUrl().startsWith(QStringLiteral("file://")));
    }

    void focusBeforeAndAfterTheFirstLoad()
    {
        start(kGameUrl);
        m_browser->doFocusRequest();
        QTRY_COMPARE(m_browser->focusRequests.load(), 1);
        QCOMPARE(m_browser->focusRefusals.load(), 1);
        m_widget->onGotFocus();  // from the dialog, on the GUI thread
        QVERIFY(!m_browser->focused);
        loadEnd();
        m_browser->doFocusRequest();
        QTRY_COMPARE(m_browser->focusRequests.load(), 2);
        QCOMPARE(m_browser->focusRefusals.load(), 1);
        QTRY_VERIFY(m_browser->focused);
    }

    void externalProtocolClosesTheDialog()
    {
        start(kGameUrl);
        m_browser->doExternalProtocol("velmora://library");
        QTRY_VERIFY(!m_dialog->isVisible());
    }

    void destroyedWidgetHearsNothing()
    {
        start(kGameUrl);
        delete m_widget;
        m_browser->doLoadEnd(m_browser->mainFrame().get(), 200);
        m_browser->doFullscreen(true);
        m_browser->doLoadError(m_browser->mainFrame().get(), ERR_FAILED, "x", kGameUrl);
        // Without its widget the client shows its own error page, never the widget's.
        QTRY_COMPARE(m_browser->mainFrame()->loadedUrls().size(), size_t(1));
        QVERIFY(texts(m_browser->mainFrame()->loadedUrls()).first().startsWith(QStringLiteral("data:text/html")));
        QCOMPARE(m_fullscreen.count(), 0);
    }

private:
    static ScriptedBackend* backend() { return ScriptedBackend::current(); }

    void start(const QString& url)
    {
        m_fullscreen.clear();
        connect(m_widget, &CefWidget::gameFullscreen, this,
                [this](bool on) { m_fullscreen.append(QVariantList{on}); });
        m_widget->setUrl(url);
        const size_t before = backend()->browsers().size();
        m_widget->startBrowser();
        QTRY_COMPARE(backend()->browsers().size(), before + 1);
        m_browser = backend()->browsers().back();
        QTRY_VERIFY(m_widget->browser());
    }

    void loadEnd()
    {
        m_browser->doLoadEnd(m_browser->mainFrame().get(), 200);
        QTRY_VERIFY(!m_widget->isLoadingShown());
    }

    std::unique_ptr<QWidget> m_dialog;
    CefWidget* m_widget = nullptr;
    CefRefPtr<ScriptedBrowser> m_browser;
    QList<QVariantList> m_fullscreen;
};

QTEST_MAIN(TestCefWidget)
#include "tst_cefwidget.moc"
