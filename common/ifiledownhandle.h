#pragma once

#include <QtGlobal>

struct HttpTaskInfo;

// Receiver of one HTTP task's callbacks (IHttpDaoMgr). The callbacks may come from the
// network plug-in's thread. This is Hubcore's callback interface: its destructor is
// defined in Hubcore, so every implementer links Hubcore.
class IFileDownHandle
{
public:
    // Removes the handle from the HTTP manager, so no callback reaches a destroyed handle.
    virtual ~IFileDownHandle();
    virtual void onDownloadFinished(const HttpTaskInfo& task) = 0;
    virtual void onDownloadProgress(const HttpTaskInfo& task, qint64 received, qint64 total) = 0;
    virtual void onDownloadFailed(const HttpTaskInfo& task) = 0;
};
