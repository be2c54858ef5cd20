#pragma once

#include "cef_browser.h"
#include "webenginebrowser.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

class QQuickItem;
class QQuickWidget;
class QWidget;

// The Qt side of one Qt WebEngine browser, on the GUI thread: a QML WebEngineView in a
// QQuickWidget (its load requests carry the error codes and HTTP statuses the widgets API
// drops). A browser with a parent window is a hidden native child of it; without one it is
// a top-level window. The view's QML ("host") calls the invokables below.
class BrowserWindow : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString functionScript READ functionScript CONSTANT)

public:
    BrowserWindow(CefRefPtr<WebEngineBrowser> browser, const CefWindowInfo& windowInfo, const QUrl& url);
    ~BrowserWindow() override;

    // The script that defines the application's JavaScript functions in every frame.
    static void setFunctionNames(const QStringList& names);
    QString functionScript() const;

    QQuickItem* view() const;
    void load(const QUrl& url);
    void runJavaScript(const QString& code);
    void reload();
    void stop();
    void setFocus(bool focus);
    void showDevTools(const CefWindowInfo& windowInfo);
    void close();

    Q_INVOKABLE void loadEvent(int status, int errorCode, int errorDomain, const QString& errorString, const QUrl& url);
    Q_INVOKABLE bool isKnownScheme(const QUrl& url) const;
    Q_INVOKABLE void unknownScheme(const QUrl& url);
    Q_INVOKABLE QObject* createPopup(const QUrl& url);
    Q_INVOKABLE void contextMenu(qreal x, qreal y, const QUrl& linkUrl, const QString& selectedText);
    Q_INVOKABLE void fullScreen(bool on);
    Q_INVOKABLE bool isFunctionCall(const QString& message) const;
    Q_INVOKABLE QString callFunction(const QString& message, const QString& frameUrl);
    Q_INVOKABLE void titleEvent(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CefRefPtr<WebEngineBrowser> m_browser;  // released when the window closes
    QPointer<QWidget> m_window;  // the browser's window; holds the view
    QPointer<QQuickWidget> m_widget;
    QPointer<QQuickWidget> m_devTools;
    bool m_closing = false;
};
