#pragma once

#include <QJsonObject>
#include <QString>

class WebManager;

// The requests the Remixery web application sends through its bridge, each answered by
// calling the launcher's plug-in interfaces. A handler fills the reply object; missing
// request members read as Qt's JSON accessors give them, and a step that needs an absent
// interface is left out, so the reply then lacks what it would have given.
class WebRequestHandler
{
public:
    explicit WebRequestHandler(WebManager& manager);

    // Runs the handler whose name is event; returns false when there is none.
    bool handle(const QString& event, QJsonObject& reply, const QJsonObject& request, int page);

private:
    using Handler = void (WebRequestHandler::*)(QJsonObject& reply, const QJsonObject& request, int page);
    struct Entry
    {
        const QString& event;
        Handler handler;
    };
    static const Entry kHandlers[];

    void getInstalledApps(QJsonObject& reply, const QJsonObject& request, int page);
    void getVmList(QJsonObject& reply, const QJsonObject& request, int page);
    void installOrPlayAppforVm(QJsonObject& reply, const QJsonObject& request, int page);
    void openFarplay(QJsonObject& reply, const QJsonObject& request, int page);
    void pushRealSearchResult(QJsonObject& reply, const QJsonObject& request, int page);
    void notifyClientRefresh(QJsonObject& reply, const QJsonObject& request, int page);
    void callClientToLogin(QJsonObject& reply, const QJsonObject& request, int page);
    void getUserToken(QJsonObject& reply, const QJsonObject& request, int page);
    void refreshAccessToken(QJsonObject& reply, const QJsonObject& request, int page);
    void getLanguage(QJsonObject& reply, const QJsonObject& request, int page);
    void getHostConfig(QJsonObject& reply, const QJsonObject& request, int page);
    void getClientConfig(QJsonObject& reply, const QJsonObject& request, int page);
    void openStreamGame(QJsonObject& reply, const QJsonObject& request, int page);
    void closeClientLoading(QJsonObject& reply, const QJsonObject& request, int page);
    void openClientLoading(QJsonObject& reply, const QJsonObject& request, int page);
    void closeBootAnimation(QJsonObject& reply, const QJsonObject& request, int page);
    void changeBannerBackgroundImage(QJsonObject& reply, const QJsonObject& request, int page);
    void servierWorkerUpdateSuccess(QJsonObject& reply, const QJsonObject& request, int page);
    void onSearchInGooglePlay(QJsonObject& reply, const QJsonObject& request, int page);
    void openShare(QJsonObject& reply, const QJsonObject& request, int page);
    void rmGameBack(QJsonObject& reply, const QJsonObject& request, int page);
    void postStats(QJsonObject& reply, const QJsonObject& request, int page);
    void getUserConfig(QJsonObject& reply, const QJsonObject& request, int page);
    void postWebVersionInfo(QJsonObject& reply, const QJsonObject& request, int page);
    void onWebLogger(QJsonObject& reply, const QJsonObject& request, int page);

    // Requests 3 and 4: install or play, share id, open, launch report.
    void launch(const QJsonObject& request, bool lookUpApk);

    WebManager& m_manager;
};
