#pragma once

#include "cefwidgethandler.h"

#include <QMutex>
#include <QStringList>
#include <QThread>

// A widget handler that records each call, and the thread it came on.
class RecordingWidget : public CefWidgetHandler
{
public:
    bool refuseFocus = false;

    QStringList calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    QList<QThread*> threads() const
    {
        QMutexLocker lock(&m_mutex);
        return m_threads;
    }
    // Calls whose text contains part.
    int count(const QString& part) const { return calls().filter(part).size(); }

    void onFullscreenChange(bool fullscreen) override { note(QStringLiteral("onFullscreenChange(%1)").arg(fullscreen)); }
    void onLoadStart(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, cef_transition_type_t) override
    {
        note(QStringLiteral("onLoadStart(%1)").arg(frame->IsMain() ? "main" : "sub"));
    }
    void onLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int statusCode) override
    {
        note(QStringLiteral("onLoadEnd(%1)").arg(statusCode));
    }
    void onLoadError(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int errorCode, const CefString& errorText,
                     const CefString& failedUrl) override
    {
        note(QStringLiteral("onLoadError(%1, %2, %3, %4)")
                 .arg(frame->IsMain() ? "main" : "sub")
                 .arg(errorCode)
                 .arg(QString::fromStdString(errorText.ToString()), QString::fromStdString(failedUrl.ToString())));
    }
    void onBrowserCreated(CefRefPtr<CefBrowser> browser) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_browsers.append(browser);
        }
        note(QStringLiteral("onBrowserCreated(%1)").arg(browser->IsPopup() ? "popup" : "browser"));
    }
    QList<CefRefPtr<CefBrowser>> browsers() const
    {
        QMutexLocker lock(&m_mutex);
        return m_browsers;
    }
    bool onSetFocus() override
    {
        note(QStringLiteral("onSetFocus"));
        return refuseFocus;
    }
    void onGotFocus() override { note(QStringLiteral("onGotFocus")); }
    void onExternalProtocol() override { note(QStringLiteral("onExternalProtocol")); }
    void onRefresh() override { note(QStringLiteral("onRefresh")); }

private:
    void note(const QString& call)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append(call);
        m_threads.append(QThread::currentThread());
    }

    mutable QMutex m_mutex;
    QStringList m_calls;
    QList<QThread*> m_threads;
    QList<CefRefPtr<CefBrowser>> m_browsers;
};
