#include "simpleapp.h"

#include "simplehandler.h"

namespace {
const char kRefresh[] = "refresh";
}

void SimpleApp::OnBeforeCommandLineProcessing(const CefString&, CefRefPtr<CefCommandLine> commandLine)
{
    commandLine->AppendSwitchWithValue("--enable-features", "SharedArrayBuffer");
}

CefRefPtr<CefClient> SimpleApp::GetDefaultClient()
{
    return SimpleHandler::current();
}

void SimpleApp::OnContextCreated(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefRefPtr<CefV8Context> context)
{
    context->GetGlobal()->SetValue(kRefresh, CefV8Value::CreateFunction(kRefresh, this), V8_PROPERTY_ATTRIBUTE_NONE);
}

bool SimpleApp::Execute(const CefString& name, CefRefPtr<CefV8Value>, const CefV8ValueList&,
                        CefRefPtr<CefV8Value>& retval, CefString&)
{
    if (name != CefString(kRefresh))
        return false;
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("msg_from_render");
    message->GetArgumentList()->SetString(0, name);
    if (CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext())
        context->GetFrame()->SendProcessMessage(PID_BROWSER, message);
    retval = CefV8Value::CreateString("Refresh Test");
    return true;
}
