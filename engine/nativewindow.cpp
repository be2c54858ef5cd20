#include "nativewindow.h"

#include "enginebackend.h"
#include "engineruntime.h"

void NativeWindow::setText(CefWindowHandle window, const CefString& text)
{
    if (EngineBackend* backend = EngineRuntime::instance().backend())
        backend->setWindowText(window, text);
}
