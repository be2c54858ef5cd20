#include "webgameparser.h"
#include "webgamerecords.h"
#include "testjson.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

// What each kind makes of a game object: the cloud address, the sign-in flag.
struct CloudAndLogin
{
    QString cloudAppUrl;
    bool zapgoLoginRequired;
};

CloudAndLogin convert(int kind, const QJsonObject& json)
{
    switch (kind) {
    case WebGameParser::App: {
        AppEntry app;
        WebGameParser::parseWebGame(json, kind, &app);
        return {app.cloudAppUrl, app.zapgoLoginRequired};
    }
    case WebGameParser::Game: {
        GameEntry game;
        WebGameParser::parseWebGame(json, kind, &game);
        return {game.cloudAppUrl, game.zapgoLoginRequired};
    }
    default: {
        SearchResultApp result;
        WebGameParser::parseWebGame(json, kind, &result);
        return {result.cloudAppUrl, result.zapgoLoginRequired};
    }
    }
}

} // namespace

class TestWebGameParser : public QObject
{
    Q_OBJECT

private slots:
    void cloudAddressAndSignIn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("cloudAppUrl");
        QTest::addColumn<bool>("zapgoLoginRequired");
        for (int kind : {0, 1, 2}) {
            const QByteArray k = QByteArray::number(kind);
            QTest::newRow("kind " + k + ", not cloud: address cleared")
                << kind << QByteArray("{'cloud_supported':false,'cloud_app_url':'https://c/1'}") << "" << true;
            QTest::newRow("kind " + k + ", cloud: address kept")
                << kind << QByteArray("{'cloud_supported':true,'cloud_app_url':'https://c/1'}") << "https://c/1"
                << true;
            QTest::newRow("kind " + k + ", cloud flag missing")
                << kind << QByteArray("{'cloud_app_url':'https://c/1'}") << "" << true;
            QTest::newRow("kind " + k + ", sign-in false")
                << kind << QByteArray("{'is_zapgo_login_required':false}") << "" << false;
            QTest::newRow("kind " + k + ", sign-in not a boolean")
                << kind << QByteArray("{'is_zapgo_login_required':'no'}") << "" << true;
        }
    }
    void cloudAddressAndSignIn()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, json);
        QFETCH(QString, cloudAppUrl);
        QFETCH(bool, zapgoLoginRequired);
        const CloudAndLogin result = convert(kind, jsonObject(json.constData()));
        QCOMPARE(result.cloudAppUrl, cloudAppUrl);
        QCOMPARE(result.zapgoLoginRequired, zapgoLoginRequired);
    }

    void appReadsEveryMember()
    {
        const QJsonObject json = jsonObject("{"
            "'genre':'Action','icon_url':'i','package_name':'com.p','cloud_app_url':'u','cloud_type':'t',"
            "'cloud_supported':true,'game_name':'G','banner_url_v':'bv','banner_url':'b','instance':'n1',"
            "'action':'a','section':'s','is_zapgo_login_required':false,'game_play_preference':[1,'x'],"
            "'rm_stats_info':{'appPage':'ap','banner_location':'bl','section':'ss','arg1':'a1'},"
            "'package':7}");
        AppEntry app;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        WebGameParser::parseWebGame(json, WebGameParser::App, &app);
        QCOMPARE(app.genre, QStringLiteral("Action"));
        QCOMPARE(app.iconUrl, QStringLiteral("i"));
        QCOMPARE(app.packageName, QStringLiteral("com.p"));
        QCOMPARE(app.cloudAppUrl, QStringLiteral("u"));
        QCOMPARE(app.cloudType, QStringLiteral("t"));
        QCOMPARE(app.gameName, QStringLiteral("G"));
        QCOMPARE(app.bannerUrlV, QStringLiteral("bv"));
        QCOMPARE(app.bannerUrl, QStringLiteral("b"));
        QCOMPARE(app.instance, QStringLiteral("n1"));
        QCOMPARE(app.action, QStringLiteral("a"));
        QCOMPARE(app.section, QStringLiteral("s"));
        QCOMPARE(app.gamePlayPreference, (QJsonArray{1, QStringLiteral("x")}));
        QCOMPARE(app.stats.appPage, QStringLiteral("ap"));
        QCOMPARE(app.stats.bannerLocation, QStringLiteral("bl"));
        QCOMPARE(app.stats.section, QStringLiteral("ss"));
        QCOMPARE(app.stats.arg1, QStringLiteral("a1"));
        QVERIFY(app.parsedAt >= before);
        QVERIFY(app.bannerLocation.isEmpty() && app.apkUrl.isEmpty());  // the launch sequence's
    }

    void gameAndSearchResultReadTheirMembers()
    {
        const QJsonObject json = jsonObject("{'id':'9','package_name':'com.p','icon_url':'i','genre':'g',"
            "'game_name':'G','video_url':'v','cloud_app_url':'u','cloud_type':'t','cloud_supported':true,"
            "'steam_supported':true,'steam_appp_url':'st','apk_url':'apk','action':'a','section':'s'}");
        GameEntry game;
        WebGameParser::parseWebGame(json, WebGameParser::Game, &game);
        QCOMPARE(game.id, QStringLiteral("9"));
        QCOMPARE(game.videoUrl, QStringLiteral("v"));
        QCOMPARE(game.cloudAppUrl, QStringLiteral("u"));
        QCOMPARE(game.genre, QStringLiteral("g"));

        SearchResultApp result;
        WebGameParser::parseWebGame(json, WebGameParser::SearchResult, &result);
        QVERIFY(result.steamSupported);
        QCOMPARE(result.steamAppUrl, QStringLiteral("st"));
        QCOMPARE(result.apkUrl, QStringLiteral("apk"));
        QCOMPARE(result.packageName, QStringLiteral("com.p"));
        QCOMPARE(result.section, QStringLiteral("s"));
    }

    void statisticsContext_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("bannerLocation");  // before: "kept"
        for (int kind : {0, 1}) {
            const QByteArray k = QByteArray::number(kind);
            QTest::newRow("kind " + k + ", missing: untouched") << kind << QByteArray("{}") << "kept";
            QTest::newRow("kind " + k + ", not an object: emptied")
                << kind << QByteArray("{'rm_stats_info':'x'}") << "";
            QTest::newRow("kind " + k + ", object") << kind
                                                   << QByteArray("{'rm_stats_info':{'banner_location':'top'}}")
                                                   << "top";
        }
    }
    void statisticsContext()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, json);
        QFETCH(QString, bannerLocation);
        RmStatsInfo before{QStringLiteral("kept"), QStringLiteral("kept"), QStringLiteral("kept"), QStringLiteral("kept")};
        RmStatsInfo after;
        if (kind == WebGameParser::App) {
            AppEntry app;
            app.stats = before;
            WebGameParser::parseWebGame(jsonObject(json.constData()), kind, &app);
            after = app.stats;
        } else {
            GameEntry game;
            game.stats = before;
            WebGameParser::parseWebGame(jsonObject(json.constData()), kind, &game);
            after = game.stats;
        }
        QCOMPARE(after.bannerLocation, bannerLocation);
        QCOMPARE(after.arg1.isEmpty(), bannerLocation != QLatin1String("kept"));
    }

    void twoAppConversionsDifferOnlyInTime()
    {
        const QJsonObject json = jsonObject("{'package_name':'com.p','game_name':'G','cloud_supported':true}");
        AppEntry first;
        AppEntry second;
        WebGameParser::parseWebGame(json, WebGameParser::App, &first);
        QTest::qWait(5);
        WebGameParser::parseWebGame(json, WebGameParser::App, &second);
        QVERIFY(second.parsedAt > first.parsedAt);
        auto members = [](const AppEntry& app) {
            return QStringList{app.genre, app.iconUrl, app.packageName, app.cloudAppUrl, app.cloudType,
                               app.gameName, app.bannerUrlV, app.bannerUrl, app.instance, app.action, app.section,
                               QString::number(app.zapgoLoginRequired), QString::number(app.cloudSupported)};
        };
        QCOMPARE(members(first), members(second));
        QCOMPARE(first.gamePlayPreference, second.gamePlayPreference);
    }

    void bannerDirection_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("direction");
        QTest::newRow("number") << QByteArray("{'url':'b.png','direction':2}") << 2;
        QTest::newRow("text") << QByteArray("{'url':'b.png','direction':'2'}") << 0;
        QTest::newRow("missing") << QByteArray("{'url':'b.png'}") << 0;
    }
    void bannerDirection()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, direction);
        BannerImage banner;
        banner.direction = 5;
        WebGameParser::parseWebGame(jsonObject(json.constData()), WebGameParser::Banner, &banner);
        QCOMPARE(banner.url, QStringLiteral("b.png"));
        QCOMPARE(banner.direction, direction);
    }

    void otherKindsChangeNothing()
    {
        BannerImage banner;
        banner.url = QStringLiteral("kept");
        WebGameParser::parseWebGame(jsonObject("{'url':'new'}"), 4, &banner);
        WebGameParser::parseWebGame(jsonObject("{'url':'new'}"), -1, &banner);
        WebGameParser::parseWebGame(jsonObject("{'url':'new'}"), WebGameParser::Banner, nullptr);
        QCOMPARE(banner.url, QStringLiteral("kept"));
    }
};

QTEST_APPLESS_MAIN(TestWebGameParser)
#include "tst_webgameparser.moc"
