#pragma once

#include "farplaylaunchinfo.h"
#include "filewatcher.h"
#include "ui_farplay.h"

#include <QDialog>

class FramelessHelper;
class QScreen;
class QTimer;

// The window of one streamed game: a frameless dialog with its own title bar (icon, name,
// minimise, maximise or restore, close) above the browser host widget. It also serves as a
// sign-in window, whose close button tells the launcher.
class Farplay : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kIconRetryMs = 1000;

    explicit Farplay(const FarplayLaunchInfo& info, QWidget* parent = nullptr);
    ~Farplay() override;

    Ui::FarplayClass& form() { return m_ui; }
    QString gameTitle() const { return m_title; }
    QString gameUrl() const { return m_url; }
    QString iconPath() const { return m_iconPath; }
    bool iconRetrying() const;
    // Size and place on the screen under the mouse (the primary screen otherwise).
    void placeOnScreen();
    // The rule of placeOnScreen for an available area.
    static QRect placement(const QRect& available);
    // The screen at point, else the primary screen, else the first one; null without screens.
    static QScreen* screenAt(const QPoint& point);

signals:
    void deleteSelf(QObject* object);

public slots:
    void gameFullscreenSwitch(bool fullscreen);
    void onFileEvent(FileWatcher::FileEvent event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void initTitleBar();
    void setupTitleButton(HxlPushButton* button, const QString& toolTip, const QString& image, const QString& hover,
                          const QString& pressed);
    void applyLaunchInfo(const QString& type, const QString& url, const QString& gameName, const QString& iconPath);
    void refreshIcon();
    void closeWindow();
    void updateMaxButton();
    bool isSignInWindow() const;

    Ui::FarplayClass m_ui;
    QString m_url;
    QString m_iconPath;
    QString m_title;
    QString m_launchType;
    QTimer* m_iconTimer = nullptr;
    FramelessHelper* m_frameless = nullptr;
    bool m_gameFullscreen = false;
};
