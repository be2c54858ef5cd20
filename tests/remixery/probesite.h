#pragma once

#include "localhttpserver.h"

#include <QFile>

// Serves the bridge probe page as "/remixery", with the web channel's script beside it.
inline bool serveBridgeProbe(LocalHttpServer& server)
{
    QFile script(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    QFile probe(QStringLiteral(":/probe/probe.html"));
    if (!server.listen() || !script.open(QIODevice::ReadOnly) || !probe.open(QIODevice::ReadOnly))
        return false;
    server.setRoute(QStringLiteral("/qwebchannel.js"), script.readAll(), "application/javascript");
    server.setRoute(QStringLiteral("/remixery"), probe.readAll());
    return true;
}
