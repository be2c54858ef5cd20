#include "rendereremulation.h"

#include "cef_app.h"
#include "engineruntime.h"

CefRefPtr<CefV8Context> RendererEmulation::createContext(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
{
    CefRefPtr<CefV8Context> context = new CefV8Context(browser, frame);
    CefRefPtr<CefApp> application = EngineRuntime::instance().application();
    CefRefPtr<CefRenderProcessHandler> renderer = application ? application->GetRenderProcessHandler() : nullptr;
    if (renderer)
        renderer->OnContextCreated(browser, frame, context);
    return context;
}

CefString RendererEmulation::call(CefRefPtr<CefV8Context> context, const CefString& name)
{
    CefRefPtr<CefV8Value> function = context ? context->GetGlobal()->GetValue(name) : nullptr;
    if (!function || !function->IsFunction() || !function->GetFunctionHandler())
        return CefString();
    CefRefPtr<CefV8Value> result;
    CefString exception;
    context->Enter();
    function->GetFunctionHandler()->Execute(name, context->GetGlobal(), {}, result, exception);
    context->Exit();
    return result && result->IsString() ? result->GetStringValue() : CefString();
}

std::vector<CefString> RendererEmulation::functionNames()
{
    std::vector<CefString> names;
    CefRefPtr<CefV8Context> probe = createContext(nullptr, nullptr);
    for (const CefString& key : probe->GetGlobal()->GetKeys()) {
        CefRefPtr<CefV8Value> value = probe->GetGlobal()->GetValue(key);
        if (value && value->IsFunction())
            names.push_back(key);
    }
    return names;
}
