#include "cefwidget.h"

#include "bclient.h"
#include "cef_command_line.h"
#include "cef_request_context.h"
#include "giflabel.h"
#include "hubcore.h"
#include "language.h"
#include "nativewindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWindow>

namespace {

// The providers' public sign-in pages, matched as parts of a frame's address.
const QString kGoogleSignInPage = QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth");
const QString kFacebookSignInPage = QStringLiteral("https://www.facebook.com/login.php");
const QString kDiscordSignInPage = QStringLiteral("https://discord.com/oauth2/authorize");

constexpr int kMargin = 3;
constexpr unsigned kWmDpiChangedAfterParent = 0x02E3;

QString offlinePagePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/www/offline_cef.html");
}

// Text for the engine as UTF-8, so that non-ASCII addresses and folders survive.
CefString engineText(const QString& text)
{
    return CefString(text.toStdString());
}

bool onGuiThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

CefWidget::CefWidget(QWidget* parent)
    : QWidget(parent)
    , m_retryTimer(new QTimer(this))
    , m_loadingPanel(new QWidget)
    , m_loadTimeoutTimer(new QTimer(this))
    , m_loadingLabel(new QLabel)
    , m_loadingGif(new GifLabel)
    , m_handler(new SimpleHandler)
{
    setWindowFlag(Qt::FramelessWindowHint);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kMargin, 0, kMargin, kMargin);
    m_loadingPanel->setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
    grid->addWidget(m_loadingPanel);
    auto* column = new QVBoxLayout(m_loadingPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    column->addWidget(m_loadingGif);
    column->addWidget(m_loadingLabel);
    column->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    m_loadingGif->setAlignment(Qt::AlignCenter);
    m_loadingGif->setFixedHeight(GifLabel::kMovieSide);
    m_loadingGif->setGif(QCoreApplication::applicationDirPath() + QStringLiteral("/image/cef_browser_loading.gif"));
    m_loadingLabel->setAlignment(Qt::AlignCenter);
    m_loadingLabel->setFixedHeight(50);
    m_loadingLabel->setText(tr("Loading game. Please wait..."));
    m_loadingLabel->setStyleSheet(QStringLiteral("QLabel { color: #000000; font-style: normal; font-weight: 400;"
                                                 " font-size: 16px; line-height: 27px; background: transparent; }"));

    m_retryTimer->setSingleShot(true);
    m_retryTimer->setInterval(kRetryMs);
    m_loadTimeoutTimer->setSingleShot(true);
    m_loadTimeoutTimer->setInterval(kLoadTimeoutMs);
    connect(m_loadTimeoutTimer, &QTimer::timeout, this, &CefWidget::showOfflinePage);
    connect(this, &CefWidget::loadingTimer, this, [this](bool start) {
        if (start)
            m_loadTimeoutTimer->start();
        else
            m_loadTimeoutTimer->stop();
    });
    connect(m_retryTimer, &QTimer::timeout, this, &CefWidget::reloadUrl);
    connect(this, &CefWidget::loadingTimer, this, [this](bool start) {
        if (!start)
            m_retryTimer->stop();
    });

    m_handler->setWidgetHandler(this);
}

CefWidget::~CefWidget()
{
    // Waits for a callback under way; none comes after.
    m_handler->setWidgetHandler(nullptr);
}

void CefWidget::startBrowser()
{
    QTimer::singleShot(kStartDelayMs, this, &CefWidget::createBrowser);
}

void CefWidget::setLoginMode(bool on)
{
    m_loginWatch = on;
    m_retryLoad = on;
}

void CefWidget::setLoadingText(const QString& text)
{
    m_loadingLabel->setText(tr(text.toUtf8().constData()));
}

void CefWidget::setLoadIntervals(int retryMs, int loadTimeoutMs)
{
    m_retryTimer->setInterval(retryMs);
    m_loadTimeoutTimer->setInterval(loadTimeoutMs);
}

QString CefWidget::offlinePageUrl()
{
    QUrl url = QUrl::fromLocalFile(offlinePagePath());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("location"), QStringLiteral("cefBrowser"));
    query.addQueryItem(QStringLiteral("lang"), Language::instance()->getCurrentLD().code);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

bool CefWidget::isLoadingShown() const
{
    return m_loadingPanel->isVisibleTo(this);
}

QString CefWidget::loadingText() const
{
    return m_loadingLabel->text();
}

void CefWidget::createBrowser()
{
    QString address = m_url;
    if (address.isEmpty())
        address = QString::fromStdString(CefCommandLine::GetGlobalCommandLine()->GetSwitchValue("url").ToString());
    if (address.isEmpty())
        address = Hubcore::instance()->getAppConfigValue(FarplayDefaultUrl).toString();
    const qreal ratio = devicePixelRatioF();
    CefWindowInfo windowInfo;
    windowInfo.SetAsChild(CefWindowHandle(winId()), CefRect{kMargin, 0, int(width() * ratio - kMargin) - kMargin,
                                                            int(height() * ratio - kMargin)});
    // Hidden until a load ends.
    windowInfo.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP;
    windowInfo.ex_style = WS_EX_NOACTIVATE;
    CefBrowserHost::CreateBrowser(windowInfo, m_handler.get(), engineText(address), CefBrowserSettings(), nullptr,
                                  CefRequestContext::GetGlobalContext());
    if (m_retryLoad)
        m_retryTimer->start();
    showLoading();
}

CefWindowHandle CefWidget::browserWindow() const
{
    return m_browser ? m_browser->GetHost()->GetWindowHandle() : 0;
}

void CefWidget::showLoading()
{
    m_loaded = false;
    if (m_browser)
        NativeWindow::show(browserWindow(), false);
    m_loadingPanel->show();
    m_loadingGif->show();
    m_loadingLabel->show();
    emit loadingTimer(true);
}

void CefWidget::onFullscreenChange(bool fullscreen)
{
    emit gameFullscreen(fullscreen);
}

void CefWidget::onLoadStart(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, cef_transition_type_t) {}

void CefWidget::onLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int statusCode)
{
    const QString frameUrl = QString::fromStdString(frame->GetURL().ToString());
    QMetaObject::invokeMethod(this, [this, frameUrl, statusCode] { loadEnded(frameUrl, statusCode); },
                              Qt::QueuedConnection);
}

void CefWidget::loadEnded(const QString& frameUrl, int statusCode)
{
    m_retryLoad = false;
    m_loaded = true;
    if (m_browser)
        NativeWindow::show(browserWindow(), true);
    m_loadingPanel->hide();
    m_loadingGif->hide();
    m_loadingLabel->hide();
    emit loadingTimer(false);
    fitBrowserWindow();
    nudgeSize();
    if (m_loginWatch && statusCode == 200
        && (frameUrl.contains(kGoogleSignInPage) || frameUrl.contains(kFacebookSignInPage)
            || frameUrl.contains(kDiscordSignInPage))) {
        m_loginWatch = false;
        BClient client;
        client.connectServer(Hubcore::instance()->getAppConfigValue(LauncherServerName).toString());
        client.sendMessage(QStringLiteral("-loginPageShow"));
    }
}

void CefWidget::nudgeSize()
{
    // Forces layout and resize events, and with them a fitted browser window.
    resize(width() + 1, height() + 1);
    resize(width() - 1, height() - 1);
}

void CefWidget::fitBrowserWindow()
{
    const CefWindowHandle window = browserWindow();
    if (!m_loaded || !window)
        return;
    const qreal ratio = devicePixelRatioF();
    NativeWindow::setGeometry(window, CefRect{kMargin, 0, int(width() * ratio - 2 * kMargin), int(height() * ratio - kMargin)});
}

void CefWidget::onLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int, const CefString&,
                            const CefString& failedUrl)
{
    // Asking for a failing offline page again would fail the same way, for ever.
    if (QUrl(QString::fromStdString(failedUrl.ToString())).toLocalFile() == offlinePagePath()) {
        qWarning() << "[farplay] the offline page did not load:" << offlinePagePath();
        return;
    }
    frame->LoadURL(engineText(offlinePageUrl()));
}

void CefWidget::showOfflinePage()
{
    if (m_browser)
        m_browser->GetFocusedFrame()->LoadURL(engineText(offlinePageUrl()));
}

void CefWidget::reloadUrl()
{
    if (m_browser && m_retryLoad)
        m_browser->GetFocusedFrame()->LoadURL(engineText(m_url));
}

void CefWidget::onBrowserCreated(CefRefPtr<CefBrowser> browser)
{
    m_hasBrowser = true;
    QMetaObject::invokeMethod(this, [this, browser] { m_browser = browser; }, Qt::QueuedConnection);
}

bool CefWidget::onSetFocus()
{
    return !(m_loaded && m_hasBrowser);
}

void CefWidget::onGotFocus()
{
    if (onGuiThread())
        gotFocus();
    else
        QMetaObject::invokeMethod(this, &CefWidget::gotFocus, Qt::QueuedConnection);
}

void CefWidget::gotFocus()
{
    if (m_loaded) {
        if (m_browser)
            m_browser->GetHost()->SendFocusEvent(true);
        return;
    }
    if (m_browser)
        m_browser->GetHost()->SendFocusEvent(false);
    if (parentWidget())
        parentWidget()->activateWindow();
}

void CefWidget::onExternalProtocol()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (parentWidget())
                parentWidget()->close();
        },
        Qt::QueuedConnection);
}

void CefWidget::onRefresh()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_browser)
                m_browser->GetFocusedFrame()->LoadURL(engineText(m_url));
            showLoading();
        },
        Qt::QueuedConnection);
}

void CefWidget::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void CefWidget::resizeEvent(QResizeEvent* event)
{
    fitBrowserWindow();
    QWidget::resizeEvent(event);
}

void CefWidget::showEvent(QShowEvent* event)
{
    // The scale change of Windows' WM_DPICHANGED_AFTERPARENT: here the window's screen changes.
    if (!m_watchingScreen && window()->windowHandle()) {
        m_watchingScreen = true;
        connect(window()->windowHandle(), &QWindow::screenChanged, this, &CefWidget::nudgeSize);
    }
    QWidget::showEvent(event);
}

bool CefWidget::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG" && static_cast<MSG*>(message)->message == kWmDpiChangedAfterParent)
        nudgeSize();
#else
    Q_UNUSED(kWmDpiChangedAfterParent)
#endif
    return QWidget::nativeEvent(eventType, message, result);
}

void CefWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        m_loadingLabel->setText(tr(m_loadingLabel->text().toUtf8().constData()));
    QWidget::changeEvent(event);
}
