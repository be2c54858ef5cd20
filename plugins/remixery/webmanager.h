#pragma once

#include <QFuture>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <atomic>
#include <map>
#include <memory>

#include "webrequesthandler.h"

class MyWebEngineViewRM;
class QHostInfo;
class QMutex;
class QSemaphore;
class QWebEnginePage;
class QWidget;
class Waitloading;
class WebBridge;
struct ACCOUNTINFO;

// The plug-in's web side: builds the Remixery page, watches its loading (time-out, retries
// after a reachability lookup, then the offline page), shows and hides it, and carries the
// bridge in both directions. Pages are addressed by type bits (8 is the Remixery page, the
// only one this plug-in creates); a mask reaches every view whose type shares a bit with it.
// GUI thread only, except the queue workers.
class WebManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRemixeryPage = 8;
    static constexpr int kLoadTimeoutMs = 20000;
    static constexpr int kDeliveryGapMs = 10;
    static constexpr int kLoadRetries = 3;

    struct ViewInfo
    {
        QPointer<MyWebEngineViewRM> view;  // owned by the parent widget; closing deletes it
        WebBridge* bridge = nullptr;
        QPointer<Waitloading> spinner;  // owned by the parent widget
        QString url;
    };

    // One outgoing queue per page type, drained by its own worker on the global pool.
    struct SendInfo
    {
        WebBridge* bridge = nullptr;
        std::unique_ptr<QMutex> mutex;  // guards queue
        QList<QJsonObject> queue;
        QFuture<void> future;
        std::unique_ptr<QSemaphore> semaphore;  // a permit per queued message, one more at shutdown
    };

    explicit WebManager(QObject* parent = nullptr);
    // Ends every worker promptly; messages still waiting are discarded.
    ~WebManager() override;

    void createBrowser(int type, const QString& url, QWidget* parent);
    void lookUpHost(int type);
    void sendMessage(int page, const QString& event, const QJsonObject& data);
    void setViewVisible(bool visible, int pageMask);
    // Tells the web application which launcher page is current. Returns whether the page
    // active before was not the Remixery page; false, sending nothing, for an unforced
    // switch to the active page.
    bool switchPage(int page, bool force);

    void updateLanguage(const QString& language);
    void updateUserConfig(int value);
    void clientGotoSearch(const QString& query);
    void clientRealSearch(const QString& query, const QVariant& context);
    void notifyInstalledAppsChanged();

    // Runs the handler of one bridge request; an event without a handler does nothing.
    void dispatchRequest(const QString& event, QJsonObject& reply, const QJsonObject& request, int page);
    // {"action": "all", "apps": [{"package_name": ...}, ...]}
    QJsonObject installedAppsJson() const;
    // The token fields of a signed-in account; nothing for a signed-out one.
    static void fillUserToken(QJsonObject& target, const ACCOUNTINFO& info);

    // For the request handlers.
    QList<int> typesReachedBy(int mask) const;
    Waitloading* spinner(int type) const;
    int activePage() const { return m_activePage; }
    QVariant searchContext() const { return m_searchContext; }

    // Tests shorten the load time-out; call before createBrowser.
    void setLoadTimeout(int milliseconds) { m_loadTimeoutMs = milliseconds; }

    // The queue worker of one page type.
    static void send(WebManager* manager, SendInfo* info);

private slots:
    void onLookedUp_Remixery(const QHostInfo& host);
    void onTimeOut();
    void onHtmlData(const QString& data);
    void onLoadFinished(bool ok);

private:
    void loadOfflinePage();
    QWebEnginePage* remixeryPage() const;

    QMap<int, ViewInfo> m_views;
    QVariant m_searchContext;
    std::map<int, SendInfo> m_sendInfos;  // node-based: workers hold pointers to the values
    std::atomic_bool m_stopping{false};
    int m_activePage = 1;
    int m_loadRetries = kLoadRetries;
    int m_loadTimeoutMs = kLoadTimeoutMs;
    WebRequestHandler m_requests;
};
