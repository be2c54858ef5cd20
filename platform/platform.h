#pragma once

// Operating-system services the client needs, with one implementation for Windows and one
// for POSIX systems that behaves the same for the client. No other folder calls the
// Windows API.

#include "velmoraplatform_export.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace Platform {

// The per-user key HKEY_CURRENT_USER\SOFTWARE, or the key subKey below it ("A\B" names a
// nested key). Windows: the registry. POSIX: ini files below the user's configuration
// folder, SOFTWARE.ini for the key itself and SOFTWARE/<subKey>.ini below it; "." and ".."
// parts of subKey are dropped, so no file outside that folder is touched.
VELMORAPLATFORM_EXPORT std::unique_ptr<QSettings> openUserSoftwareKey(const QString& subKey = QString());

// The per-user local application data folder: LOCALAPPDATA on Windows (any length; empty
// when the variable is not set), the generic data location (~/.local/share) elsewhere.
VELMORAPLATFORM_EXPORT QString localAppDataPath();

// The user's two-letter geographic location code in upper case, or empty when unknown.
// Windows: the user's geographic location (GetUserGeoID/GetGeoInfoW). POSIX: the variable
// VELMORA_GEO_ISO2 when it is set (empty means unknown), else the territory of the locale
// environment (LC_ALL, LC_ADDRESS, LANG).
VELMORAPLATFORM_EXPORT QString userGeoIso2();

// Folder searched first for libraries loaded later (SetDllDirectoryA); POSIX has no such
// search path and answers true without doing anything.
VELMORAPLATFORM_EXPORT bool setDllDirectory(const QString& path);

} // namespace Platform
