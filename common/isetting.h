#pragma once

#include "reservedslot.h"

#include <QObject>

// The settings plug-in.
class ISetting
{
public:
    VD_RESERVED_SLOT(0)
    VD_RESERVED_SLOT(1)
    // The play-strategy setting ("one button" configuration).
    virtual int oneButtonConfig() = 0;
    // The receiver is posted an event whenever the play strategy changes.
    virtual void registerReceiver(QObject* receiver) = 0;

protected:
    ~ISetting() = default;
};

#define ISetting_iid "HXL.ISetting/1.0"
Q_DECLARE_INTERFACE(ISetting, ISetting_iid)
