#pragma once

#include "accountinfo.h"
#include "reservedslot.h"

#include <QObject>

// The account plug-in. Its object has the slots "onLoginPageShow()", "onGetSsoInfo()" and
// "onCloseLogin()" and emits "changeAccountInfo(const ACCOUNTINFO&)".
class IAccount
{
public:
    virtual QObject* getObject() = 0;
    VD_RESERVED_SLOT(1)
    VD_RESERVED_SLOT(2)
    virtual const ACCOUNTINFO& accountInfo() = 0;
    VD_RESERVED_SLOT(4)
    virtual void refreshAccessToken() = 0;

protected:
    ~IAccount() = default;
};

#define IAccount_iid "HXL.IAccount/1.0"
Q_DECLARE_INTERFACE(IAccount, IAccount_iid)
