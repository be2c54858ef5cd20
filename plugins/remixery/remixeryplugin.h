#pragma once

#include "accountinfo.h"
#include "ifiledownhandle.h"
#include "iplugin.h"
#include "iremixery.h"

#include <QObject>
#include <QString>

class WebManager;

// The one object of the RemixeryPlugin library: the plug-in life cycle, the browser and
// mod interfaces the launcher's other plug-ins call (most of it forwarded to the web
// manager), and the callbacks of the moded game list request. GUI thread, except the HTTP
// callbacks, which only hand their work over to it.
class RemixeryPlugin : public QObject, public IPlugin, public IRemixery, public IFileDownHandle
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IBrowser/1.0" FILE "remixeryplugin.json")
    Q_INTERFACES(IPlugin IBrowser IRemixery)

public:
    RemixeryPlugin();
    ~RemixeryPlugin() override;

    // IPlugin
    QObject* getObject() override;
    QUuid getUuid() override;
    void getInfo(PluginInfo* info) override;
    bool prepare(IPluginManager* manager, int* order) override;
    bool init() override;
    bool initFinished() override;
    bool start() override;
    bool stop() override;

    // IBrowser
    void createBrowser(int type, const QString& url, QWidget* parent) override;
    void lookUpHost(int type) override;
    void sendMessage(int page, const QString& event, const QJsonObject& data) override;
    void clientRealSearch(const QString& query, const QVariant& context) override;
    void clientGotoSearch(const QString& query) override;
    void updateLanguage(const QString& language) override;
    void setBrowserVisible(bool visible) override;
    void receiveModedGameList(const QJsonObject& list) override;
    bool switchPage(int page, bool force) override;
    void notifyInstalledAppsChanged() override;
    QString browserText() override;
    void updateUserConfig(int value) override;

    // IRemixery
    void switchToRMGame(const QString& package, const QString& modId, int from) override;
    void setupMod(const QString& package, const QString& modId, const QString& modName) override;
    const QList<ModedGame>& modedGameList() override;
    QString apkUrl(const QString& packageName, bool wait) override;
    void addModedGameListObserver(QObject* receiver) override;
    bool isRemixerySupported() override;

    // IFileDownHandle, possibly on the HTTP manager's thread
    void onDownloadFinished(const HttpTaskInfo& task) override;
    void onDownloadProgress(const HttpTaskInfo& task, qint64 received, qint64 total) override;
    void onDownloadFailed(const HttpTaskInfo& task) override;

protected:
    bool event(QEvent* e) override;

private slots:
    void onChangeAccountInfo(const ACCOUNTINFO& info);

private:
    void requestModedGameList(const QString& country);

    WebManager* m_webManager;
    QString m_countryCode;
};
