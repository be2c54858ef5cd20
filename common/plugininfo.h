#pragma once

#include <QString>
#include <QUrl>

// Description of one loaded plug-in. The host allocates one per accepted plug-in and lets
// the plug-in fill it; no plug-in of this client fills it.
struct PluginInfo
{
    QString name;
    QString version;
    QString vendor;
    QString description;
    QUrl homePage;
};
