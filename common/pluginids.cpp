#include "pluginids.h"

const QUuid kAccountPluginId(QStringLiteral("{91240a5d-8a30-46b6-b9db-40412ff98cc4}"));
const QUuid kBrowserPluginId(QStringLiteral("{f4101670-6e1d-4e94-83a4-2a8c81b0ea90}"));
const QUuid kBuriedpointPluginId(QStringLiteral("{d648d6aa-6bfa-42fb-a488-27c34bedd784}"));
const QUuid kRemixeryPluginId(QStringLiteral("{1864879f-972e-4fde-913a-1b7b8e7a448d}"));
const QUuid kHttpDaoMgrPluginId(QStringLiteral("{c16069d4-2677-4971-a0d4-cb915080ad6c}"));
const QUuid kMainWindowPluginId(QStringLiteral("{243c31c1-2d9b-56cb-adac-def801894f8e}"));
const QUuid kMyGamePluginId(QStringLiteral("{92235871-54dd-40b0-a498-b813a284798e}"));
const QUuid kSettingPluginId(QStringLiteral("{2aa56a0e-6afc-36ec-8308-9fc0e2a2d9e8}"));
const QUuid kSideBarPluginId(QStringLiteral("{7d11d166-98c7-bfd3-6e21-37594223d3e1}"));
const QUuid kSimulatorMgrPluginId(QStringLiteral("{7efbd8f1-de24-5ddc-83c5-24c0b1e0617e}"));
const QUuid kStrategyPluginId(QStringLiteral("{66fe8a25-dc02-4806-a68d-537ec7a2b626}"));
