#pragma once

#include "httptaskinfo.h"
#include "reservedslot.h"

#include <QObject>

class IFileDownHandle;

// The network plug-in's HTTP task manager. Callbacks reach the task's handle, possibly on
// another thread; after removeHandle no callback reaches that handle.
class IHttpDaoMgr
{
public:
    virtual void addTask(HttpTaskInfo& task, int mode) = 0;
    VD_RESERVED_SLOT(1)
    VD_RESERVED_SLOT(2)
    VD_RESERVED_SLOT(3)
    virtual void removeHandle(IFileDownHandle* handle) = 0;

protected:
    ~IHttpDaoMgr() = default;
};

#define IHttpDaoMgr_iid "HXL.IHttpDaoMgr/1.0"
Q_DECLARE_INTERFACE(IHttpDaoMgr, IHttpDaoMgr_iid)
