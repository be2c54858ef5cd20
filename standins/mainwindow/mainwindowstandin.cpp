#include "mainwindowstandin.h"

#include "countrycodechangeevent.h"
#include "demowindow.h"
#include "filewatcher.h"
#include "hubcore.h"
#include "iaccount.h"
#include "iremixery.h"
#include "isimulatormgr.h"
#include "platform.h"
#include "pluginids.h"
#include "pluginlookup.h"

#include <QApplication>
#include <QDebug>
#include <QJsonArray>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

namespace {

QPixmap splashImage()
{
    QPixmap image(480, 270);
    image.fill(QColor(0x15, 0x14, 0x1c));
    QPainter painter(&image);
    painter.setPen(QColor(0xb9, 0xa8, 0xff));
    QFont font = painter.font();
    font.setPointSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Velmora Deck"));
    return image;
}

} // namespace

MainWindowStandin::MainWindowStandin()
    : StandinPlugin(this, kMainWindowPluginId, QStringLiteral("mainwindow"))
{
}

MainWindowStandin::~MainWindowStandin()
{
    delete m_splash.data();
    delete m_window.data();
}

void MainWindowStandin::preInit(int stage)
{
    record(QStringLiteral("preInit"), {stage});
    m_splash = new QSplashScreen(splashImage());
    m_splash->showMessage(tr("Starting…"), Qt::AlignBottom | Qt::AlignHCenter, Qt::white);
    m_splash->show();
    // A page that never answers must not leave the splash up for ever.
    QTimer::singleShot(kSplashLimitMs, this, [this] { closeBootAnimation(true); });
}

void MainWindowStandin::onStart()
{
    m_window = new DemoWindow;
    connect(m_window, &DemoWindow::pageChanged, this, [this](int mask) {
        record(QStringLiteral("pageChanged"), {mask});
        if (IRemixery* browser = remixery())
            browser->switchPage(mask, false);
    });
    connect(m_window, &DemoWindow::searchRequested, this, [this](const QString& query) {
        record(QStringLiteral("searchRequested"), {query});
        if (IRemixery* browser = remixery()) {
            browser->clientGotoSearch(query);
            browser->clientRealSearch(query, query);
        }
    });
    connect(m_window, &DemoWindow::accountClicked, this, [this] {
        if (QObject* account = accountObject())
            QMetaObject::invokeMethod(account, m_signedIn ? "signOut" : "showSignIn");
    });
    if (QObject* account = accountObject()) {
        connect(account, SIGNAL(changeAccountInfo(const ACCOUNTINFO&)), this, SLOT(onAccountChanged(const ACCOUNTINFO&)));
    }
    // The control file's exit request closes the window, as its close button does.
    connect(FileWatcher::instance(), &FileWatcher::fileEvent, this, [this](FileWatcher::FileEvent event) {
        if (event == FileWatcher::Exit && m_window)
            m_window->close();
    });
    if (auto* simulator = findPluginInterface<ISimulatorMgr>(manager(), kSimulatorMgrPluginId)) {
        QStringList names;
        const QMap<QString, QList<InstalledApp>> installed = simulator->installedApps();
        for (auto it = installed.cbegin(); it != installed.cend(); ++it) {
            for (const InstalledApp& app : it.value())
                names.append(QStringLiteral("%1 (%2)").arg(app.appName, it.key()));
        }
        m_window->showInstalledApps(names);
    }
    m_window->show();

    IRemixery* browser = remixery();
    if (!browser) {
        showNotice(tr("The Remixery plug-in is not installed."));
        return;
    }
    const QString url = Hubcore::instance()->getHostMap().value(QStringLiteral("RemixeryWeb"));
    browser->createBrowser(8, url, m_window->remixeryPane());
    if (IPlugin* plugin = manager()->getPlugin(kRemixeryPluginId)) {
        const QString country = Platform::userGeoIso2();
        record(QStringLiteral("announceCountry"), {country});
        QCoreApplication::postEvent(plugin->getObject(), new CountryCodeChangeEvent(country));
    }
}

void MainWindowStandin::onAccountChanged(const ACCOUNTINFO& info)
{
    record(QStringLiteral("onAccountChanged"), {info.signedIn, info.email});
    m_signedIn = info.signedIn;
    if (m_window)
        m_window->showAccount(info.signedIn ? info.email : QString());
}

void MainWindowStandin::requestLogin()
{
    record(QStringLiteral("requestLogin"));
    if (QObject* account = accountObject())
        QMetaObject::invokeMethod(account, "showSignIn");
}

int MainWindowStandin::currentPage()
{
    return m_window ? m_window->pageMask() : 1;
}

void MainWindowStandin::closeBootAnimation(bool close)
{
    record(QStringLiteral("closeBootAnimation"), {close});
    if (!m_splash)
        return;
    m_splash->close();
    m_splash->deleteLater();
    if (!qEnvironmentVariableIsEmpty("VELMORA_SCREENSHOT") && m_window) {
        m_window->showPage(DemoWindow::Remixery);
        QTimer::singleShot(kScreenshotDelayMs, this, &MainWindowStandin::takeScreenshot);
    }
}

void MainWindowStandin::changeBannerBackground(const BannerImage& banner)
{
    record(QStringLiteral("changeBannerBackground"), {banner.url, banner.direction});
    if (m_window)
        m_window->showBanner(banner.url, banner.direction);
}

bool MainWindowStandin::isLoadingShown()
{
    return m_splash && m_splash->isVisible();
}

void MainWindowStandin::quitRequested()
{
    record(QStringLiteral("quitRequested"));
    QCoreApplication::quit();
}

void MainWindowStandin::searchInGooglePlay(const QString& query)
{
    record(QStringLiteral("searchInGooglePlay"), {query});
    showNotice(tr("Searching the store for \"%1\"").arg(query));
}

void MainWindowStandin::showRealSearchResult(const QList<SearchResultApp>& results, QVariant context)
{
    QStringList names;
    QJsonArray packages;
    for (const SearchResultApp& app : results) {
        names.append(app.gameName.isEmpty() ? app.packageName : app.gameName);
        packages.append(app.packageName);
    }
    record(QStringLiteral("showRealSearchResult"), {packages, context.toString()});
    if (m_window)
        m_window->showSearchResults(names);
}

void MainWindowStandin::onWindowToTop()
{
    record(QStringLiteral("onWindowToTop"));
    if (!m_window)
        return;
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

void MainWindowStandin::onShowGameType(const IMyGame::GameType type)
{
    record(QStringLiteral("onShowGameType"), {int(type)});
    if (!m_window)
        return;
    onWindowToTop();
    switch (type) {
    case IMyGame::GameCenter: m_window->showPage(DemoWindow::GameCenter); break;
    case IMyGame::MyGames: m_window->showPage(DemoWindow::MyGames); break;
    case IMyGame::Remixery: m_window->showPage(DemoWindow::Remixery); break;
    }
}

void MainWindowStandin::onFlePlayGame(const QString& package, const QString& source)
{
    record(QStringLiteral("onFlePlayGame"), {package, source});
    onWindowToTop();
    showNotice(tr("Play %1 (asked by %2)").arg(package, source));
}

void MainWindowStandin::onShareMod(const QString& share)
{
    record(QStringLiteral("onShareMod"), {share});
    onWindowToTop();
    showNotice(tr("Shared mod: %1").arg(share));
}

void MainWindowStandin::onDeepLink(const QString& action, const QString& first, const QString& second)
{
    record(QStringLiteral("onDeepLink"), {action, first, second});
    onWindowToTop();
    showNotice(tr("Link: %1 %2 %3").arg(action, first, second).trimmed());
}

void MainWindowStandin::showNotice(const QString& text)
{
    record(QStringLiteral("showNotice"), {text});
    if (m_window)
        m_window->showNotice(text);
}

IRemixery* MainWindowStandin::remixery() const
{
    return findPluginInterface<IRemixery>(manager(), kRemixeryPluginId);
}

QObject* MainWindowStandin::accountObject() const
{
    IAccount* account = findPluginInterface<IAccount>(manager(), kAccountPluginId);
    return account ? account->getObject() : nullptr;
}

void MainWindowStandin::takeScreenshot()
{
    const QString path = qEnvironmentVariable("VELMORA_SCREENSHOT");
    const bool saved = m_window && m_window->screen()->grabWindow(m_window->winId()).save(path);
    record(QStringLiteral("screenshot"), {path, saved});
    if (!saved)
        qWarning() << "[mainwindow] screenshot not saved:" << path;
    if (m_window)
        m_window->close();
}
