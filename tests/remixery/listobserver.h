#pragma once

#include "bevent.h"
#include "modedgamelistchangedevent.h"

#include <QObject>

// An observer of the moded game list: counts the lists it is told of.
class ListObserver : public QObject
{
public:
    int lists = 0;
    const QList<ModedGame>* last = nullptr;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != BEvent::ModedGameListChange)
            return QObject::event(e);
        ++lists;
        last = static_cast<ModedGameListChangedEvent*>(e)->list;
        return true;
    }
};
