#pragma once

#include "widgetry_export.h"

#include <QString>

class QWidget;

// Transient notices.
class WIDGETRY_EXPORT Toast
{
public:
    // Where a notice stands over its parent.
    enum AnchorPoint {
        Center = 0,
        TopCenter = 1,     // a little below the parent's top edge
        BottomCenter = 2,  // a little above the parent's bottom edge
    };

    // Shows text over parent (over the screen's centre when parent is null) and returns at
    // once; the notice goes away by itself after durationMs. A new notice over the same
    // parent replaces the one still shown. richText: the text is HTML.
    static void showTip(const QString& text, QWidget* parent, bool richText, int durationMs, AnchorPoint anchor);
};
