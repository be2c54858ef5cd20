#include "hubcore.h"

#include "configstore.h"
#include "ihttpdaomgr.h"
#include "pluginids.h"
#include "pluginsglobal.h"
#include "platform.h"
#include "userstate.h"

#include <QDebug>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>

namespace {
const QString kClearWebCacheKey = QStringLiteral("web/clearCache");
}

Hubcore::Hubcore()
    : m_config(std::make_unique<ConfigStore>())
{
}

Hubcore::~Hubcore() = default;

Hubcore* Hubcore::instance()
{
    static Hubcore hubcore;
    return &hubcore;
}

QVariant Hubcore::getAppConfigValue(AppConfig key) const
{
    return m_config->value(key);
}

void Hubcore::setAppconfigValue(AppConfig key, const QVariant& value)
{
    m_config->setValue(key, value);
}

QString Hubcore::getHostUrl(AppConfig service, const QString& path) const
{
    QString base = m_config->hosts().value(ConfigStore::keyName(service));
    if (base.isEmpty()) {
        qWarning() << "[hubcore] no address for service" << ConfigStore::keyName(service) << int(service);
        return QString();
    }
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (path.isEmpty())
        return base;
    return path.startsWith(QLatin1Char('/')) ? base + path : base + QLatin1Char('/') + path;
}

QMap<QString, QString> Hubcore::getHostMap() const
{
    return m_config->hosts();
}

QString Hubcore::dataFolderPath() const
{
    return Platform::localAppDataPath() + QLatin1Char('/') + getAppConfigValue(DataDirName).toString();
}

void Hubcore::setClearWebCache(bool clear)
{
    UserState::setValue(kClearWebCacheKey, clear);
}

void Hubcore::doClearWebCache()
{
    if (!UserState::value(kClearWebCacheKey, false).toBool())
        return;
    const QString cacheRoot = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (!cacheRoot.isEmpty()) {
        QDir cache(cacheRoot + QStringLiteral("/QtWebEngine/Default"));
        if (cache.exists() && !cache.removeRecursively())
            qWarning() << "[hubcore] web cache not fully removed:" << cache.path();
        else
            qInfo() << "[hubcore] web cache cleared:" << cache.path();
    }
    UserState::setValue(kClearWebCacheKey, false);
}

IHttpDaoMgr* Hubcore::getHttpDaoMgr() const
{
    return qobject_cast<IHttpDaoMgr*>(PluginsGlobal::pluginObject(kHttpDaoMgrPluginId));
}

QPixmap Hubcore::pixmapToRound(const QPixmap& pixmap, int radius) const
{
    if (pixmap.isNull())
        return pixmap;
    QPixmap rounded(pixmap.size());
    rounded.setDevicePixelRatio(pixmap.devicePixelRatio());
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    const QSizeF logical = QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
    clip.addRoundedRect(QRectF(QPointF(0, 0), logical), radius, radius);
    painter.setClipPath(clip);
    painter.drawPixmap(0, 0, pixmap);
    return rounded;
}
