#pragma once

#include "reservedslot.h"
#include "webgamerecords.h"

#include <QJsonObject>
#include <QObject>
#include <QUuid>

// The statistics plug-in. Every report returns an id whose completion isDone tells.
class IBuriedpoint
{
public:
    virtual QUuid postUploadEffects(const QJsonObject& data) = 0;
    virtual QUuid postEffectsTriggered(const QJsonObject& data) = 0;
    virtual QUuid postModEvents(const QJsonObject& data) = 0;
    virtual QUuid postActiveUsers(const QJsonObject& data) = 0;
    // The host reports kind 0 at start and kind 2 at exit.
    virtual QUuid report(const int& kind) = 0;
    VD_RESERVED_SLOT(5)
    virtual QUuid postStreamGameClick(const StreamClickStats& stats) = 0;
    VD_RESERVED_SLOT(7)
    virtual bool isDone(const QUuid& id) = 0;
    VD_RESERVED_SLOT(9)
    virtual QUuid reportFinal() = 0;

protected:
    ~IBuriedpoint() = default;
};

#define IBuriedpoint_iid "HXL.IBuriedpoint/1.0"
Q_DECLARE_INTERFACE(IBuriedpoint, IBuriedpoint_iid)
