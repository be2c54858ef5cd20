#include "farplay.h"

#include "bclient.h"
#include "framelesshelper.h"
#include "hubcore.h"
#include "imagemanager.h"
#include "language.h"
#include "toast.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace {

QString programFile(const char* path)
{
    return QCoreApplication::applicationDirPath() + QLatin1String(path);
}

const char kLogin[] = "login";
const char kCloudLogin[] = "fromCloudLogin";
constexpr float kScreenShare = 0.6225f;

} // namespace

Farplay::Farplay(const FarplayLaunchInfo& info, QWidget* parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    connect(FileWatcher::instance(), &FileWatcher::fileEvent, this, &Farplay::onFileEvent);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral("QDialog{background-color: #1B1E2C;}"));
    m_ui.widget_title->setStyleSheet(QStringLiteral("background-color: transparent;"));
    m_ui.widget_browser->setStyleSheet(QStringLiteral("background-color: #252A3E;"));
    initTitleBar();
    placeOnScreen();

    connect(m_ui.pushButton_min, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui.pushButton_max, &QPushButton::clicked, this, [this] {
        setWindowState((windowState() & ~Qt::WindowFullScreen) ^ Qt::WindowMaximized);
    });
    connect(m_ui.pushButton_close, &QPushButton::clicked, this, &Farplay::closeWindow);

    m_iconTimer = new QTimer(this);
    m_iconTimer->setInterval(kIconRetryMs);
    connect(m_iconTimer, &QTimer::timeout, this, &Farplay::refreshIcon);
    applyLaunchInfo(info.type, info.url, info.gameName, info.iconPath);

    m_frameless = new FramelessHelper(this);
    m_frameless->setTitleBarHeight(m_ui.widget_title->height());
    m_frameless->setEdgeWidth(5);
    m_frameless->setMaximizeOnDoubleClick(true);
    m_frameless->setMoveEnabled(true);
    m_frameless->setResizeEnabled(true);
    m_frameless->setResizePreview(true);
    m_frameless->attachTo(this);

    connect(m_ui.widget_browser, &CefWidget::gameFullscreen, this, &Farplay::gameFullscreenSwitch);
    m_ui.widget_browser->setUrl(m_url);
    m_ui.widget_browser->startBrowser();
}

Farplay::~Farplay() = default;

void Farplay::initTitleBar()
{
    m_ui.label_title->setStyleSheet(QStringLiteral("QLabel{color: #FFFFFF; font-style: normal; font-weight: bold;"
                                                   " font-size: 18px; line-height: 27px;}"));
    const QString shade = QStringLiteral("rgba(0, 0, 0, 61)");
    const QString darker = QStringLiteral("rgba(0, 0, 0, 102)");
    setupTitleButton(m_ui.pushButton_min, tr("Minimize"), programFile("/image/minimize_normal.svg"), shade, darker);
    setupTitleButton(m_ui.pushButton_max, tr("Maximize"), programFile("/image/maximize_normal.svg"), shade, darker);
    setupTitleButton(m_ui.pushButton_close, tr("Close"), programFile("/image/close_main.svg"),
                     QStringLiteral("rgba(220, 0, 28, 128)"), QStringLiteral("rgba(220, 0, 28, 204)"));
}

void Farplay::setupTitleButton(HxlPushButton* button, const QString& toolTip, const QString& image,
                               const QString& hover, const QString& pressed)
{
    button->setText(QString());
    button->setFixedSize(40, 40);
    button->setCursor(Qt::PointingHandCursor);
    button->setImageSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(toolTip);
    button->setImage(image);
    button->setStyleSheet(QStringLiteral("QPushButton:hover{ background-color: %1; }"
                                         "QPushButton:pressed{ background-color: %2; }")
                              .arg(hover, pressed));
}

void Farplay::applyLaunchInfo(const QString& type, const QString& url, const QString& gameName,
                              const QString& iconPath)
{
    m_url = url.isEmpty() ? Hubcore::instance()->getAppConfigValue(FarplayDefaultUrl).toString() : url;
    m_title = gameName.isEmpty() ? QStringLiteral("Velmora Deck") : gameName;
    m_iconPath = iconPath.isEmpty() ? programFile("/image/default_img.svg") : iconPath;
    m_launchType = type;
    if (type == QLatin1String(kLogin))
        m_ui.widget_browser->setRetryLoad(true);
    else if (type == QLatin1String(kCloudLogin))
        m_ui.widget_browser->setLoginMode(true);
    if (isSignInWindow()) {
        m_ui.widget_browser->setLoadingText(QString());
        m_title = tr("Sign in Velmora Deck");
        m_iconPath = programFile("/image/account/Default_img.svg");
    }
    if (!m_title.isEmpty()) {
        m_ui.label_title->setText(m_title);
        setWindowTitle(m_title);
    }
    if (!m_iconPath.isEmpty())
        refreshIcon();
}

bool Farplay::isSignInWindow() const
{
    return m_launchType == QLatin1String(kLogin) || m_launchType == QLatin1String(kCloudLogin);
}

bool Farplay::iconRetrying() const
{
    return m_iconTimer->isActive();
}

void Farplay::refreshIcon()
{
    QString path = m_iconPath;
    if (QFileInfo(path).isFile()) {
        m_iconTimer->stop();
    } else {
        path = programFile("/image/default_img.svg");
        m_iconTimer->start();
    }
    QPixmap pixmap = ImageManager::instance()->getPixmapByPath(path);
    if (!pixmap.isNull()) {
        const QSize side = m_ui.label_icon->size() * devicePixelRatioF();
        pixmap = pixmap.scaled(side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap = Hubcore::instance()->pixmapToRound(pixmap, 4);
    m_ui.label_icon->setScaledContents(true);
    m_ui.label_icon->setPixmap(pixmap);
    QApplication::setWindowIcon(pixmap);
    setWindowIcon(pixmap);
}

QRect Farplay::placement(const QRect& available)
{
    const int width = qMax(int(float(available.width()) * kScreenShare), 696);
    const int height = qMax(int(float(available.height()) * kScreenShare), 446);
    const int x = available.left() + (available.width() - width) / 2;
    const int y = qMax(available.top() + (available.height() - height) / 2, 0);
    return QRect(x, y, width, height);
}

QScreen* Farplay::screenAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen && !QGuiApplication::screens().isEmpty())
        screen = QGuiApplication::screens().constFirst();
    return screen;
}

void Farplay::placeOnScreen()
{
    QScreen* screen = screenAt(QCursor::pos());
    if (!screen)
        return;
    const QRect place = placement(screen->availableGeometry());
    resize(place.size());
    move(place.topLeft());
}

void Farplay::closeWindow()
{
    if (isSignInWindow()) {
        BClient client;
        client.connectServer(Hubcore::instance()->getAppConfigValue(LauncherServerName).toString());
        client.sendMessage(QStringLiteral("-closeLogin"));
    }
    close();
}

void Farplay::closeEvent(QCloseEvent* event)
{
    emit deleteSelf(this);
    QDialog::closeEvent(event);
}

void Farplay::onFileEvent(FileWatcher::FileEvent event)
{
    switch (event) {
    case FileWatcher::Exit:
        QCoreApplication::exit(0);
        break;
    case FileWatcher::LanguageChanged:
        Language::instance()->updateLanguageFromCache();
        break;
    case FileWatcher::CloseLogin:
        if (isSignInWindow())
            close();
        break;
    }
}

void Farplay::gameFullscreenSwitch(bool fullscreen)
{
    m_ui.widget_title->setVisible(!fullscreen);
    m_gameFullscreen = fullscreen;
    if (fullscreen) {
        setWindowState(windowState() | Qt::WindowFullScreen);
        Toast::showTip(tr("Press ESC to exit fullscreen."), this, false, 2000, Toast::AnchorPoint(1));
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    }
}

void Farplay::keyPressEvent(QKeyEvent* event)
{
    // Keys stop here: Escape must not reject the dialog, Enter trigger no default button.
    if (event->key() == Qt::Key_Escape)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else if (event->key() == Qt::Key_F11)
        setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void Farplay::focusInEvent(QFocusEvent*)
{
    m_ui.widget_browser->onGotFocus();
}

void Farplay::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui.pushButton_min->setToolTip(tr("Minimize"));
        m_ui.pushButton_max->setToolTip(tr("Maximize"));
        m_ui.pushButton_close->setToolTip(tr("Close"));
        updateMaxButton();
    } else if (event->type() == QEvent::WindowStateChange) {
        updateMaxButton();
    }
    QDialog::changeEvent(event);
}

void Farplay::updateMaxButton()
{
    if (windowState() & Qt::WindowMaximized) {
        m_ui.pushButton_max->setImage(programFile("/image/restore_normal.svg"));
        m_ui.pushButton_max->setToolTip(tr("Restore"));
    } else {
        m_ui.pushButton_max->setImage(programFile("/image/maximize_normal.svg"));
        m_ui.pushButton_max->setToolTip(tr("Maximize"));
    }
    // Full screen lasts only while the game page asks for it.
    if ((windowState() & Qt::WindowFullScreen) && !m_gameFullscreen)
        setWindowState(windowState() & ~Qt::WindowFullScreen);
}
