#pragma once

#include "accountinfo.h"
#include "iaccount.h"
#include "standinplugin.h"

#include <QObject>
#include <QPointer>

class QDialog;

// The account plug-in: a sign-in dialog with a demo account. Signing in or out, and
// refreshing the token, announce the new record with changeAccountInfo.
class AccountStandin : public QObject, public StandinPlugin, public IAccount
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IAccount)

public:
    AccountStandin();
    ~AccountStandin() override;

    QObject* getObject() override { return this; }
    const ACCOUNTINFO& accountInfo() override;
    void refreshAccessToken() override;

signals:
    void changeAccountInfo(const ACCOUNTINFO& info);

public slots:
    void onLoginPageShow();
    void onGetSsoInfo();
    void onCloseLogin();
    // For the main window's account button.
    void showSignIn();
    void signIn(const QString& email);
    void signOut();

private:
    void announce();

    ACCOUNTINFO m_account;
    QPointer<QDialog> m_dialog;
};
