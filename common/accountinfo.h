#pragma once

#include <QMetaType>
#include <QString>

// The signed-in user as the account plug-in describes it. The client reads only email,
// userId, token and signedIn; the other members are the account plug-in's own.
struct ACCOUNTINFO
{
    QString displayName;
    QString email;
    QString userId;
    QString avatarUrl;
    QString countryCode;
    QString loginProvider;
    QString token;
    bool signedIn = false;
    QString expiresAt;
    bool newUser = false;
};

Q_DECLARE_METATYPE(ACCOUNTINFO)
