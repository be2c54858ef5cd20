#pragma once

#include "ibrowser.h"
#include "modedgame.h"

#include <QList>

// The game-mod feature: the browser operations plus mod switching, the moded game list
// and APK addresses.
class IRemixery : public IBrowser
{
public:
    virtual void switchToRMGame(const QString& package, const QString& modId, int from) = 0;
    virtual void setupMod(const QString& package, const QString& modId, const QString& modName) = 0;
    virtual const QList<ModedGame>& modedGameList() = 0;
    // With wait true the call runs a local event loop until the address is known.
    virtual QString apkUrl(const QString& packageName, bool wait) = 0;
    virtual void addModedGameListObserver(QObject* receiver) = 0;
    virtual bool isRemixerySupported() = 0;

protected:
    ~IRemixery() = default;
};

#define IRemixery_iid "HXL.IRemixery/1.0"
Q_DECLARE_INTERFACE(IRemixery, IRemixery_iid)
