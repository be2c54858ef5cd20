#include "engineruntime.h"

#include "enginebackend.h"
#include "webenginebackend.h"

#include <QDebug>

EngineRuntime& EngineRuntime::instance()
{
    static EngineRuntime runtime;
    return runtime;
}

void EngineRuntime::setBackend(std::unique_ptr<EngineBackend> backend)
{
    m_backend = std::move(backend);
}

bool EngineRuntime::initialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application)
{
    if (m_initialized)
        return false;
    if (!m_backend)
        m_backend = std::make_unique<WebEngineBackend>();
    m_application = application;
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::GetGlobalCommandLine();
    commandLine->InitFromArgv(args.argc, args.argv);
    if (application)
        application->OnBeforeCommandLineProcessing(CefString(), commandLine);

    m_uiThread = new QThread;
    m_uiThread->setObjectName(QStringLiteral("engine-ui"));
    m_uiContext = new QObject;
    m_uiContext->moveToThread(m_uiThread);
    m_uiThread->start();

    if (!m_backend->initialize(settings, commandLine)) {
        shutdown();
        return false;
    }
    m_initialized = true;
    if (application) {
        if (CefRefPtr<CefBrowserProcessHandler> handler = application->GetBrowserProcessHandler())
            postToUi([handler] { handler->OnContextInitialized(); });
    }
    return true;
}

void EngineRuntime::shutdown()
{
    if (m_backend)
        m_backend->shutdown();
    if (m_uiThread) {
        QMetaObject::invokeMethod(m_uiContext, [context = m_uiContext] { delete context; }, Qt::QueuedConnection);
        m_uiThread->quit();
        m_uiThread->wait();
        delete m_uiThread;
    }
    m_uiThread = nullptr;
    m_uiContext = nullptr;
    m_application = nullptr;
    m_initialized = false;
}

void EngineRuntime::postToUi(std::function<void()> work)
{
    if (!m_uiContext) {
        qDebug() << "[engine] work dropped: the engine is not running";
        return;
    }
    QMetaObject::invokeMethod(m_uiContext, std::move(work), Qt::QueuedConnection);
}

void EngineRuntime::requestQuit()
{
    ++m_quitRequests;
    if (m_messageLoop)
        m_messageLoop->quit();
}
