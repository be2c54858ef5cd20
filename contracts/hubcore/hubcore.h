#pragma once

#include "appconfig.h"
#include "hubcore_export.h"

#include <QMap>
#include <QPixmap>
#include <QString>
#include <QVariant>

#include <memory>

class ConfigStore;
class IHttpDaoMgr;

// The platform's core services. One instance per process, created on first use; create the
// application object first, so that the program folder's configuration file is read.
//
// Configuration (all thread-safe): built-in defaults < "velmora.ini" in the program folder
// < the ini file that the environment variable VELMORA_CONFIG names < setAppconfigValue.
// An ini file holds [config] with keys named as in AppConfig ("RemoteDebugPort=9999") and
// [hosts] with one base address per service ("GameListService=http://127.0.0.1:18080").
// Invalid values and unknown keys are logged and skipped.
class HUBCORE_EXPORT Hubcore
{
public:
    static Hubcore* instance();

    QVariant getAppConfigValue(AppConfig key) const;
    // For later readers in this process; not written to any file.
    void setAppconfigValue(AppConfig key, const QVariant& value);

    // The service's base address joined with path ("/api/game/list?country=US"): exactly
    // one "/" between them. Empty, with a warning, for a service without an address.
    QString getHostUrl(AppConfig service, const QString& path) const;
    // Every service name with its base address.
    QMap<QString, QString> getHostMap() const;

    // The per-user data folder: the local application data folder + DataDirName.
    QString dataFolderPath() const;

    // Arms (or disarms) the clearing of the web cache at the next start; persists in the
    // data folder's "state.ini".
    void setClearWebCache(bool clear);
    // When armed: removes the HTTP cache of Qt WebEngine's default profile
    // (<cache location>/QtWebEngine/Default), then disarms. Call before any web view exists.
    void doClearWebCache();

    // The network plug-in's HTTP manager, as reported through PluginsGlobal; null when
    // there is none or it has been destroyed.
    IHttpDaoMgr* getHttpDaoMgr() const;

    // A copy of pixmap whose corners outside a rounded rectangle of that radius (device
    // independent pixels) are transparent. GUI thread only.
    QPixmap pixmapToRound(const QPixmap& pixmap, int radius) const;

private:
    Hubcore();
    ~Hubcore();

    std::unique_ptr<ConfigStore> m_config;
};
