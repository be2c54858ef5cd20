#pragma once

#include "reservedslot.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

// The strategy plug-in: launch reports and the machine's system configuration.
class IStrategy
{
public:
    VD_RESERVED_SLOT(0)
    virtual void reportLaunch(const QString& instance, const QString& package, int kind, int source) = 0;
    VD_RESERVED_SLOT(2)
    virtual QJsonObject systemConfig() = 0;

protected:
    ~IStrategy() = default;
};

#define IStrategy_iid "HXL.IStrategy/1.0"
Q_DECLARE_INTERFACE(IStrategy, IStrategy_iid)
