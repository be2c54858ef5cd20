#pragma once

#include "reservedslot.h"
#include "webgamerecords.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

// The main-window plug-in. Its object receives the launcher server's signals in the slots
// "onWindowToTop()", "onShowGameType(const IMyGame::GameType)",
// "onFlePlayGame(const QString&, const QString&)", "onShareMod(const QString&)" and
// "onDeepLink(const QString&, const QString&, const QString&)".
class IMainWindow
{
public:
    virtual QObject* getObject() = 0;
    VD_RESERVED_SLOT(1)
    VD_RESERVED_SLOT(2)
    VD_RESERVED_SLOT(3)
    // Called with 1 before the plug-ins are initialised.
    virtual void preInit(int stage) = 0;
    VD_RESERVED_SLOT(5)
    VD_RESERVED_SLOT(6)
    VD_RESERVED_SLOT(7)
    VD_RESERVED_SLOT(8)
    VD_RESERVED_SLOT(9)
    VD_RESERVED_SLOT(10)
    VD_RESERVED_SLOT(11)
    VD_RESERVED_SLOT(12)
    VD_RESERVED_SLOT(13)
    VD_RESERVED_SLOT(14)
    virtual void requestLogin() = 0;
    // The page now shown, as a web page type mask.
    virtual int currentPage() = 0;
    VD_RESERVED_SLOT(17)
    VD_RESERVED_SLOT(18)
    virtual void closeBootAnimation(bool close) = 0;
    virtual void changeBannerBackground(const BannerImage& banner) = 0;
    VD_RESERVED_SLOT(21)
    VD_RESERVED_SLOT(22)
    VD_RESERVED_SLOT(23)
    // True while the main window shows its own loading indicator.
    virtual bool isLoadingShown() = 0;
    VD_RESERVED_SLOT(25)
    // Asked when no window is visible any more; the main window decides how to end.
    virtual void quitRequested() = 0;
    VD_RESERVED_SLOT(27)
    VD_RESERVED_SLOT(28)
    virtual void searchInGooglePlay(const QString& query) = 0;
    VD_RESERVED_SLOT(30)
    VD_RESERVED_SLOT(31)
    VD_RESERVED_SLOT(32)
    VD_RESERVED_SLOT(33)
    VD_RESERVED_SLOT(34)
    virtual void showRealSearchResult(const QList<SearchResultApp>& results, QVariant context) = 0;

protected:
    ~IMainWindow() = default;
};

#define IMainWindow_iid "HXL.IMainWindow/1.0"
Q_DECLARE_INTERFACE(IMainWindow, IMainWindow_iid)
