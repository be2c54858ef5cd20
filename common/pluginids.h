#pragma once

// Provider uuids: the uuid of the plug-in that implements each interface. The host
// registers plug-ins under QUuid::toString() of these (braces, lower case).

#include "velmoracommon_export.h"

#include <QUuid>

VELMORACOMMON_EXPORT extern const QUuid kAccountPluginId;
VELMORACOMMON_EXPORT extern const QUuid kBrowserPluginId;
VELMORACOMMON_EXPORT extern const QUuid kBuriedpointPluginId;
VELMORACOMMON_EXPORT extern const QUuid kRemixeryPluginId;
VELMORACOMMON_EXPORT extern const QUuid kHttpDaoMgrPluginId;
VELMORACOMMON_EXPORT extern const QUuid kMainWindowPluginId;
VELMORACOMMON_EXPORT extern const QUuid kMyGamePluginId;
VELMORACOMMON_EXPORT extern const QUuid kSettingPluginId;
VELMORACOMMON_EXPORT extern const QUuid kSideBarPluginId;
VELMORACOMMON_EXPORT extern const QUuid kSimulatorMgrPluginId;
VELMORACOMMON_EXPORT extern const QUuid kStrategyPluginId;
