#include "webmanager.h"

#include "accountinfo.h"
#include "hubcore.h"
#include "imainwindow.h"
#include "isimulatormgr.h"
#include "language.h"
#include "launcherinterfaces.h"
#include "mywebenginepage.h"
#include "mywebengineviewrm.h"
#include "vocabulary.h"
#include "waitloading.h"
#include "webbridge.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QHostInfo>
#include <QJsonArray>
#include <QMutex>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUrlQuery>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QtConcurrent>

#include <algorithm>

namespace {

const char kSpinnerProperty[] = "spinner";
const char kTypeProperty[] = "type";
const char kTimerProperty[] = "timer";
const char kPageProperty[] = "page";

// Replies to these reach the Remixery page whatever mask the sender gave.
const QSet<QString>& alwaysToRemixery()
{
    static const QSet<QString> events{kMethodGetInstalledApps, kMethodGetVmList,           kMethodGetUserToken,
                                      kMethodRefreshAccessToken, kMethodGetLanguage,       kMethodCloseClientLoading,
                                      kMethodUpdateUserToken,   kMethodUpdateInstalledAppsNotification,
                                      kMethodOpenClientLoading};
    return events;
}

// Book-keeping properties hold guarded identities, so a vanished object reads as null.
void setReference(QObject* holder, const char* name, QObject* target)
{
    holder->setProperty(name, QVariant::fromValue(QPointer<QObject>(target)));
}

template <typename T>
T* reference(const QObject* holder, const char* name)
{
    return qobject_cast<T*>(holder->property(name).value<QPointer<QObject>>().data());
}

QString offlinePagePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/www/offline.html");
}

bool isOfflinePage(const QUrl& url)
{
    return url.isLocalFile() && url.toLocalFile() == offlinePagePath();
}

} // namespace

WebManager::WebManager(QObject* parent)
    : QObject(parent)
    , m_requests(*this)
{
}

WebManager::~WebManager()
{
    m_stopping = true;
    for (auto& entry : m_sendInfos) {
        SendInfo& info = entry.second;
        if (!info.semaphore)
            continue;
        info.semaphore->release();
        info.future.waitForFinished();
    }
}

void WebManager::createBrowser(int type, const QString& url, QWidget* parent)
{
    if (type != kRemixeryPage || m_views.contains(kRemixeryPage))
        return;

    auto* view = new MyWebEngineViewRM(parent);
    auto* page = new MyWebEnginePage(this);
    view->setPage(page);
    page->profile()->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    page->setBackgroundColor(Qt::transparent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->settings()->setAttribute(QWebEngineSettings::WebGLEnabled, true);
    view->settings()->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);

    auto* bridge = new WebBridge(this);
    connect(bridge, &WebBridge::htmlData, this, &WebManager::onHtmlData);

    auto* spinner = new Waitloading(QCoreApplication::applicationDirPath() + QStringLiteral("/image/lo.svg"), parent);
    m_views.insert(type, ViewInfo{view, bridge, spinner, url});

    view->setContextMenuPolicy(Qt::NoContextMenu);
    setReference(page, kSpinnerProperty, spinner);
    page->setProperty(kTypeProperty, type);

    if (parent) {
        if (!parent->layout()) {
            auto* layout = new QBoxLayout(QBoxLayout::TopToBottom);
            layout->setContentsMargins(0, 0, 0, 0);
            parent->setLayout(layout);
        }
        parent->layout()->addWidget(view);
        view->adjustSize();
        view->resize(parent->size());
    }

    // The channel lives as long as the page it serves.
    auto* channel = new QWebChannel;
    channel->registerObject(QStringLiteral("webBridge"), bridge);
    page->setWebChannel(channel);
    connect(page, &QObject::destroyed, channel, [channel] { delete channel; });

    qInfo() << "[booting time][start]: [rm webengine] set url";
    page->load(QUrl(url, QUrl::TolerantMode));

    auto* timer = new QTimer(this);
    setReference(page, kTimerProperty, timer);
    setReference(timer, kPageProperty, page);
    timer->setInterval(m_loadTimeoutMs);
    connect(timer, &QTimer::timeout, this, &WebManager::onTimeOut);
    timer->start();

    connect(page, &QWebEnginePage::loadFinished, this, &WebManager::onLoadFinished);

    setViewVisible(false, kRemixeryPage);
    lookUpHost(kRemixeryPage);
}

void WebManager::lookUpHost(int)
{
    const QUrl testUrl(Hubcore::instance()->getAppConfigValue(DomainTestHost).toString());
    const QString host = testUrl.host(QUrl::FullyDecoded);
    qInfo() << "domain test host:" << host;
    QHostInfo::lookupHost(host, this, &WebManager::onLookedUp_Remixery);
}

void WebManager::onLookedUp_Remixery(const QHostInfo& host)
{
    if (host.addresses().isEmpty()) {
        loadOfflinePage();
        return;
    }
    if (QWebEnginePage* page = remixeryPage())
        page->load(QUrl(m_views.value(kRemixeryPage).url, QUrl::TolerantMode));
}

void WebManager::onLoadFinished(bool ok)
{
    auto* page = qobject_cast<QWebEnginePage*>(sender());
    if (!page)
        return;
    const int type = page->property(kTypeProperty).toInt();
    if (type == kRemixeryPage) {
        if (!ok) {
            qInfo() << "[booting time][finish]: [rm webengine] load fail";
            if (isOfflinePage(page->requestedUrl())) {
                // Asking for it again would fail the same way, for ever.
                qWarning() << "[RM] the offline page did not load:" << offlinePagePath();
            } else if (m_loadRetries > 0) {
                --m_loadRetries;
                lookUpHost(kRemixeryPage);
            } else {
                loadOfflinePage();
            }
        } else {
            qInfo() << "[booting time][finish]: [rm webengine] load success";
        }
    }
    if (auto* timer = reference<QTimer>(page, kTimerProperty))
        timer->stop();
    if (auto* spinner = reference<Waitloading>(page, kSpinnerProperty)) {
        spinner->stop();
        setViewVisible(true, type);
    }
}

void WebManager::onTimeOut()
{
    auto* timer = qobject_cast<QTimer*>(sender());
    if (!timer)
        return;
    timer->stop();
    auto* page = reference<QWebEnginePage>(timer, kPageProperty);
    if (!page)
        return;
    emit page->loadFinished(false);
    if (page->property(kTypeProperty).toInt() == kRemixeryPage) {
        if (IMainWindow* mainWindow = LauncherInterfaces::current().mainWindow)
            mainWindow->closeBootAnimation(true);
    }
}

void WebManager::loadOfflinePage()
{
    const QString path = offlinePagePath();
    if (!QFile::exists(path))
        qWarning() << "[RM] offline page missing:" << path;
    QUrl url = QUrl::fromLocalFile(path);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("location"), QStringLiteral("remixery"));
    query.addQueryItem(QStringLiteral("lang"), Language::instance()->getCurrentLD().code);
    url.setQuery(query);
    if (QWebEnginePage* page = remixeryPage())
        page->load(url);
    if (IMainWindow* mainWindow = LauncherInterfaces::current().mainWindow)
        mainWindow->closeBootAnimation(true);
}

QWebEnginePage* WebManager::remixeryPage() const
{
    const MyWebEngineViewRM* view = m_views.value(kRemixeryPage).view;
    return view ? view->page() : nullptr;
}

void WebManager::setViewVisible(bool visible, int pageMask)
{
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it) {
        if ((it.key() & pageMask) && it->view)
            it->view->setVisible(visible);
    }
}

bool WebManager::switchPage(int page, bool force)
{
    if (!force && page == m_activePage)
        return false;
    const bool result = m_activePage != kRemixeryPage;
    m_activePage = page;
    if (page == kRemixeryPage) {
        sendMessage(kRemixeryPage, kMethodOnPageviewShow, {{QStringLiteral("preview"), QStringLiteral("show")}});
    } else {
        const QString path = page == 4 ? QStringLiteral("gameCenter")
            : page == 2                ? QStringLiteral("farplay")
                                       : QStringLiteral("home");
        // Mask 7 is the launcher's own pages 1, 2 and 4.
        sendMessage(7, kMethodPageRouterTo, {{QStringLiteral("path"), path}});
        sendMessage(kRemixeryPage, kMethodOnPageviewShow, {{QStringLiteral("preview"), QStringLiteral("hide")}});
    }
    return result;
}

void WebManager::updateLanguage(const QString& language)
{
    sendMessage(kRemixeryPage, kMethodUpdateLanguage,
                {{QStringLiteral("language"), language}, {QStringLiteral("defaultLanguage"), QStringLiteral("en")}});
}

void WebManager::updateUserConfig(int value)
{
    sendMessage(kRemixeryPage, kMethodUpdateUserConfig, {{QStringLiteral("one_button_config"), value}});
}

void WebManager::clientGotoSearch(const QString& query)
{
    if (IMainWindow* mainWindow = LauncherInterfaces::current().mainWindow)
        sendMessage(mainWindow->currentPage(), kMethodClientGotoSearch, {{QStringLiteral("query"), query}});
}

void WebManager::clientRealSearch(const QString& query, const QVariant& context)
{
    if (IMainWindow* mainWindow = LauncherInterfaces::current().mainWindow)
        sendMessage(mainWindow->currentPage(), kMethodClientRealSearch, {{QStringLiteral("query"), query}});
    m_searchContext = context;
}

void WebManager::notifyInstalledAppsChanged()
{
    sendMessage(kRemixeryPage, kMethodUpdateInstalledAppsNotification, installedAppsJson());
}

void WebManager::onHtmlData(const QString& data)
{
    auto* bridge = qobject_cast<WebBridge*>(sender());
    if (!bridge)
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError)
        return;
    int page = 0;
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it) {
        if (it->bridge == bridge)
            page |= it.key();
    }
    QJsonObject reply;
    const QJsonObject request = document.object();
    dispatchRequest(request.value(QLatin1String("event")).toString(), reply, request, page);
    const QString callback = request.value(QLatin1String("callbackEvent")).toString();
    if (!callback.isEmpty())
        sendMessage(page, callback, reply);
}

void WebManager::dispatchRequest(const QString& event, QJsonObject& reply, const QJsonObject& request, int page)
{
    m_requests.handle(event, reply, request, page);
}

QJsonObject WebManager::installedAppsJson() const
{
    QJsonArray apps;
    if (ISimulatorMgr* simulatorMgr = LauncherInterfaces::current().simulatorMgr) {
        QStringList packages;
        const QMap<QString, QList<InstalledApp>> installed = simulatorMgr->installedApps();
        for (const QList<InstalledApp>& engineApps : installed) {
            for (const InstalledApp& app : engineApps)
                packages.append(app.packageName);
        }
        packages.removeDuplicates();
        std::sort(packages.begin(), packages.end());
        for (const QString& package : qAsConst(packages))
            apps.append(QJsonObject{{QStringLiteral("package_name"), package}});
        // Listed last, even when it is installed too.
        if (simulatorMgr->hasPlayStore())
            apps.append(QJsonObject{{QStringLiteral("package_name"), QStringLiteral("com.android.vending")}});
    }
    return {{QStringLiteral("action"), QStringLiteral("all")}, {QStringLiteral("apps"), apps}};
}

void WebManager::fillUserToken(QJsonObject& target, const ACCOUNTINFO& info)
{
    if (!info.signedIn)
        return;
    const Hubcore* hubcore = Hubcore::instance();
    target.insert(QStringLiteral("email"), info.email);
    target.insert(QStringLiteral("token"), info.token);
    target.insert(QStringLiteral("userid"), info.userId);
    target.insert(QStringLiteral("xtoken"), hubcore->getAppConfigValue(UserXToken).toString());
    target.insert(QStringLiteral("accesstoken"), hubcore->getAppConfigValue(UserAccessToken).toString());
    target.insert(QStringLiteral("refreshtoken"), hubcore->getAppConfigValue(UserRefreshToken).toString());
}

QList<int> WebManager::typesReachedBy(int mask) const
{
    QList<int> types;
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it) {
        if (it.key() & mask)
            types.append(it.key());
    }
    return types;
}

Waitloading* WebManager::spinner(int type) const
{
    return m_views.value(type).spinner;
}

void WebManager::sendMessage(int page, const QString& event, const QJsonObject& data)
{
    const QJsonObject message{{QStringLiteral("event"), event}, {QStringLiteral("page"), page},
                              {QStringLiteral("data"), data}};
    const int mask = alwaysToRemixery().contains(event) ? (page | kRemixeryPage) : page;
    for (auto it = m_views.cbegin(); it != m_views.cend(); ++it) {
        if (!(it.key() & mask))
            continue;
        SendInfo& info = m_sendInfos[it.key()];
        if (!info.future.isRunning()) {
            info.bridge = it->bridge;
            info.mutex = std::make_unique<QMutex>();
            info.semaphore = std::make_unique<QSemaphore>(0);
            info.future = QtConcurrent::run(QThreadPool::globalInstance(), &WebManager::send, this, &info);
        }
        {
            QMutexLocker lock(info.mutex.get());
            info.queue.append(message);
        }
        info.semaphore->release();
    }
}

void WebManager::send(WebManager* manager, SendInfo* info)
{
    if (!manager || !info)
        return;
    info->semaphore->acquire();
    while (!manager->m_stopping) {
        {
            QMutexLocker lock(info->mutex.get());
            if (!info->queue.isEmpty()) {
                QJsonObject message = info->queue.takeFirst();
                message.insert(QStringLiteral("stamp"), QDateTime::currentDateTime().toMSecsSinceEpoch());
                info->bridge->setProperty("content", message);
            }
        }
        // Paused outside the lock, so that a producer on the GUI thread never waits for it.
        QThread::msleep(kDeliveryGapMs);
        info->semaphore->acquire();
    }
}
