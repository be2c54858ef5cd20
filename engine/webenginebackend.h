#pragma once

#include "enginebackend.h"

#include <QStringList>
#include <functional>

class QWidget;

// The default back end: Qt WebEngine (real Chromium). Browsers are QML WebEngineViews in
// QQuickWidgets on the Qt GUI thread (BrowserWindow); QML's load requests carry the network
// error codes and HTTP statuses. What it cannot do as the framework does: report loads of
// sub-frames (only the main frame's loads are reported, and a sub-frame cannot be loaded
// into), let OnBeforePopup veto a popup (popups always open), let OnPreKeyEvent consume a
// key or OnSetFocus refuse the focus (the GUI thread does not wait for the engine's
// thread), and ask OnDragEnter at each drag (it is asked once per browser). The renderer
// side of the application (its JavaScript functions) is emulated by a script in every frame
// whose calls come back through a synchronous prompt().
class WebEngineBackend : public EngineBackend
{
public:
    bool initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine) override;
    bool createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                       const CefBrowserSettings& settings) override;
    void shutdown() override;
    void setWindowText(CefWindowHandle window, const CefString& text) override;
    void showWindow(CefWindowHandle window, bool visible) override;
    void setWindowGeometry(CefWindowHandle window, const CefRect& rect) override;

    // The Chromium switches the command line gives ("--enable-features=SharedArrayBuffer").
    static QStringList chromiumFlags(CefRefPtr<CefCommandLine> commandLine, cef_log_severity_t severity);

private:
    void applyProfile();
    // Runs work with the window's widget on the GUI thread, if there is such a window.
    static void onWidget(CefWindowHandle window, std::function<void(QWidget*)> work);

    CefSettings m_settings;
    bool m_profileApplied = false;
};
