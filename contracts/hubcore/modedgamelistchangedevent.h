#pragma once

#include "bevent.h"
#include "modedgame.h"

#include <QList>

// Posted to the observers of the moded game list when a new list has arrived. It points to
// the list itself, which stays valid until the next response replaces it.
class ModedGameListChangedEvent : public QEvent
{
public:
    explicit ModedGameListChangedEvent(const QList<ModedGame>* games)
        : QEvent(BEvent::ModedGameListChange)
        , list(games)
    {
    }

    const QList<ModedGame>* list;
};
