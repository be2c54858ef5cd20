#include "ifiledownhandle.h"

#include "hubcore.h"
#include "ihttpdaomgr.h"

IFileDownHandle::~IFileDownHandle()
{
    if (IHttpDaoMgr* manager = Hubcore::instance()->getHttpDaoMgr())
        manager->removeHandle(this);
}
