#include "bserver.h"
#include "cef_parser.h"
#include "engineruntime.h"
#include "hubcore.h"
#include "recordingwidget.h"
#include "scriptedbackend.h"
#include "simpleapp.h"
#include "simplehandler.h"
#include "scriptedfarplaytest.h"
#include "testhome.h"

#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

namespace {

const char kGameUrl[] = "https://game.test/play";

QString text(const CefString& value)
{
    return QString::fromStdString(value.ToString());
}

} // namespace

// Farplay's browser client and application object on the scripted engine: every policy of
// the client, the refresh() function of the renderer side, and the threads callbacks come on.
class TestSimpleHandler : public ScriptedFarplayTest
{
    Q_OBJECT

private slots:

    void init()
    {
        m_widget = std::make_unique<RecordingWidget>();
        m_handler = new SimpleHandler;
        m_handler->setWidgetHandler(m_widget.get());
        const size_t before = ScriptedBackend::current()->browsers().size();
        CefWindowInfo windowInfo;
        windowInfo.SetAsChild(0x42, CefRect{0, 0, 800, 600});
        QVERIFY(CefBrowserHost::CreateBrowser(windowInfo, m_handler.get(), kGameUrl, CefBrowserSettings(), nullptr, nullptr));
        QTRY_COMPARE(m_widget->count(QStringLiteral("onBrowserCreated(browser)")), 1);
        QCOMPARE(ScriptedBackend::current()->browsers().size(), before + 1);
        m_browser = ScriptedBackend::current()->browsers().back();
    }

    void cleanup()
    {
        m_handler->setWidgetHandler(nullptr);
        m_browser = nullptr;
        m_handler = nullptr;
    }

    void everyProcessRunsWithTheFeatureSwitch()
    {
        QCOMPARE(text(CefCommandLine::GetGlobalCommandLine()->GetSwitchValue("enable-features")),
                 QStringLiteral("SharedArrayBuffer"));
        QVERIFY(!SimpleHandler::chromeRuntimeActive());
        QCOMPARE(CefRefPtr<CefClient>(SimpleApp().GetDefaultClient()).get(), static_cast<CefClient*>(m_handler.get()));
    }

    void loadErrors_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("frameUrl");
        QTest::addColumn<bool>("reported");
        QTest::newRow("aborted") << -3 << kGameUrl << false;
        QTest::newRow("own scheme") << -302 << "velmora://library" << false;
        QTest::newRow("unknown scheme elsewhere") << -302 << kGameUrl << true;
        QTest::newRow("name not resolved") << -105 << kGameUrl << true;
    }

    void loadErrors()
    {
        QFETCH(int, code);
        QFETCH(QString, frameUrl);
        QFETCH(bool, reported);
        m_browser->mainFrame()->setUrl(frameUrl.toStdString());
        m_browser->doLoadError(m_browser->mainFrame().get(), cef_errorcode_t(code), "net::ERR_X", "https://x.test/");
        m_browser->doFullscreen(true);  // comes after, so the error has been handled by then
        QTRY_COMPARE(m_widget->count(QStringLiteral("onFullscreenChange(1)")), 1);
        QCOMPARE(m_widget->count(QStringLiteral("onLoadError")), reported ? 1 : 0);
        if (reported)
            QVERIFY(m_widget->calls().contains(QStringLiteral("onLoadError(main, %1, net::ERR_X, https://x.test/)").arg(code)));
        QVERIFY(m_browser->mainFrame()->loadedUrls().empty());
    }

    void loadErrorWithoutWidgetShowsTheErrorPage()
    {
        m_handler->setWidgetHandler(nullptr);
        CefRefPtr<ScriptedFrame> frame = m_browser->addSubFrame("ad", "https://ads.test/");
        m_browser->doLoadError(frame.get(), ERR_NAME_NOT_RESOLVED, "net::ERR_NAME_NOT_RESOLVED", "https://ads.test/");
        QTRY_COMPARE(frame->loadedUrls().size(), size_t(1));
        const QString url = QString::fromStdString(frame->loadedUrls().front());
        const QString prefix = QStringLiteral("data:text/html;base64,");
        QVERIFY(url.startsWith(prefix));
        const QByteArray html = QByteArray::fromBase64(QUrl::fromPercentEncoding(url.mid(prefix.size()).toLatin1()).toLatin1());
        QCOMPARE(html, QByteArray("<html><body bgcolor=\"white\"><h2>Failed to load URL https://ads.test/ with error "
                                  "net::ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>"));
        QVERIFY(m_widget->calls().filter(QStringLiteral("onLoad")).isEmpty());
    }

    void escapeLeavesFullScreenAndF12OpensToolsWhenEnabled_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("tools off") << false;
        QTest::newRow("tools on") << true;
    }

    void escapeLeavesFullScreenAndF12OpensToolsWhenEnabled()
    {
        QFETCH(bool, enabled);
        SimpleHandler::devToolsEnabled = enabled;
        m_browser->doKeyDown(VK_ESCAPE);
        m_browser->doKeyDown(VK_F12);
        QTRY_COMPARE(m_browser->keysSeen.load(), 2);
        SimpleHandler::devToolsEnabled = false;
        QCOMPARE(m_browser->keysConsumed.load(), 0);
        const std::vector<std::string> scripts = m_browser->mainFrame()->scripts();
        QCOMPARE(scripts.size(), size_t(1));
        QCOMPARE(QString::fromStdString(scripts.front()),
                 QStringLiteral("{document.webkitExitFullscreen()}|%1|0").arg(kGameUrl));
        QCOMPARE(m_browser->devToolsShown.load(), enabled);
        if (enabled) {
            const CefWindowInfo tools = m_browser->devToolsWindow();
            QCOMPARE(text(tools.window_name), QStringLiteral("DevTools"));
            QCOMPARE(tools.parent_window, CefWindowHandle(0));
            QCOMPARE(tools.style, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE);
            QCOMPARE(tools.x, CW_USEDEFAULT);
        }
    }

    void externalProtocolGoesToTheLauncher()
    {
        QSignalSpy received(&m_launcher, &BServer::playFarplay);
        m_browser->doExternalProtocol("velmora://library/open");
        QTRY_COMPARE(m_widget->count(QStringLiteral("onExternalProtocol")), 1);
        QCOMPARE(m_browser->osExecutions.load(), 0);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toString(), QStringLiteral("-showMainwindow"));
    }

    void browserListQuitsOnlyWhenEmpty()
    {
        const int quits = EngineRuntime::instance().quitRequests();
        m_browser->doPopup("https://game.test/help");
        QTRY_COMPARE(m_widget->count(QStringLiteral("onBrowserCreated(popup)")), 1);
        CefRefPtr<ScriptedBrowser> popup = ScriptedBackend::current()->browsers().back();
        QVERIFY(popup->IsPopup());
        QCOMPARE(popup->GetClient().get(), static_cast<CefClient*>(m_handler.get()));
        popup->CloseBrowser(false);
        QTRY_VERIFY(popup->closed);
        m_browser->doFullscreen(false);
        QTRY_COMPARE(m_widget->count(QStringLiteral("onFullscreenChange(0)")), 1);
        QCOMPARE(EngineRuntime::instance().quitRequests(), quits);
        m_browser->CloseBrowser(false);
        QTRY_COMPARE(EngineRuntime::instance().quitRequests(), quits + 1);
    }

    void refreshFromAnyFrame()
    {
        CefRefPtr<ScriptedFrame> iframe = m_browser->addSubFrame("game", "https://cdn.test/frame");
        for (const CefRefPtr<ScriptedFrame>& frame : {m_browser->mainFrame(), iframe}) {
            QCOMPARE(text(m_browser->callFunction(frame, "refresh")), QStringLiteral("Refresh Test"));
        }
        QTRY_COMPARE(m_widget->count(QStringLiteral("onRefresh")), 2);
        QCOMPARE(m_browser->unhandledMessages.load(), 0);
    }

    void otherMessagesAreNotHandled_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("argument");
        QTest::newRow("other argument") << "msg_from_render" << "reload";
        QTest::newRow("other message") << "msg_from_elsewhere" << "refresh";
    }

    void otherMessagesAreNotHandled()
    {
        QFETCH(QString, name);
        QFETCH(QString, argument);
        CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name.toStdString());
        message->GetArgumentList()->SetString(0, argument.toStdString());
        m_browser->mainFrame()->SendProcessMessage(PID_BROWSER, message);
        QTRY_COMPARE(m_browser->unhandledMessages.load(), 1);
        QCOMPARE(m_widget->count(QStringLiteral("onRefresh")), 0);
    }

    void pagePolicies()
    {
        m_widget->refuseFocus = true;
        m_browser->doContextMenu();
        m_browser->doDragFile("/home/user/notes.txt");
        m_browser->doFocusRequest();
        m_browser->doTitle("Sky Racer");
        QTRY_COMPARE(m_browser->focusRequests.load(), 1);
        QCOMPARE(m_browser->menusShown.load(), 0);
        QCOMPARE(m_browser->menusSuppressed.load(), 1);
        QCOMPARE(m_browser->dragsRefused.load(), 1);
        QCOMPARE(m_browser->focusRefusals.load(), 1);
        QCOMPARE(text(ScriptedBackend::current()->windowText(m_browser->GetWindowHandle())), QStringLiteral("Sky Racer"));
    }

    void detachedWidgetHearsNothing()
    {
        m_handler->setWidgetHandler(nullptr);
        m_browser->doLoadStart(m_browser->mainFrame().get());
        m_browser->doLoadEnd(m_browser->mainFrame().get(), 200);
        m_browser->doLoadError(m_browser->mainFrame().get(), ERR_FAILED, "net::ERR_FAILED", kGameUrl);
        m_browser->doFullscreen(true);
        m_browser->doFocusRequest();
        m_browser->doExternalProtocol("velmora://x");
        QCOMPARE(text(m_browser->callFunction(m_browser->mainFrame(), "refresh")), QStringLiteral("Refresh Test"));
        QTRY_COMPARE(m_browser->protocolsSeen.load(), 1);
        QCOMPARE(m_browser->focusRefusals.load(), 0);
        QCOMPARE(m_widget->calls(), QStringList{"onBrowserCreated(browser)"});
    }

    void widgetCallsComeOnTheEngineThread()
    {
        m_browser->doLoadStart(m_browser->mainFrame().get());
        m_browser->doLoadEnd(m_browser->mainFrame().get(), 200);
        m_browser->doFocusRequest();
        QTRY_COMPARE(m_widget->count(QStringLiteral("onGotFocus")), 1);
        QCOMPARE(m_widget->calls().mid(1, 2), (QStringList{"onLoadStart(main)", "onLoadEnd(200)"}));
        for (QThread* thread : m_widget->threads()) {
            QCOMPARE(thread, EngineRuntime::instance().uiThread());
            QVERIFY(thread != QThread::currentThread());
        }
    }

    void dataUrl()
    {
        QCOMPARE(QString::fromStdString(SimpleHandler::toDataUrl("<b>é</b>", "text/html")),
                 QStringLiteral("data:text/html;base64,PGI%2Bw6k8L2I%2B"));
    }

private:
    std::unique_ptr<RecordingWidget> m_widget;
    CefRefPtr<SimpleHandler> m_handler;
    CefRefPtr<ScriptedBrowser> m_browser;
};

QTEST_GUILESS_MAIN(TestSimpleHandler)
#include "tst_simplehandler.moc"
