#pragma once

#include "hubcore_export.h"

#include <QEvent>

// Event types that plug-ins post to each other. They are None until init(), which
// registers each with Qt once; later calls change nothing, so the values are stable for
// the whole process.
class HUBCORE_EXPORT BEvent
{
public:
    static void init();

    static QEvent::Type CountryCodeChange;
    static QEvent::Type ModedGameListChange;
    static QEvent::Type PlayGameStrategyChange;
};
