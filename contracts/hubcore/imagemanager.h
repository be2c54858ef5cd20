#pragma once

#include "hubcore_export.h"

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QString>

// Pixmaps of image files, loaded once and kept while the file stays unchanged. SVG files
// are drawn so that their longer side has at least 256 pixels, so they scale down cleanly.
// A missing or unreadable file gives a null pixmap and is tried again on the next call.
// GUI thread only.
class HUBCORE_EXPORT ImageManager
{
public:
    static ImageManager* instance();

    QPixmap getPixmapByPath(const QString& path);

private:
    ImageManager() = default;

    struct Entry
    {
        QPixmap pixmap;
        QDateTime modified;
        qint64 size = 0;
    };
    QHash<QString, Entry> m_cache;
};
