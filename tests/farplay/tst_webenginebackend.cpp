#include "bserver.h"
#include "cef_app.h"
#include "hubcore.h"
#include "localhttpserver.h"
#include "nativewindow.h"
#include "recordingwidget.h"
#include "simpleapp.h"
#include "simplehandler.h"
#include "farplayengine.h"
#include "testhome.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMimeData>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char kFramesPage[] =
    "<html><head><title>loading</title></head><body>"
    "<iframe id='inner' src='/inner'></iframe><a id='own' href='velmora://library/open'>open</a>"
    "<script>"
    "document.addEventListener('contextmenu', function () { document.title = 'context menu asked'; });"
    "document.getElementById('inner').addEventListener('load', function () {"
    "  var inner = frames[0];"
    "  var result = inner.refresh();"
    "  document.title = 'main:' + typeof window.refresh + ' inner:' + typeof inner.refresh + ' result:' + result;"
    "});"
    "</script></body></html>";

} // namespace

// The Qt WebEngine back end with Farplay's own client and application object, on real
// pages served over loopback.
class TestWebEngineBackend : public QObject
{
    Q_OBJECT

public slots:
    void recordSystemUrl(const QUrl& url) { m_systemUrls.append(url.toString()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QVERIFY(m_server.listen());
        m_server.setRoute(QStringLiteral("/frames"), kFramesPage);
        m_server.setRoute(QStringLiteral("/inner"), "<html><body>inner</body></html>");
        QDesktopServices::setUrlHandler(QStringLiteral("velmora"), this, "recordSystemUrl");
        QVERIFY(startFarplayEngine(m_home, m_launcher, false));

        m_host.resize(800, 600);
        m_host.show();
        m_handler = new SimpleHandler;
        m_handler->setWidgetHandler(&m_widget);
        CefWindowInfo windowInfo;
        windowInfo.SetAsChild(CefWindowHandle(m_host.winId()), CefRect{0, 0, 800, 600});
        QVERIFY(CefBrowserHost::CreateBrowser(windowInfo, m_handler.get(), m_server.url("/frames").toString().toStdString(),
                                              CefBrowserSettings(), nullptr, nullptr));
        QTRY_COMPARE(m_widget.count(QStringLiteral("onBrowserCreated(browser)")), 1);
        m_window = QWidget::find(WId(m_widget.browsers().first()->GetHost()->GetWindowHandle()));
        QVERIFY(m_window);
        QCOMPARE(m_window->parentWidget(), &m_host);
        QVERIFY(!m_window->isVisible());
        const CefWindowHandle handle = m_widget.browsers().first()->GetHost()->GetWindowHandle();
        const qreal ratio = m_window->devicePixelRatioF();
        NativeWindow::setGeometry(handle, CefRect{int(3 * ratio), 0, int(700 * ratio), int(500 * ratio)});
        NativeWindow::show(handle, true);
        QTRY_VERIFY(m_window->isVisible());
        QCOMPARE(m_window->geometry(), QRect(3, 0, 700, 500));
        m_view = m_window->findChild<QQuickWidget*>();
        QVERIFY(m_view);
        QTRY_VERIFY_WITH_TIMEOUT(m_widget.count(QStringLiteral("onLoadEnd(200)")) >= 1, 30000);
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("velmora"));
        m_handler->setWidgetHandler(nullptr);
        CefShutdown();
    }

    void refreshExistsInEveryFrame()
    {
        QTRY_COMPARE_WITH_TIMEOUT(m_window->windowTitle(),
                                  QStringLiteral("main:function inner:function result:Refresh Test"), 20000);
        QTRY_VERIFY(m_widget.count(QStringLiteral("onRefresh")) >= 1);
    }

    void featureSwitchIsHandedToChromium()
    {
        // Chromium takes its switches from here when its first page comes to be; its helper
        // processes are forked from a zygote and do not show them.
        const QStringList flags = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '));
        QVERIFY(flags.contains(QStringLiteral("--enable-features=SharedArrayBuffer")));
    }

    void ownSchemeGoesToTheLauncherNotTheSystem()
    {
        QSignalSpy received(&m_launcher, &BServer::playFarplay);
        run("document.getElementById('own').click()");
        QTRY_COMPARE_WITH_TIMEOUT(m_widget.count(QStringLiteral("onExternalProtocol")), 1, 20000);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().first().toString(), QStringLiteral("-showMainwindow"));
        QTest::qWait(200);
        QCOMPARE(m_systemUrls, QStringList());
    }

    void rightClickShowsNoMenu()
    {
        QTest::mouseClick(m_view, Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->windowTitle(), QStringLiteral("context menu asked"), 20000);
        QTest::qWait(300);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void dragsIntoThePageAreRefused()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/notes.txt"))});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.accept();
        QCoreApplication::sendEvent(m_view, &enter);
        QVERIFY(!enter.isAccepted());
    }

    void f12OpensTheDeveloperToolsWhenEnabled()
    {
        SimpleHandler::devToolsEnabled = true;
        m_view->setFocus();
        QTest::keyClick(m_view, Qt::Key_F12);
        QTRY_VERIFY_WITH_TIMEOUT(devToolsWindow(), 20000);
        SimpleHandler::devToolsEnabled = false;
        devToolsWindow()->close();
    }

    void windowOpenMakesASecondBrowser()
    {
        run("window.open('/inner', '_blank')");
        QTRY_COMPARE_WITH_TIMEOUT(m_widget.count(QStringLiteral("onBrowserCreated(popup)")), 1, 20000);
        CefRefPtr<CefBrowser> popup = m_widget.browsers().last();
        QVERIFY(popup->IsPopup());
        QTRY_VERIFY_WITH_TIMEOUT(popup->GetMainFrame()->GetURL().ToString().find("/inner") != std::string::npos, 20000);
        popup->GetHost()->CloseBrowser(false);
    }

    void unresolvableHostIsALoadError()
    {
        main()->LoadURL("http://no-such-host.invalid/");
        QTRY_VERIFY_WITH_TIMEOUT(!m_widget.calls().filter(QStringLiteral("onLoadError(main, -105")).isEmpty(), 30000);
    }

private:
    static QWidget* devToolsWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == QLatin1String("DevTools"))
                return widget;
        }
        return nullptr;
    }
    CefRefPtr<CefFrame> main() const { return m_widget.browsers().first()->GetMainFrame(); }
    void run(const char* script) const { main()->ExecuteJavaScript(script, main()->GetURL(), 0); }

    TestHome m_home;
    LocalHttpServer m_server;
    BServer m_launcher{nullptr, BServer::Program::Farplay};
    RecordingWidget m_widget;
    CefRefPtr<SimpleHandler> m_handler;
    QWidget m_host;
    QWidget* m_window = nullptr;
    QQuickWidget* m_view = nullptr;
    QStringList m_systemUrls;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWebEngineBackend test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webenginebackend.moc"
