#include "webgameparser.h"

#include "webgamerecords.h"

#include <QDateTime>
#include <QJsonArray>

namespace {

QString text(const QJsonObject& json, const char* key)
{
    return json.value(QLatin1String(key)).toString();
}

bool flag(const QJsonObject& json, const char* key, bool fallback)
{
    return json.value(QLatin1String(key)).toBool(fallback);
}

QJsonArray array(const QJsonObject& json, const char* key)
{
    return json.value(QLatin1String(key)).toArray();
}

// Only a present "rm_stats_info" touches the statistics context.
void readStats(const QJsonObject& json, RmStatsInfo& stats)
{
    if (!json.contains(QLatin1String("rm_stats_info")))
        return;
    const QJsonObject info = json.value(QLatin1String("rm_stats_info")).toObject();
    stats.appPage = text(info, "appPage");
    stats.bannerLocation = text(info, "banner_location");
    stats.section = text(info, "section");
    stats.arg1 = text(info, "arg1");
}

void readApp(const QJsonObject& json, AppEntry& app)
{
    app.genre = text(json, "genre");
    app.iconUrl = text(json, "icon_url");
    app.packageName = text(json, "package_name");
    app.cloudAppUrl = text(json, "cloud_app_url");
    app.cloudType = text(json, "cloud_type");
    app.cloudSupported = flag(json, "cloud_supported", app.cloudSupported);
    if (!app.cloudSupported)
        app.cloudAppUrl.clear();
    app.gameName = text(json, "game_name");
    app.bannerUrlV = text(json, "banner_url_v");
    app.bannerUrl = text(json, "banner_url");
    app.instance = text(json, "instance");
    app.action = text(json, "action");
    app.section = text(json, "section");
    app.zapgoLoginRequired = flag(json, "is_zapgo_login_required", app.zapgoLoginRequired);
    app.gamePlayPreference = array(json, "game_play_preference");
    app.parsedAt = QDateTime::currentMSecsSinceEpoch();
    readStats(json, app.stats);
}

void readGame(const QJsonObject& json, GameEntry& game)
{
    game.id = text(json, "id");
    game.packageName = text(json, "package_name");
    game.iconUrl = text(json, "icon_url");
    game.genre = text(json, "genre");
    game.gameName = text(json, "game_name");
    game.videoUrl = text(json, "video_url");
    game.cloudAppUrl = text(json, "cloud_app_url");
    game.cloudType = text(json, "cloud_type");
    game.cloudSupported = flag(json, "cloud_supported", game.cloudSupported);
    if (!game.cloudSupported)
        game.cloudAppUrl.clear();
    game.gamePlayPreference = array(json, "game_play_preference");
    game.zapgoLoginRequired = flag(json, "is_zapgo_login_required", game.zapgoLoginRequired);
    readStats(json, game.stats);
}

void readSearchResult(const QJsonObject& json, SearchResultApp& app)
{
    app.cloudSupported = flag(json, "cloud_supported", app.cloudSupported);
    app.cloudAppUrl = app.cloudSupported ? text(json, "cloud_app_url") : QString();
    app.iconUrl = text(json, "icon_url");
    app.packageName = text(json, "package_name");
    app.gameName = text(json, "game_name");
    app.steamSupported = flag(json, "steam_supported", app.steamSupported);
    app.steamAppUrl = text(json, "steam_appp_url");
    app.apkUrl = text(json, "apk_url");
    app.gamePlayPreference = array(json, "game_play_preference");
    app.action = text(json, "action");
    app.section = text(json, "section");
    app.cloudType = text(json, "cloud_type");
    app.zapgoLoginRequired = flag(json, "is_zapgo_login_required", app.zapgoLoginRequired);
}

void readBanner(const QJsonObject& json, BannerImage& banner)
{
    banner.url = text(json, "url");
    banner.direction = json.value(QLatin1String("direction")).toInt(0);
}

} // namespace

void WebGameParser::parseWebGame(const QJsonObject& json, int kind, void* record)
{
    if (!record)
        return;
    switch (kind) {
    case App: readApp(json, *static_cast<AppEntry*>(record)); break;
    case Game: readGame(json, *static_cast<GameEntry*>(record)); break;
    case SearchResult: readSearchResult(json, *static_cast<SearchResultApp*>(record)); break;
    case Banner: readBanner(json, *static_cast<BannerImage*>(record)); break;
    default: break;
    }
}
