#pragma once

#include "cef_base.h"
#include "cef_client.h"
#include "cef_command_line.h"
#include "cef_string.h"
#include "cef_types.h"
#include "cef_v8.h"

class CefSchemeRegistrar;

// Farplay provides no resource bundle handler; the type exists for the getter.
class CefResourceBundleHandler : public virtual CefBaseRefCounted
{
};

// The process's arguments as main received them.
struct CefMainArgs
{
    CefMainArgs() = default;
    CefMainArgs(int count, char** values) : argc(count), argv(values) {}
    int argc = 0;
    char** argv = nullptr;
};

// The engine's settings; the ones the back ends apply are marked.
struct CefSettings
{
    bool no_sandbox = false;
    bool chrome_runtime = false;
    bool multi_threaded_message_loop = false;  // applied: callbacks on the engine's own UI thread
    bool windowless_rendering_enabled = false;
    bool persist_session_cookies = false;
    bool command_line_args_disabled = false;
    CefString cache_path;                      // applied: the profile's storage and cache
    CefString user_agent;                      // applied
    CefString locale;
    CefString log_file;
    cef_log_severity_t log_severity = LOGSEVERITY_DEFAULT;  // applied: Chromium's log level
    int remote_debugging_port = 0;             // applied
};

class CefBrowserProcessHandler : public virtual CefBaseRefCounted
{
public:
    virtual void OnContextInitialized() {}
    virtual void OnBeforeChildProcessLaunch(CefRefPtr<CefCommandLine> commandLine) {}
    virtual void OnScheduleMessagePumpWork(int64_t delayMs) {}
    virtual CefRefPtr<CefClient> GetDefaultClient() { return nullptr; }
};

class CefRenderProcessHandler : public virtual CefBaseRefCounted
{
public:
    virtual void OnWebKitInitialized() {}
    virtual void OnBrowserCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDictionaryValue> extraInfo) {}
    virtual void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) {}
    virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
    virtual void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefV8Context> context)
    {
    }
    virtual void OnContextReleased(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefV8Context> context)
    {
    }
    virtual void OnUncaughtException(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Exception> exception,
                                     CefRefPtr<CefV8StackTrace> stackTrace)
    {
    }
    virtual void OnFocusedNodeChanged(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                      CefRefPtr<CefDOMNode> node)
    {
    }
    virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                          CefProcessId sourceProcess, CefRefPtr<CefProcessMessage> message)
    {
        return false;
    }
};

// The application object handed to CefExecuteProcess and CefInitialize.
class CefApp : public virtual CefBaseRefCounted
{
public:
    virtual void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine) {}
    virtual void OnRegisterCustomSchemes(CefSchemeRegistrar* registrar) {}
    virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return nullptr; }
    virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return nullptr; }
    virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() { return nullptr; }
};

// -1 in the browser process; in a sub-process of the engine (a "type" switch on the command
// line) it runs that process and returns its exit code. With the Qt WebEngine back end the
// engine's helpers are processes of their own, so Farplay is never started as one.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windowsSandboxInfo);
// Applies the settings and the command line (after the application's
// OnBeforeCommandLineProcessing) and starts the engine; call before any browser exists.
bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windowsSandboxInfo);
void CefShutdown();
// Runs the engine's message loop on this thread until CefQuitMessageLoop.
void CefRunMessageLoop();
void CefDoMessageLoopWork();
// Ends CefRunMessageLoop; otherwise only counted (EngineRuntime::quitRequests).
void CefQuitMessageLoop();
void CefEnableHighDPISupport();
