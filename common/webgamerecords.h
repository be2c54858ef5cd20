#pragma once

// Game records that the Remixery plug-in hands to the launcher's interfaces. Their member
// order is part of those interfaces. Members the plug-in never fills belong to the
// receiving plug-ins and keep their defaults here.

#include <QJsonArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Statistics context of a launch.
struct RmStatsInfo
{
    QString bannerLocation;
    QString arg1;
    QString section;
    QString appPage;
};

// An app to install or play.
struct AppEntry
{
    RmStatsInfo stats;
    QString genre;
    QString iconUrl;
    QString packageName;
    QString cloudAppUrl;
    QString cloudType;
    bool zapgoLoginRequired = true;
    bool cloudSupported = false;
    QString gameName;
    QString bannerUrlV;
    QString bannerUrl;
    QString instance;
    QString engineName;
    QString bannerLocation;
    QString action;
    QString section;
    QString apkUrl;
    QJsonArray gamePlayPreference;
    qint64 parsedAt = 0;  // milliseconds since the epoch
    qint64 installedAt = 0;
};

// A game as the game library keeps it.
struct GameEntry
{
    RmStatsInfo stats;
    QString id;
    QString packageName;
    QString iconUrl;
    QString genre;
    QString gameName;
    QString videoUrl;
    QString cloudAppUrl;
    QString cloudType;
    bool zapgoLoginRequired = true;
    QString bannerLocation;
    QJsonArray gamePlayPreference;
    bool cloudSupported = false;
    qint64 lastPlayedAt = 0;
    qint64 installedAt = 0;
};

// One app of a search result.
struct SearchResultApp
{
    bool installed = false;
    bool cloudSupported = false;
    bool steamSupported = false;
    bool hasMods = false;
    bool zapgoLoginRequired = true;
    bool promoted = false;
    QString cloudType;
    QStringList screenshots;
    QString steamAppUrl;
    QString cloudAppUrl;
    QString engineId;
    QString gameName;
    QString iconUrl;
    QString packageName;
    QString apkUrl;
    QJsonArray gamePlayPreference;
    QString action;
    QString section;
};

// The main window's banner background.
struct BannerImage
{
    QString url;
    QString localPath;
    qint32 direction = 0;
    qint32 width = 0;
    qint32 height = 0;
};

// A click on a stream game; the fixed codes are the statistics plug-in's.
struct StreamClickStats
{
    QString appId;
    qint32 position = 0;
    bool promoted = false;
    qint32 sourceCode = 6;
    qint32 rank = 0;
    qint32 tab = 0;
    qint32 categoryCode = 3;
    qint32 pageIndex = 0;
    qint32 pageSize = 0;
    QString bannerLocation;
};

// Package name, then share id.
using PackageShare = QPair<QString, QString>;

// One app installed in an engine, as the emulator manager reports it.
struct InstalledApp
{
    bool systemApp = false;
    QString packageName;
    QString appName;
    QString versionName;
    QString iconPath;
    QJsonArray activities;
};
