#pragma once

#include "enginebackend.h"

#include <QStringList>

// The default back end: Qt WebEngine (real Chromium). Browsers are QML WebEngineViews in
// QQuickWidgets on the Qt GUI thread (BrowserWindow). What it cannot observe: loads of
// sub-frames (only the main frame's loads are reported), a veto of OnBeforePopup (popups
// always open), consuming a key in OnPreKeyEvent and refusing the focus in OnSetFocus (the
// GUI thread does not wait for the engine's thread). The renderer side of the application
// (its JavaScript functions) is emulated by a script in every frame.
class WebEngineBackend : public EngineBackend
{
public:
    bool initialize(const CefSettings& settings, CefRefPtr<CefCommandLine> commandLine) override;
    bool createBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                       const CefBrowserSettings& settings) override;
    void shutdown() override;
    void setWindowText(CefWindowHandle window, const CefString& text) override;

    // The Chromium switches the command line gives ("--enable-features=SharedArrayBuffer").
    static QStringList chromiumFlags(CefRefPtr<CefCommandLine> commandLine, cef_log_severity_t severity);

private:
    void applyProfile();

    CefSettings m_settings;
    bool m_profileApplied = false;
};
