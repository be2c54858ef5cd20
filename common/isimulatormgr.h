#pragma once

#include "reservedslot.h"
#include "webgamerecords.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QUuid>

#include <functional>

// The emulator-management plug-in: engines, their installed apps and APK addresses.
class ISimulatorMgr
{
public:
    VD_RESERVED_SLOT(0)
    VD_RESERVED_SLOT(1)
    VD_RESERVED_SLOT(2)
    VD_RESERVED_SLOT(3)
    VD_RESERVED_SLOT(4)
    VD_RESERVED_SLOT(5)
    VD_RESERVED_SLOT(6)
    VD_RESERVED_SLOT(7)
    VD_RESERVED_SLOT(8)
    VD_RESERVED_SLOT(9)
    VD_RESERVED_SLOT(10)
    VD_RESERVED_SLOT(11)
    VD_RESERVED_SLOT(12)
    VD_RESERVED_SLOT(13)
    // Calls back exactly once, on the GUI thread, with the address (empty when unknown).
    virtual void requestApkUrl(const QString& packageName, std::function<void(const QString&)> callback,
                               int flags, bool wait) = 0;
    VD_RESERVED_SLOT(15)
    VD_RESERVED_SLOT(16)
    virtual QString clientVersion() = 0;
    VD_RESERVED_SLOT(18)
    VD_RESERVED_SLOT(19)
    VD_RESERVED_SLOT(20)
    // Per engine id the apps installed in it.
    virtual QMap<QString, QList<InstalledApp>> installedApps() = 0;
    VD_RESERVED_SLOT(22)
    VD_RESERVED_SLOT(23)
    VD_RESERVED_SLOT(24)
    VD_RESERVED_SLOT(25)
    VD_RESERVED_SLOT(26)
    VD_RESERVED_SLOT(27)
    VD_RESERVED_SLOT(28)
    VD_RESERVED_SLOT(29)
    VD_RESERVED_SLOT(30)
    virtual bool hasPlayStore() = 0;
    VD_RESERVED_SLOT(32)
    VD_RESERVED_SLOT(33)
    VD_RESERVED_SLOT(34)
    VD_RESERVED_SLOT(35)
    VD_RESERVED_SLOT(36)
    VD_RESERVED_SLOT(37)
    VD_RESERVED_SLOT(38)
    VD_RESERVED_SLOT(39)
    VD_RESERVED_SLOT(40)
    virtual void updateAccount(const QString& first, const QString& userId, const QString& last) = 0;
    VD_RESERVED_SLOT(42)
    VD_RESERVED_SLOT(43)
    VD_RESERVED_SLOT(44)
    VD_RESERVED_SLOT(45)
    VD_RESERVED_SLOT(46)
    VD_RESERVED_SLOT(47)
    VD_RESERVED_SLOT(48)
    VD_RESERVED_SLOT(49)
    VD_RESERVED_SLOT(50)
    VD_RESERVED_SLOT(51)
    VD_RESERVED_SLOT(52)
    VD_RESERVED_SLOT(53)
    VD_RESERVED_SLOT(54)
    VD_RESERVED_SLOT(55)
    VD_RESERVED_SLOT(56)
    VD_RESERVED_SLOT(57)
    VD_RESERVED_SLOT(58)
    VD_RESERVED_SLOT(59)
    VD_RESERVED_SLOT(60)
    VD_RESERVED_SLOT(61)
    VD_RESERVED_SLOT(62)
    virtual QUuid machineUuid() = 0;

protected:
    ~ISimulatorMgr() = default;
};

#define ISimulatorMgr_iid "HXL.ISimulatorMgr/1.0"
Q_DECLARE_INTERFACE(ISimulatorMgr, ISimulatorMgr_iid)
