#pragma once

#include "bserver.h"
#include "cef_app.h"
#include "hubcore.h"
#include "scriptedbackend.h"
#include "simpleapp.h"
#include "testhome.h"

// Farplay's engine started for a test, with a launcher server of the test's own that
// receives what Farplay sends to the launcher. scripted: the scripted back end, else Qt
// WebEngine.
inline bool startFarplayEngine(const TestHome& home, BServer& launcher, bool scripted)
{
    const QString serverName = home.runtime() + QStringLiteral("/launcher.sock");
    Hubcore::instance()->setAppconfigValue(LauncherServerName, serverName);
    launcher.start(serverName);
    if (scripted)
        ScriptedBackend::install();
    static char program[] = "farplay";
    static char* argv[] = {program, nullptr};
    return CefInitialize(CefMainArgs(1, argv), CefSettings(), new SimpleApp, nullptr);
}
