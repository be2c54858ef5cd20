#include "scriptedbackend.h"

#include "engineruntime.h"

namespace {
ScriptedBackend* g_current = nullptr;
}

ScriptedBackend* ScriptedBackend::install()
{
    auto backend = std::make_unique<ScriptedBackend>();
    ScriptedBackend* installed = backend.get();
    EngineRuntime::instance().setBackend(std::move(backend));
    g_current = installed;
    return installed;
}

ScriptedBackend* ScriptedBackend::current()
{
    return g_current;
}

ScriptedBackend::~ScriptedBackend()
{
    if (g_current == this)
        g_current = nullptr;
}

bool ScriptedBackend::initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine)
{
    m_settings = settings;
    m_commandLine = commandLine;
    return true;
}

bool ScriptedBackend::createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                                    const CefBrowserSettings&)
{
    CefRefPtr<ScriptedBrowser> browser =
        new ScriptedBrowser(EngineRuntime::instance().nextBrowserId(), windowInfo, client, url, false);
    adopt(browser);
    browser->doCreated();
    return true;
}

void ScriptedBackend::shutdown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_browsers.clear();
}

std::vector<CefRefPtr<ScriptedBrowser>> ScriptedBackend::browsers() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_browsers;
}

void ScriptedBackend::adopt(CefRefPtr<ScriptedBrowser> browser)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_browsers.push_back(browser);
}

void ScriptedBackend::setWindowText(CefWindowHandle window, const CefString& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_windowTexts[window] = text;
}

CefString ScriptedBackend::windowText(CefWindowHandle window) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_windowTexts.find(window);
    return found == m_windowTexts.end() ? CefString() : found->second;
}

void ScriptedBackend::showWindow(CefWindowHandle window, bool visible)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_windowVisible[window] = visible;
}

void ScriptedBackend::setWindowGeometry(CefWindowHandle window, const CefRect& rect)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_windowGeometry[window] = rect;
}

bool ScriptedBackend::windowVisible(CefWindowHandle window) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_windowVisible.find(window);
    return found != m_windowVisible.end() && found->second;
}

CefRect ScriptedBackend::windowGeometry(CefWindowHandle window) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = m_windowGeometry.find(window);
    return found == m_windowGeometry.end() ? CefRect() : found->second;
}
