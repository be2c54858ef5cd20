#include "browserwindow.h"

#include "cef_app.h"
#include "cef_v8.h"
#include "engineruntime.h"
#include "rendereremulation.h"

#include <QDebug>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString kCallMarker = QStringLiteral("\u0001engine-call:");
QStringList g_functionNames;

// Schemes the engine loads itself; any other goes to OnProtocolExecution.
const QStringList kKnownSchemes{QStringLiteral("http"),  QStringLiteral("https"), QStringLiteral("file"),
                                QStringLiteral("data"),  QStringLiteral("about"), QStringLiteral("blob"),
                                QStringLiteral("qrc"),   QStringLiteral("chrome"), QStringLiteral("devtools"),
                                QStringLiteral("javascript"), QStringLiteral("ws"), QStringLiteral("wss")};

// Load request statuses and error domains of QML's WebEngineView.
enum LoadStatus { LoadStarted = 0, LoadStopped = 1, LoadSucceeded = 2, LoadFailed = 3 };
constexpr int kHttpErrorDomain = 4;

int windowsKeyCode(const QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F12 - 11 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    switch (key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab: return 0x09;
    default: return 0;
    }
}

QRect logicalRect(const CefWindowInfo& info, qreal ratio)
{
    if (info.width == CW_USEDEFAULT || info.height == CW_USEDEFAULT)
        return QRect(QPoint(0, 0), QSize(1024, 768));
    return QRect(qRound(info.x / ratio), qRound(info.y / ratio), qRound(info.width / ratio), qRound(info.height / ratio));
}

} // namespace

BrowserWindow::BrowserWindow(CefRefPtr<WebEngineBrowser> browser, const CefWindowInfo& windowInfo, const QUrl& url)
    : m_browser(browser)
{
    const bool child = (windowInfo.style & WS_CHILD) && windowInfo.parent_window;
    QWidget* parent = child ? QWidget::find(WId(windowInfo.parent_window)) : nullptr;
    if (child && !parent)
        qWarning() << "[engine] no window" << windowInfo.parent_window << "to hold the browser; it gets its own";
    // Qt WebEngine's quick widget cannot be a native window itself: a native container is.
    m_window = new QWidget(parent);
    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    m_widget = new QQuickWidget(m_window);
    layout->addWidget(m_widget);
    m_widget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_widget->setFocusPolicy(Qt::StrongFocus);
    m_widget->rootContext()->setContextProperty(QStringLiteral("host"), this);
    m_widget->setSource(QUrl(QStringLiteral("qrc:/engine/browserview.qml")));
    m_widget->installEventFilter(this);
    const qreal ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    m_window->setGeometry(logicalRect(windowInfo, ratio));
    m_window->installEventFilter(this);
    if (parent) {
        // A native child, hidden until its host shows it.
        m_window->setAttribute(Qt::WA_NativeWindow);
        m_window->hide();
    } else {
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setWindowTitle(QString::fromStdString(windowInfo.window_name.ToString()));
        m_window->show();
    }
    m_browser->setWindowHandle(CefWindowHandle(m_window->winId()));
    m_browser->attach(this);
    connect(m_window, &QObject::destroyed, this, [this] { close(); });
    if (!url.isEmpty())
        load(url);
}

BrowserWindow::~BrowserWindow()
{
    delete m_devTools.data();
    delete m_window.data();
}

void BrowserWindow::setFunctionNames(const QStringList& names)
{
    g_functionNames = names;
}

QString BrowserWindow::functionScript() const
{
    // A synchronous prompt() carries the call to the client and brings its result back,
    // from the main frame and from every iframe alike.
    QString script = QStringLiteral("(function () {\n");
    for (const QString& name : qAsConst(g_functionNames)) {
        script += QStringLiteral("  window[%1] = function () { return prompt(%2, window.location.href); };\n")
                      .arg(QStringLiteral("\"%1\"").arg(name), QStringLiteral("\"\\u0001engine-call:%1\"").arg(name));
    }
    return script + QStringLiteral("})();");
}

QQuickItem* BrowserWindow::view() const
{
    return m_widget ? m_widget->rootObject() : nullptr;
}

void BrowserWindow::load(const QUrl& url)
{
    if (QQuickItem* item = view())
        item->setProperty("url", url);
}

void BrowserWindow::runJavaScript(const QString& code)
{
    if (QQuickItem* item = view())
        QMetaObject::invokeMethod(item, "runJavaScript", Q_ARG(QString, code));
}

void BrowserWindow::reload()
{
    if (QQuickItem* item = view())
        QMetaObject::invokeMethod(item, "reload");
}

void BrowserWindow::stop()
{
    if (QQuickItem* item = view())
        QMetaObject::invokeMethod(item, "stop");
}

void BrowserWindow::setFocus(bool focus)
{
    if (!m_widget)
        return;
    if (focus)
        m_widget->setFocus(Qt::OtherFocusReason);
    else
        m_widget->clearFocus();
}

void BrowserWindow::showDevTools(const CefWindowInfo& windowInfo)
{
    if (!m_devTools) {
        m_devTools = new QQuickWidget;
        m_devTools->setAttribute(Qt::WA_DeleteOnClose);
        m_devTools->setResizeMode(QQuickWidget::SizeRootObjectToView);
        m_devTools->setSource(QUrl(QStringLiteral("qrc:/engine/devtools.qml")));
        m_devTools->resize(logicalRect(windowInfo, qApp->devicePixelRatio()).size());
        if (QQuickItem* item = view())
            item->setProperty("devToolsView", QVariant::fromValue<QObject*>(m_devTools->rootObject()));
    }
    m_devTools->setWindowTitle(QString::fromStdString(windowInfo.window_name.ToString()));
    m_devTools->show();
    m_devTools->raise();
}

void BrowserWindow::close()
{
    if (m_closing)
        return;
    m_closing = true;
    m_browser->windowClosed();
    if (m_window) {
        m_window->removeEventFilter(this);
        m_widget->removeEventFilter(this);
        m_window->deleteLater();
    }
    deleteLater();
}

void BrowserWindow::loadEvent(int status, int errorCode, int errorDomain, const QString& errorString, const QUrl& url)
{
    CefRefPtr<WebEngineBrowser> browser = m_browser;
    CefRefPtr<CefFrame> frame = browser->mainFrame().get();
    const CefString address = url.toString().toStdString();
    const CefString text = errorString.toStdString();
    if (status == LoadStarted)
        browser->mainFrame()->setUrl(address);
    browser->post([browser, frame, status, errorCode, errorDomain, address, text](CefRefPtr<CefClient> client) {
        CefRefPtr<CefLoadHandler> handler = client->GetLoadHandler();
        if (!handler)
            return;
        switch (status) {
        case LoadStarted: handler->OnLoadStart(browser.get(), frame, TT_EXPLICIT); break;
        case LoadSucceeded: handler->OnLoadEnd(browser.get(), frame, 200); break;
        case LoadStopped: handler->OnLoadError(browser.get(), frame, ERR_ABORTED, "net::ERR_ABORTED", address); break;
        default:
            // A page that came with an HTTP error status loaded: that is a load end.
            if (errorDomain == kHttpErrorDomain)
                handler->OnLoadEnd(browser.get(), frame, errorCode);
            else
                handler->OnLoadError(browser.get(), frame, cef_errorcode_t(errorCode), text, address);
        }
    });
}

bool BrowserWindow::isKnownScheme(const QUrl& url) const
{
    return kKnownSchemes.contains(url.scheme().toLower());
}

void BrowserWindow::unknownScheme(const QUrl& url)
{
    CefRefPtr<WebEngineBrowser> browser = m_browser;
    const CefString address = url.toString().toStdString();
    browser->post([browser, address](CefRefPtr<CefClient> client) {
        CefRefPtr<CefRequest> request = CefRequest::Create();
        request->SetURL(address);
        bool disableDefault = false;
        bool allowOsExecution = false;
        CefRefPtr<CefRequestHandler> requests = client->GetRequestHandler();
        CefRefPtr<CefResourceRequestHandler> resources =
            requests ? requests->GetResourceRequestHandler(browser.get(), browser->mainFrame().get(), request, true,
                                                           false, CefString(), disableDefault)
                     : nullptr;
        if (resources)
            resources->OnProtocolExecution(browser.get(), browser->mainFrame().get(), request, allowOsExecution);
        if (allowOsExecution)
            qInfo() << "[engine] not handed to the system:" << QString::fromStdString(address.ToString());
    });
}

QObject* BrowserWindow::createPopup(const QUrl& url)
{
    EngineRuntime& runtime = EngineRuntime::instance();
    CefRefPtr<WebEngineBrowser> popup =
        new WebEngineBrowser(runtime.nextBrowserId(), m_browser->GetClient(), true, url.toString().toStdString());
    CefWindowInfo windowInfo;
    windowInfo.SetAsPopup(0, CefString());
    auto* window = new BrowserWindow(popup, windowInfo, QUrl());
    popup->announceCreated();
    return window->view();
}

void BrowserWindow::contextMenu(qreal x, qreal y, const QUrl&, const QString& selectedText)
{
    CefRefPtr<WebEngineBrowser> browser = m_browser;
    const QPoint position(qRound(x), qRound(y));
    const bool selection = !selectedText.isEmpty();
    QPointer<BrowserWindow> self(this);
    browser->post([browser, position, selection, self](CefRefPtr<CefClient> client) {
        CefRefPtr<CefMenuModel> model = CefMenuModel::Create();
        model->AddItem(1, "Back");
        model->AddItem(2, "Reload");
        if (selection)
            model->AddItem(3, "Copy");
        if (CefRefPtr<CefContextMenuHandler> handler = client->GetContextMenuHandler())
            handler->OnBeforeContextMenu(browser.get(), browser->mainFrame().get(), new CefContextMenuParams, model);
        if (model->GetCount() == 0)
            return;
        QStringList labels;
        for (size_t i = 0; i < model->GetCount(); ++i)
            labels.append(QString::fromStdString(model->GetLabelAt(i).ToString()));
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, position, labels] {
            if (!self || !self->m_widget)
                return;
            auto* menu = new QMenu(self->m_widget);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            for (const QString& label : labels)
                menu->addAction(label);
            menu->popup(self->m_widget->mapToGlobal(position));
        });
    });
}

void BrowserWindow::fullScreen(bool on)
{
    CefRefPtr<WebEngineBrowser> browser = m_browser;
    browser->post([browser, on](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefDisplayHandler> handler = client->GetDisplayHandler())
            handler->OnFullscreenModeChange(browser.get(), on);
    });
}

bool BrowserWindow::isFunctionCall(const QString& message) const
{
    return message.startsWith(kCallMarker);
}

QString BrowserWindow::callFunction(const QString& message, const QString& frameUrl)
{
    // The renderer side: the page's code runs here while the page waits for the answer.
    const CefString name = message.mid(kCallMarker.size()).toStdString();
    CefRefPtr<WebEngineFrame> main = m_browser->mainFrame();
    const bool fromMain = frameUrl.toStdString() == main->GetURL().ToString();
    CefRefPtr<CefFrame> frame =
        fromMain ? CefRefPtr<CefFrame>(main.get()) : CefRefPtr<CefFrame>(new WebEngineFrame(m_browser.get(), false, frameUrl.toStdString()));
    return QString::fromStdString(
        RendererEmulation::call(RendererEmulation::createContext(m_browser.get(), frame), name).ToString());
}

void BrowserWindow::titleEvent(const QString& title)
{
    CefRefPtr<WebEngineBrowser> browser = m_browser;
    const CefString text = title.toStdString();
    browser->post([browser, text](CefRefPtr<CefClient> client) {
        if (CefRefPtr<CefDisplayHandler> handler = client->GetDisplayHandler())
            handler->OnTitleChange(browser.get(), text);
    });
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Close && !m_closing) {
        // A top-level browser window closed by the user.
        QMetaObject::invokeMethod(this, &BrowserWindow::close, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
    if (watched != m_widget)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter && m_browser->dragsRefused()) {
        static_cast<QDragEnterEvent*>(event)->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        CefKeyEvent key;
        key.type = KEYEVENT_RAWKEYDOWN;
        key.windows_key_code = windowsKeyCode(static_cast<QKeyEvent*>(event));
        CefRefPtr<WebEngineBrowser> browser = m_browser;
        // Told without waiting: the GUI thread never waits for the engine's thread, so a key
        // cannot be consumed by the handler here (Farplay consumes none).
        browser->post([browser, key](CefRefPtr<CefClient> client) {
            bool shortcut = false;
            if (CefRefPtr<CefKeyboardHandler> handler = client->GetKeyboardHandler())
                handler->OnPreKeyEvent(browser.get(), key, nullptr, &shortcut);
        });
    } else if (event->type() == QEvent::FocusIn) {
        CefRefPtr<WebEngineBrowser> browser = m_browser;
        browser->post([browser](CefRefPtr<CefClient> client) {
            if (CefRefPtr<CefFocusHandler> handler = client->GetFocusHandler())
                handler->OnGotFocus(browser.get());
        });
    }
    return QObject::eventFilter(watched, event);
}
