#include "cef_app.h"

#include "cef_request_context.h"
#include "enginebackend.h"
#include "engineruntime.h"

#include <QCoreApplication>
#include <QEventLoop>

int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void*)
{
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
    commandLine->InitFromArgv(args.argc, args.argv);
    if (!commandLine->HasSwitch("type"))
        return -1;
    // The back ends start their own helper processes; a start as one has nothing to run.
    if (application)
        application->OnBeforeCommandLineProcessing(commandLine->GetSwitchValue("type"), commandLine);
    return 0;
}

bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application, void*)
{
    return EngineRuntime::instance().initialize(args, settings, application);
}

void CefShutdown()
{
    EngineRuntime::instance().shutdown();
}

void CefRunMessageLoop()
{
    QEventLoop loop;
    EngineRuntime::instance().setMessageLoop(&loop);
    loop.exec();
}

void CefDoMessageLoopWork()
{
    QCoreApplication::processEvents();
}

void CefQuitMessageLoop()
{
    EngineRuntime::instance().requestQuit();
}

void CefEnableHighDPISupport()
{
    // Qt scales by itself; the browser windows work in physical pixels.
}

bool CefBrowserHost::CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                                   const CefBrowserSettings& settings, CefRefPtr<CefDictionaryValue>,
                                   CefRefPtr<CefRequestContext>)
{
    EngineBackend* backend = EngineRuntime::instance().backend();
    return EngineRuntime::instance().isInitialized() && backend && backend->createBrowser(windowInfo, client, url, settings);
}

CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext()
{
    static CefRefPtr<CefRequestContext> global = new CefRequestContext;
    return global;
}
