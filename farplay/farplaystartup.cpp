#include "farplaystartup.h"

#include "cef_app.h"
#include "hubcore.h"
#include "platform.h"
#include "simpleapp.h"

int FarplayStartup::initCef(int argc, char** argv)
{
    CefEnableHighDPISupport();
    const CefMainArgs mainArgs(argc, argv);
    CefRefPtr<SimpleApp> app = new SimpleApp;
    if (CefExecuteProcess(mainArgs, app.get(), nullptr) >= 0)
        return -1;
    CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
    commandLine->InitFromArgv(argc, argv);

    CefSettings settings;
    settings.no_sandbox = true;
    settings.chrome_runtime = commandLine->HasSwitch("enable-chrome-runtime");
    settings.multi_threaded_message_loop = true;
    // Read whole, whatever its length.
    const QString localData = Platform::localAppDataPath();
    if (!localData.isEmpty()) {
        settings.cache_path = (localData + QLatin1Char('/') + Hubcore::instance()->getAppConfigValue(DataDirName).toString()
                               + QStringLiteral("/cache/cef"))
                                  .toStdString();
    }
    settings.log_severity = LOGSEVERITY_DISABLE;
    settings.user_agent = kUserAgent;
    CefInitialize(mainArgs, settings, app.get(), nullptr);
    return 0;
}
