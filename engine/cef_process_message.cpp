#include "cef_process_message.h"

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name)
{
    return new CefProcessMessage(name);
}
