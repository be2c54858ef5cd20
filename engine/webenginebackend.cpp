#include "webenginebackend.h"

#include "browserwindow.h"
#include "rendereremulation.h"
#include "engineruntime.h"
#include "webenginebrowser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQuickWebEngineProfile>
#include <QWidget>
#include <QtWebEngine>

// The QML of the browsers is a resource of this static library.
static void initResources()
{
    Q_INIT_RESOURCE(engine);
}

namespace {

// The names of the global functions the application installs in every JavaScript context.
QStringList applicationFunctions()
{
    QStringList names;
    for (const CefString& name : RendererEmulation::functionNames())
        names.append(QString::fromStdString(name.ToString()));
    return names;
}

} // namespace

QStringList WebEngineBackend::chromiumFlags(CefRefPtr<CefCommandLine> commandLine, cef_log_severity_t severity)
{
    QStringList flags;
    for (const auto& entry : commandLine->GetSwitches()) {
        const QString name = QString::fromStdString(entry.first);
        flags.append(entry.second.empty() ? QStringLiteral("--") + name
                                          : QStringLiteral("--%1=%2").arg(name, QString::fromStdString(entry.second)));
    }
    // Chromium's levels: 0 info, 1 warning, 2 error, 3 fatal.
    const int level = severity == LOGSEVERITY_DEFAULT ? -1
        : severity <= LOGSEVERITY_INFO                ? 0
        : severity == LOGSEVERITY_WARNING             ? 1
        : severity == LOGSEVERITY_ERROR               ? 2
                                                      : 3;
    if (level >= 0)
        flags.append(QStringLiteral("--log-level=%1").arg(level));
    return flags;
}

bool WebEngineBackend::initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine)
{
    m_settings = settings;
    // Read by Qt WebEngine when its first page or profile comes to be.
    QStringList flags = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    flags += chromiumFlags(commandLine, settings.log_severity);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(QLatin1Char(' ')).toLocal8Bit());
    if (settings.remote_debugging_port > 0)
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", QByteArray::number(settings.remote_debugging_port));
    qInfo() << "[engine] Chromium flags:" << flags.join(QLatin1Char(' '));
    initResources();
    // Before the application object exists; afterwards shared GL contexts must have been asked for.
    if (!QCoreApplication::instance())
        QtWebEngine::initialize();
    else if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        qWarning() << "[engine] set Qt::AA_ShareOpenGLContexts before the application object";
    BrowserWindow::setFunctionNames(applicationFunctions());
    return true;
}

void WebEngineBackend::applyProfile()
{
    if (m_profileApplied)
        return;
    m_profileApplied = true;
    QQuickWebEngineProfile* profile = QQuickWebEngineProfile::defaultProfile();
    if (!m_settings.user_agent.empty())
        profile->setHttpUserAgent(QString::fromStdString(m_settings.user_agent.ToString()));
    if (!m_settings.cache_path.empty()) {
        const QString path = QString::fromStdString(m_settings.cache_path.ToString());
        profile->setCachePath(path);
        profile->setPersistentStoragePath(path);
    }
}

bool WebEngineBackend::createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                                     const CefBrowserSettings&)
{
    CefRefPtr<WebEngineBrowser> browser =
        new WebEngineBrowser(EngineRuntime::instance().nextBrowserId(), client, false, url);
    const QUrl address(QString::fromStdString(url.ToString()));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, browser, windowInfo, address] {
            applyProfile();
            new BrowserWindow(browser, windowInfo, address);
            browser->announceCreated();
        },
        Qt::AutoConnection);
    return true;
}

void WebEngineBackend::shutdown() {}

void WebEngineBackend::onWidget(CefWindowHandle window, std::function<void(QWidget*)> work)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [window, work] {
            if (QWidget* widget = QWidget::find(WId(window)))
                work(widget);
        },
        Qt::AutoConnection);
}

void WebEngineBackend::setWindowText(CefWindowHandle window, const CefString& text)
{
    const QString title = QString::fromStdString(text.ToString());
    onWidget(window, [title](QWidget* widget) { widget->setWindowTitle(title); });
}

void WebEngineBackend::showWindow(CefWindowHandle window, bool visible)
{
    onWidget(window, [visible](QWidget* widget) { widget->setVisible(visible); });
}

void WebEngineBackend::setWindowGeometry(CefWindowHandle window, const CefRect& rect)
{
    onWidget(window, [rect](QWidget* widget) {
        const qreal ratio = widget->devicePixelRatioF();
        widget->setGeometry(qRound(rect.x / ratio), qRound(rect.y / ratio), qRound(rect.width / ratio),
                            qRound(rect.height / ratio));
    });
}
