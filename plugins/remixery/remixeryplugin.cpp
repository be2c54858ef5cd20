#include "remixeryplugin.h"

#include "bevent.h"
#include "countrycodechangeevent.h"
#include "hubcore.h"
#include "iaccount.h"
#include "ihttpdaomgr.h"
#include "imygame.h"
#include "isetting.h"
#include "isimulatormgr.h"
#include "language.h"
#include "launcherinterfaces.h"
#include "modedgamelist.h"
#include "pluginids.h"
#include "vocabulary.h"
#include "webmanager.h"

#include <QDebug>
#include <QTimer>

namespace {

LauncherInterfaces& launcher()
{
    return LauncherInterfaces::current();
}

} // namespace

RemixeryPlugin::RemixeryPlugin()
    : m_webManager(new WebManager(this))
{
}

RemixeryPlugin::~RemixeryPlugin()
{
    // First of all, so that no HTTP callback reaches an object that is going away.
    if (IHttpDaoMgr* manager = Hubcore::instance()->getHttpDaoMgr())
        manager->removeHandle(this);
}

QObject* RemixeryPlugin::getObject()
{
    return this;
}

QUuid RemixeryPlugin::getUuid()
{
    return kRemixeryPluginId;
}

void RemixeryPlugin::getInfo(PluginInfo*) {}

bool RemixeryPlugin::prepare(IPluginManager* manager, int*)
{
    if (!manager)
        return false;
    launcher() = LauncherInterfaces::fetch(manager);
    return true;
}

bool RemixeryPlugin::init()
{
    connect(Language::instance(), &Language::languageChange, this,
            [this](const QString& language) { updateLanguage(language); }, Qt::DirectConnection);
    return true;
}

bool RemixeryPlugin::initFinished()
{
    return true;
}

bool RemixeryPlugin::start()
{
    if (!isRemixerySupported())
        return true;
    if (IAccount* account = launcher().account) {
        if (QObject* object = account->getObject()) {
            connect(object, SIGNAL(changeAccountInfo(const ACCOUNTINFO&)), this,
                    SLOT(onChangeAccountInfo(const ACCOUNTINFO&)));
        }
    }
    if (ISetting* setting = launcher().setting)
        setting->registerReceiver(this);
    return true;
}

bool RemixeryPlugin::stop()
{
    return true;
}

void RemixeryPlugin::createBrowser(int type, const QString& url, QWidget* parent)
{
    m_webManager->createBrowser(type, url, parent);
}

void RemixeryPlugin::lookUpHost(int type)
{
    m_webManager->lookUpHost(type);
}

void RemixeryPlugin::sendMessage(int page, const QString& event, const QJsonObject& data)
{
    m_webManager->sendMessage(page, event, data);
}

void RemixeryPlugin::clientRealSearch(const QString& query, const QVariant& context)
{
    m_webManager->clientRealSearch(query, context);
}

void RemixeryPlugin::clientGotoSearch(const QString& query)
{
    m_webManager->clientGotoSearch(query);
}

void RemixeryPlugin::updateLanguage(const QString& language)
{
    m_webManager->updateLanguage(language);
}

void RemixeryPlugin::setBrowserVisible(bool visible)
{
    // Mask 1 is none of this plug-in's pages.
    m_webManager->setViewVisible(visible, 1);
}

void RemixeryPlugin::receiveModedGameList(const QJsonObject&)
{
    // The browser plug-in's implementation takes the list; this one has no use for it.
}

bool RemixeryPlugin::switchPage(int page, bool force)
{
    return m_webManager->switchPage(page, force);
}

void RemixeryPlugin::notifyInstalledAppsChanged()
{
    m_webManager->notifyInstalledAppsChanged();
}

QString RemixeryPlugin::browserText()
{
    return QString();
}

void RemixeryPlugin::updateUserConfig(int value)
{
    m_webManager->updateUserConfig(value);
}

void RemixeryPlugin::switchToRMGame(const QString& package, const QString& modId, int from)
{
    QJsonObject data;
    data.insert(QStringLiteral("package"), package);
    data.insert(QStringLiteral("mod_id"), modId);
    data.insert(QStringLiteral("from"), QString::number(from));
    sendMessage(WebManager::kRemixeryPage, kMethodSwitchToRMGame, data);
    if (IMyGame* myGame = launcher().myGame)
        myGame->switchToGameType(IMyGame::Remixery);
}

void RemixeryPlugin::setupMod(const QString& package, const QString& modId, const QString& modName)
{
    QJsonObject data;
    data.insert(QStringLiteral("package"), package);
    data.insert(QStringLiteral("mod_id"), modId);
    data.insert(QStringLiteral("mod_name"), modName);
    sendMessage(WebManager::kRemixeryPage, kMethodSetupMod, data);
    if (IMyGame* myGame = launcher().myGame)
        myGame->switchToGameType(IMyGame::Remixery);
}

const QList<ModedGame>& RemixeryPlugin::modedGameList()
{
    return ModedGameList::shared().games();
}

QString RemixeryPlugin::apkUrl(const QString& packageName, bool wait)
{
    return ModedGameList::shared().apkUrl(packageName, wait);
}

void RemixeryPlugin::addModedGameListObserver(QObject* receiver)
{
    ModedGameList::shared().addObserver(receiver);
}

bool RemixeryPlugin::isRemixerySupported()
{
    return ModedGameList::shared().isRemixerySupported();
}

void RemixeryPlugin::requestModedGameList(const QString& country)
{
    IHttpDaoMgr* http = launcher().httpDaoMgr;
    if (!http)
        return;
    HttpTaskInfo task = ModedGameList::requestTask(country, this);
    http->addTask(task, 1);
    qInfo() << "[booting time][start]: GetModedGameList";
    qInfo() << "[RM] Get moded games request sent: " << task.url;
}

void RemixeryPlugin::onDownloadFinished(const HttpTaskInfo& task)
{
    if (task.name != ModedGameList::kTaskName)
        return;
    qInfo() << "[RM] Moded game list downloaded finished, resloving...";
    qInfo() << "[booting time][finish]: GetModedGameList";
    const QByteArray body = task.data;
    QMetaObject::invokeMethod(this, [body] { ModedGameList::shared().parse(body); }, Qt::QueuedConnection);
}

void RemixeryPlugin::onDownloadProgress(const HttpTaskInfo&, qint64, qint64) {}

void RemixeryPlugin::onDownloadFailed(const HttpTaskInfo& task)
{
    if (task.name != ModedGameList::kTaskName)
        return;
    qInfo() << "[RM] Getting moded game list failed, retring in 3 sec...";
    // The timer is armed on this object's thread; the retry asks for the country known then.
    QMetaObject::invokeMethod(
        this,
        [this] { QTimer::singleShot(ModedGameList::kRetryMs, this, [this] { requestModedGameList(m_countryCode); }); },
        Qt::QueuedConnection);
}

bool RemixeryPlugin::event(QEvent* e)
{
    if (e->type() == BEvent::PlayGameStrategyChange) {
        if (ISetting* setting = launcher().setting)
            updateUserConfig(setting->oneButtonConfig());
    } else if (e->type() == BEvent::CountryCodeChange) {
        m_countryCode = static_cast<CountryCodeChangeEvent*>(e)->countryCode;
        if (isRemixerySupported())
            requestModedGameList(m_countryCode);
    }
    return QObject::event(e);
}

void RemixeryPlugin::onChangeAccountInfo(const ACCOUNTINFO& info)
{
    QJsonObject data;
    WebManager::fillUserToken(data, info);
    sendMessage(WebManager::kRemixeryPage, kMethodUpdateUserToken, data);
    if (ISimulatorMgr* simulatorMgr = launcher().simulatorMgr)
        simulatorMgr->updateAccount(QString(), info.signedIn ? info.userId : QString(), QString());
}
