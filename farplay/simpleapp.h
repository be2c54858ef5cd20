#pragma once

#include "cef_app.h"

// Farplay's application object, in every process: it adds the feature switch to each
// command line, names the default client, and gives every page and frame the global
// function refresh(), whose call reaches the browser side as "msg_from_render".
class SimpleApp : public CefApp, public CefBrowserProcessHandler, public CefRenderProcessHandler, public CefV8Handler
{
public:
    // CefApp
    void OnBeforeCommandLineProcessing(const CefString& processType, CefRefPtr<CefCommandLine> commandLine) override;
    void OnRegisterCustomSchemes(CefSchemeRegistrar* registrar) override {}
    CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() override { return nullptr; }
    CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override { return this; }
    CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override { return this; }

    // CefBrowserProcessHandler
    void OnContextInitialized() override {}
    void OnBeforeChildProcessLaunch(CefRefPtr<CefCommandLine> commandLine) override {}
    void OnScheduleMessagePumpWork(int64_t delayMs) override {}
    CefRefPtr<CefClient> GetDefaultClient() override;

    // CefRenderProcessHandler
    void OnWebKitInitialized() override {}
    void OnBrowserCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDictionaryValue> extraInfo) override {}
    void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) override {}
    CefRefPtr<CefLoadHandler> GetLoadHandler() override { return nullptr; }
    void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                          CefRefPtr<CefV8Context> context) override;
    void OnContextReleased(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefV8Context> context) override
    {
    }
    void OnUncaughtException(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefV8Context> context,
                             CefRefPtr<CefV8Exception> exception, CefRefPtr<CefV8StackTrace> stackTrace) override
    {
    }
    void OnFocusedNodeChanged(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                              CefRefPtr<CefDOMNode> node) override
    {
    }
    // Renderers handle no messages.
    bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefProcessId sourceProcess,
                                  CefRefPtr<CefProcessMessage> message) override
    {
        return false;
    }

    // CefV8Handler
    bool Execute(const CefString& name, CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
                 CefRefPtr<CefV8Value>& retval, CefString& exception) override;

private:
    IMPLEMENT_REFCOUNTING(SimpleApp);
};
