#pragma once

// Makes sure the installation has a stable identifier, a name and a version in the user's
// registry key, records the launcher's path there, and hands identifier and version to
// Hubcore (InstallGuid, InstallVersion). Reads "xdata" in the program folder for a missing
// name or version. Never fails: unreadable values count as empty.
void loadLauncherSettings();
