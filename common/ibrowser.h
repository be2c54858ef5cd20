#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariant>

class QWidget;

// Web pages of the launcher: created inside a widget the caller gives, addressed by page
// type bits (8 is the Remixery page).
class IBrowser
{
public:
    virtual void createBrowser(int type, const QString& url, QWidget* parent) = 0;
    virtual void lookUpHost(int type) = 0;
    virtual void sendMessage(int page, const QString& event, const QJsonObject& data) = 0;
    virtual void clientRealSearch(const QString& query, const QVariant& context) = 0;
    virtual void clientGotoSearch(const QString& query) = 0;
    virtual void updateLanguage(const QString& language) = 0;
    virtual void setBrowserVisible(bool visible) = 0;
    virtual void receiveModedGameList(const QJsonObject& list) = 0;
    virtual bool switchPage(int page, bool force) = 0;
    virtual void notifyInstalledAppsChanged() = 0;
    virtual QString browserText() = 0;
    virtual void updateUserConfig(int value) = 0;

protected:
    ~IBrowser() = default;
};

#define IBrowser_iid "HXL.IBrowser/1.0"
Q_DECLARE_INTERFACE(IBrowser, IBrowser_iid)
