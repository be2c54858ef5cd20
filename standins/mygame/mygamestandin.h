#pragma once

#include "imygame.h"
#include "standinplugin.h"

#include <QObject>

// The game-library plug-in: the demo engines and their games. Installing or playing a game
// that has a cloud address starts Farplay with a launch description, as the platform's own
// component does; everything else is journalled and shown by the main window.
class MyGameStandin : public QObject, public StandinPlugin, public IMyGame
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IMyGame)

public:
    MyGameStandin();

    QVector<QString> enginesWithout(const QString& package) override;
    QVector<QString> enginesWith(const QString& package) override;
    QString defaultEngines(const QString& package) override;
    QString engineName(const QString& engineId) override;
    void switchToGameType(IMyGame::GameType type) override;
    QString engineType(const QString& engineId) override;
    void openStoreUrl(const QString& url) override;
    void setShareId(const PackageShare& share) override;
    void openGame(const GameEntry& game) override;
    void installOrPlay(const AppEntry& app) override;
    void leaveRmGame(const QString& package) override;

    // Where Farplay looks for the launch description with that file name.
    static QString launchDescriptionPath(const QString& fileName);

private:
    void startFarplay(const AppEntry& app);
    // Shows a line in the main window's status bar.
    void notify(const QString& text);
};
