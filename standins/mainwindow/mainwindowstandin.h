#pragma once

#include "accountinfo.h"
#include "imainwindow.h"
#include "imygame.h"
#include "standinplugin.h"

#include <QObject>
#include <QPointer>

class DemoWindow;
class IRemixery;
class QSplashScreen;

// The main-window plug-in: a boot splash, then the demo window with the Remixery page in
// its Remixery pane. It announces the user's country to the Remixery plug-in after start,
// follows the launcher server's signals, and ends the application when asked to quit.
// With VELMORA_SCREENSHOT set to a file name it saves the window there once the Remixery
// page has shown, and quits.
class MainWindowStandin : public QObject, public StandinPlugin, public IMainWindow
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IMainWindow)

public:
    static constexpr int kSplashLimitMs = 30000;
    static constexpr int kScreenshotDelayMs = 2500;  // the page's own rendering settles

    MainWindowStandin();
    ~MainWindowStandin() override;

    QObject* getObject() override { return this; }
    void preInit(int stage) override;
    void requestLogin() override;
    int currentPage() override;
    void closeBootAnimation(bool close) override;
    void changeBannerBackground(const BannerImage& banner) override;
    bool isLoadingShown() override;
    void quitRequested() override;
    void searchInGooglePlay(const QString& query) override;
    void showRealSearchResult(const QList<SearchResultApp>& results, QVariant context) override;

public slots:
    void onWindowToTop();
    void onShowGameType(const IMyGame::GameType type);
    void onFlePlayGame(const QString& package, const QString& source);
    void onShareMod(const QString& share);
    void onDeepLink(const QString& action, const QString& first, const QString& second);
    void showNotice(const QString& text);

protected:
    void onStart() override;

private slots:
    void onAccountChanged(const ACCOUNTINFO& info);

private:
    IRemixery* remixery() const;
    QObject* accountObject() const;
    void takeScreenshot();

    QPointer<DemoWindow> m_window;
    QPointer<QSplashScreen> m_splash;
    bool m_signedIn = false;
};
