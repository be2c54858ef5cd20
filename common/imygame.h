#pragma once

#include "reservedslot.h"
#include "webgamerecords.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVector>

// The game-library plug-in: engines, installs, launches and page switches.
class IMyGame
{
public:
    // Pages of the launcher that show games; signals spell it "const IMyGame::GameType".
    enum GameType { GameCenter = 2, MyGames = 3, Remixery = 8 };

    VD_RESERVED_SLOT(0)
    VD_RESERVED_SLOT(1)
    VD_RESERVED_SLOT(2)
    VD_RESERVED_SLOT(3)
    VD_RESERVED_SLOT(4)
    virtual QVector<QString> enginesWithout(const QString& package) = 0;
    virtual QVector<QString> enginesWith(const QString& package) = 0;
    virtual QString defaultEngines(const QString& package) = 0;
    virtual QString engineName(const QString& engineId) = 0;
    VD_RESERVED_SLOT(9)
    VD_RESERVED_SLOT(10)
    VD_RESERVED_SLOT(11)
    VD_RESERVED_SLOT(12)
    VD_RESERVED_SLOT(13)
    VD_RESERVED_SLOT(14)
    VD_RESERVED_SLOT(15)
    VD_RESERVED_SLOT(16)
    VD_RESERVED_SLOT(17)
    VD_RESERVED_SLOT(18)
    VD_RESERVED_SLOT(19)
    virtual void switchToGameType(IMyGame::GameType type) = 0;
    VD_RESERVED_SLOT(21)
    VD_RESERVED_SLOT(22)
    virtual QString engineType(const QString& engineId) = 0;
    virtual void openStoreUrl(const QString& url) = 0;
    VD_RESERVED_SLOT(25)
    VD_RESERVED_SLOT(26)
    VD_RESERVED_SLOT(27)
    VD_RESERVED_SLOT(28)
    VD_RESERVED_SLOT(29)
    VD_RESERVED_SLOT(30)
    VD_RESERVED_SLOT(31)
    VD_RESERVED_SLOT(32)
    VD_RESERVED_SLOT(33)
    VD_RESERVED_SLOT(34)
    VD_RESERVED_SLOT(35)
    VD_RESERVED_SLOT(36)
    VD_RESERVED_SLOT(37)
    VD_RESERVED_SLOT(38)
    VD_RESERVED_SLOT(39)
    VD_RESERVED_SLOT(40)
    virtual void setShareId(const PackageShare& share) = 0;
    VD_RESERVED_SLOT(42)
    VD_RESERVED_SLOT(43)
    VD_RESERVED_SLOT(44)
    virtual void openGame(const GameEntry& game) = 0;
    virtual void installOrPlay(const AppEntry& app) = 0;
    VD_RESERVED_SLOT(47)
    VD_RESERVED_SLOT(48)
    VD_RESERVED_SLOT(49)
    VD_RESERVED_SLOT(50)
    VD_RESERVED_SLOT(51)
    VD_RESERVED_SLOT(52)
    VD_RESERVED_SLOT(53)
    virtual void leaveRmGame(const QString& package) = 0;

protected:
    ~IMyGame() = default;
};

#define IMyGame_iid "HXL.IMyGame/1.0"
Q_DECLARE_INTERFACE(IMyGame, IMyGame_iid)

Q_DECLARE_METATYPE(IMyGame::GameType)
