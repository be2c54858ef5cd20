#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class IFileDownHandle;

// One HTTP task handed to the network plug-in's IHttpDaoMgr; it comes back, with the
// response filled in, through the handle's callbacks. The member order is shared with the
// network plug-in.
struct HttpTaskInfo
{
    QString name;              // the callbacks tell tasks apart by it
    QString storagePath;       // folder the task may store files in
    QString url;
    QString requestId;         // passed through unchanged
    QString checksum;          // passed through unchanged
    int priority = 0;
    int retryCount = 0;
    int timeoutMs = 0;         // 0: the network plug-in's default
    IFileDownHandle* handle = nullptr;
    bool saveToFile = false;
    qint64 bytesReceived = 0;
    qint64 bytesTotal = 0;
    QByteArray data;           // response body of a finished task
    int httpStatus = 0;
    QMap<QString, QString> headers;
    QByteArray postData;       // empty: a GET request
    int errorCode = 0;
};
