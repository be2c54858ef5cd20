#pragma once

#include "cefwidgethandler.h"
#include "simplehandler.h"

#include <QString>
#include <QWidget>
#include <atomic>

class GifLabel;
class QLabel;
class QTimer;

// The widget a Farplay dialog shows its game page in: the browser is a native child window
// of this widget, kept fitted to it and covered by a loading overlay until a load ends.
// Loads that fail, or do not end within 20 s, show the local offline page; the first load
// can be retried once after 10 s; in sign-in mode the first identity-provider sign-in page
// is reported to the launcher. The browser's events arrive on the engine's UI thread; the
// Qt work they order runs on the GUI thread.
class CefWidget : public QWidget, public CefWidgetHandler
{
    Q_OBJECT

public:
    static constexpr int kRetryMs = 10000;
    static constexpr int kLoadTimeoutMs = 20000;
    static constexpr int kStartDelayMs = 10;

    explicit CefWidget(QWidget* parent);
    ~CefWidget() override;

    void setUrl(const QString& url) { m_url = url; }
    void startBrowser();
    void setRetryLoad(bool on) { m_retryLoad = on; }
    void setLoginMode(bool on);
    void setLoadingText(const QString& text);
    // Tests shorten the retry and the load time-out.
    void setLoadIntervals(int retryMs, int loadTimeoutMs);

    // The local offline page with its query ("location=cefBrowser", the language).
    static QString offlinePageUrl();
    CefRefPtr<CefBrowser> browser() const { return m_browser; }
    bool isLoadingShown() const;
    QString loadingText() const;

    // CefWidgetHandler (engine UI thread; onGotFocus also from the GUI thread)
    void onFullscreenChange(bool fullscreen) override;
    void onLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                     cef_transition_type_t transitionType) override;
    void onLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int statusCode) override;
    void onLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int errorCode,
                     const CefString& errorText, const CefString& failedUrl) override;
    void onBrowserCreated(CefRefPtr<CefBrowser> browser) override;
    bool onSetFocus() override;
    void onGotFocus() override;
    void onExternalProtocol() override;
    void onRefresh() override;

signals:
    void gameFullscreen(bool fullscreen);
    void loadingTimer(bool start);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
    void changeEvent(QEvent* event) override;

private:
    void createBrowser();
    void showLoading();
    void loadEnded(const QString& frameUrl, int statusCode);
    void fitBrowserWindow();
    void nudgeSize();
    void showOfflinePage();
    void reloadUrl();
    void gotFocus();
    CefWindowHandle browserWindow() const;

    bool m_loginWatch = false;
    bool m_retryLoad = false;
    QTimer* m_retryTimer;
    std::atomic_bool m_loaded{false};
    QWidget* m_loadingPanel;
    QTimer* m_loadTimeoutTimer;
    QLabel* m_loadingLabel;
    GifLabel* m_loadingGif;
    CefRefPtr<SimpleHandler> m_handler;
    CefRefPtr<CefBrowser> m_browser;  // GUI thread
    std::atomic_bool m_hasBrowser{false};
    QString m_url;
    bool m_watchingScreen = false;
};
