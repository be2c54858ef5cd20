#include "imagemanager.h"

#include <QDebug>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kSvgMinimumSide = 256;

QPixmap renderSvg(const QString& path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    QSize size = renderer.defaultSize();
    if (size.isEmpty())
        size = QSize(kSvgMinimumSide, kSvgMinimumSide);
    if (qMax(size.width(), size.height()) < kSvgMinimumSide)
        size.scale(kSvgMinimumSide, kSvgMinimumSide, Qt::KeepAspectRatio);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

ImageManager* ImageManager::instance()
{
    static ImageManager manager;
    return &manager;
}

QPixmap ImageManager::getPixmapByPath(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_cache.remove(path);
        return QPixmap();
    }
    auto cached = m_cache.constFind(path);
    if (cached != m_cache.constEnd() && cached->modified == info.lastModified() && cached->size == info.size())
        return cached->pixmap;

    const QPixmap pixmap = info.suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
        ? renderSvg(path)
        : QPixmap(path);
    if (pixmap.isNull()) {
        qWarning() << "[hubcore] image not readable:" << path;
        m_cache.remove(path);
        return pixmap;
    }
    m_cache.insert(path, {pixmap, info.lastModified(), info.size()});
    return pixmap;
}
