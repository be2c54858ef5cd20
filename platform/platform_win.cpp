#include "platform.h"

#include <windows.h>

#include <vector>

namespace Platform {

std::unique_ptr<QSettings> openUserSoftwareKey(const QString& subKey)
{
    QString key = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE");
    if (!subKey.isEmpty())
        key += QLatin1Char('\\') + subKey;
    return std::make_unique<QSettings>(key, QSettings::NativeFormat);
}

QString localAppDataPath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer.data(), DWORD(buffer.size()));
        if (length == 0)
            return QString();
        if (length < buffer.size())
            return QString::fromWCharArray(buffer.data(), int(length));
        buffer.resize(length);  // too small: length is the size needed, with the terminator
    }
}

QString userGeoIso2()
{
    const GEOID id = GetUserGeoID(GEOCLASS_NATION);
    if (id == GEOID_NOT_AVAILABLE)
        return QString();
    const int length = GetGeoInfoW(id, GEO_ISO2, nullptr, 0, 0);
    if (length <= 0)
        return QString();
    std::vector<wchar_t> buffer(size_t(length));
    if (GetGeoInfoW(id, GEO_ISO2, buffer.data(), length, 0) <= 0)
        return QString();
    return QString::fromWCharArray(buffer.data());
}

bool setDllDirectory(const QString& path)
{
    return SetDllDirectoryA(path.toLocal8Bit().constData()) != 0;
}

} // namespace Platform
