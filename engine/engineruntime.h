#pragma once

#include "cef_app.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

class EngineBackend;

// The engine layer's process-wide state: the application object, the back end, and the
// browser UI thread on which every client and handler callback is delivered (never the Qt
// GUI thread, as the framework's multi-threaded message loop does).
class EngineRuntime
{
public:
    static EngineRuntime& instance();

    // Tests install the scripted back end before CefInitialize; the default is Qt WebEngine.
    void setBackend(std::unique_ptr<EngineBackend> backend);
    EngineBackend* backend() const { return m_backend.get(); }
    CefRefPtr<CefApp> application() const { return m_application; }

    bool initialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application);
    void shutdown();
    bool isInitialized() const { return m_initialized; }

    // Runs work on the browser UI thread, in the order posted.
    void postToUi(std::function<void()> work);
    bool onUiThread() const { return QThread::currentThread() == m_uiThread; }
    QThread* uiThread() const { return m_uiThread; }

    int nextBrowserId() { return ++m_lastBrowserId; }
    // The loop CefRunMessageLoop runs, which CefQuitMessageLoop ends.
    void setMessageLoop(QEventLoop* loop) { m_messageLoop = loop; }
    void requestQuit();
    int quitRequests() const { return m_quitRequests; }

private:
    EngineRuntime() = default;

    std::unique_ptr<EngineBackend> m_backend;
    CefRefPtr<CefApp> m_application;
    QThread* m_uiThread = nullptr;
    QObject* m_uiContext = nullptr;  // lives on the UI thread; work is posted to it
    QPointer<QEventLoop> m_messageLoop;
    bool m_initialized = false;
    std::atomic_int m_lastBrowserId{0};
    std::atomic_int m_quitRequests{0};
};
