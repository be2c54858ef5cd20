#pragma once

#include "httptaskinfo.h"
#include "modedgame.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class IFileDownHandle;

// The games that have mods, as the platform's game list service lists them, with the
// feature's availability on this machine, the observers told of each new list and the
// lookup of a game's APK address. One per process; GUI thread only.
class ModedGameList
{
public:
    static const QString kTaskName;         // "GetModedGameList"
    static constexpr int kRetryMs = 3000;   // after a failed request, without limit
    static constexpr int kApkWaitMs = 30000;

    static ModedGameList& shared();

    // Computed on first use from the configuration, the system locale and the user's
    // geographic location, then kept for the life of the process.
    bool isRemixerySupported();
    static bool availability(bool enabled, QLocale::Country localeCountry, const QString& geoIso2);

    // The request for the list of that country (all countries when empty).
    static HttpTaskInfo requestTask(const QString& country, IFileDownHandle* handle);

    // Replaces the list with the response's and tells the observers; a response that is
    // not JSON leaves the list empty and tells no one.
    void parse(const QByteArray& body);
    const QList<ModedGame>& games() const { return m_games; }

    // The game's APK address. Unknown yet: the emulator manager is asked; with wait the call
    // runs a local event loop until it answers (at most the wait time-out), else it returns
    // empty at once and a later answer is stored in the list.
    QString apkUrl(const QString& packageName, bool wait);
    void setApkWaitTimeout(int milliseconds) { m_apkWaitMs = milliseconds; }

    void addObserver(QObject* receiver);

private:
    ModedGameList() = default;
    // Stores a found address in the entry of that package, when there is one.
    bool storeApkUrl(const QString& packageName, const QString& url);

    QList<ModedGame> m_games;
    QList<QPointer<QObject>> m_observers;
    std::optional<bool> m_supported;
    int m_apkWaitMs = kApkWaitMs;
};
