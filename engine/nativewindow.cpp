#include "nativewindow.h"

#include "enginebackend.h"
#include "engineruntime.h"

void NativeWindow::setText(CefWindowHandle window, const CefString& text)
{
    if (EngineBackend* backend = EngineRuntime::instance().backend())
        backend->setWindowText(window, text);
}

void NativeWindow::show(CefWindowHandle window, bool visible)
{
    if (EngineBackend* backend = EngineRuntime::instance().backend())
        backend->showWindow(window, visible);
}

void NativeWindow::setGeometry(CefWindowHandle window, const CefRect& rect)
{
    if (EngineBackend* backend = EngineRuntime::instance().backend())
        backend->setWindowGeometry(window, rect);
}
