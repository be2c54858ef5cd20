#include "modedgamelist.h"

#include "hubcore.h"
#include "ibrowser.h"
#include "iremixery.h"
#include "isimulatormgr.h"
#include "launcherinterfaces.h"
#include "modedgamelistchangedevent.h"
#include "platform.h"
#include "vocabulary.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace {

void trace(int step)
{
    qInfo() << "[DEBUG_TRACKING] Apk url callback--" << step;
}

// What a waiting lookup shares with its callback, which may come after the wait gave up.
struct ApkWait
{
    QString result;
    QPointer<QEventLoop> loop;
    bool answered = false;
    bool over = false;
};

} // namespace

const QString ModedGameList::kTaskName = QStringLiteral("GetModedGameList");

ModedGameList& ModedGameList::shared()
{
    static ModedGameList list;
    return list;
}

bool ModedGameList::isRemixerySupported()
{
    if (!m_supported) {
        m_supported = availability(Hubcore::instance()->getAppConfigValue(RemixeryEnabled).toBool(),
                                   QLocale::system().country(), Platform::userGeoIso2());
    }
    return *m_supported;
}

bool ModedGameList::availability(bool enabled, QLocale::Country localeCountry, const QString& geoIso2)
{
    return enabled && !kRemixeryBlockedCountries.contains(localeCountry)
        && !kRemixeryBlockedCountryCodes.contains(geoIso2);
}

HttpTaskInfo ModedGameList::requestTask(const QString& country, IFileDownHandle* handle)
{
    HttpTaskInfo task;
    task.name = kTaskName;
    task.storagePath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString path = country.isEmpty() ? QStringLiteral("/api/game/list")
                                           : QStringLiteral("/api/game/list?country=") + country;
    task.url = Hubcore::instance()->getHostUrl(GameListService, path);
    task.requestId = QStringLiteral("123");
    task.checksum = QStringLiteral("123");
    task.handle = handle;
    return task;
}

void ModedGameList::parse(const QByteArray& body)
{
    m_games.clear();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    const LauncherInterfaces& launcher = LauncherInterfaces::current();
    if (launcher.browser)
        launcher.browser->receiveModedGameList(document.object());
    if (error.error != QJsonParseError::NoError) {
        qWarning() << "[RM] Moded game list json parsed error with " << error.error;
        return;
    }
    const QJsonArray data = document.object().value(QLatin1String("data")).toArray();
    for (const QJsonValue& value : data) {
        const QJsonObject game = value.toObject();
        m_games.append(ModedGame{game.value(QLatin1String("id")).toString(),
                                 game.value(QLatin1String("packageName")).toString(),
                                 game.value(QLatin1String("name")).toString(), QString()});
    }
    // The addresses are looked up in the background; copies, since answers change entries.
    const QList<ModedGame> games = m_games;
    if (launcher.remixery) {
        for (const ModedGame& game : games)
            launcher.remixery->apkUrl(game.packageName, false);
    }
    qInfo() << "[RM] Moded game list resovled finished with length of " << m_games.size();
    for (const QPointer<QObject>& observer : qAsConst(m_observers)) {
        if (observer)
            QCoreApplication::postEvent(observer, new ModedGameListChangedEvent(&m_games));
    }
}

QString ModedGameList::apkUrl(const QString& packageName, bool wait)
{
    trace(2);
    QString result;
    for (const ModedGame& game : qAsConst(m_games)) {
        if (game.packageName == packageName) {
            result = game.apkUrl;
            break;
        }
    }
    ISimulatorMgr* simulatorMgr = LauncherInterfaces::current().simulatorMgr;
    if (!result.isEmpty() || !simulatorMgr) {
        trace(12);
        return result;
    }

    if (!wait) {
        simulatorMgr->requestApkUrl(
            packageName,
            [packageName](const QString& url) {
                trace(8);
                if (url.isEmpty())
                    return;
                trace(9);
                const bool stored = shared().storeApkUrl(packageName, url);
                trace(10);
                if (stored)
                    trace(11);
            },
            0, false);
        trace(12);
        return result;
    }

    QEventLoop loop;
    auto state = std::make_shared<ApkWait>();
    state->loop = &loop;
    simulatorMgr->requestApkUrl(
        packageName,
        [packageName, state](const QString& url) {
            trace(3);
            if (!url.isEmpty()) {
                trace(4);
                shared().storeApkUrl(packageName, url);
                trace(5);
                if (!state->over)
                    state->result = url;
            }
            trace(6);
            state->answered = true;
            if (state->loop)
                state->loop->quit();
            trace(7);
        },
        0, true);
    if (!state->answered) {
        // An emulator manager that never answers must not hold the request for ever.
        QTimer::singleShot(m_apkWaitMs, &loop, [&loop, packageName] {
            qWarning() << "[RM] no APK address for" << packageName << "in time";
            loop.quit();
        });
        loop.exec();
    }
    state->over = true;
    trace(12);
    return state->result;
}

bool ModedGameList::storeApkUrl(const QString& packageName, const QString& url)
{
    for (ModedGame& game : m_games) {
        if (game.packageName == packageName) {
            game.apkUrl = url;
            return true;
        }
    }
    return false;
}

void ModedGameList::addObserver(QObject* receiver)
{
    if (!receiver)
        return;
    for (const QPointer<QObject>& observer : qAsConst(m_observers)) {
        if (observer == receiver)
            return;
    }
    m_observers.append(receiver);
}
