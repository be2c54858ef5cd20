#include "networkstandin.h"

#include "ifiledownhandle.h"
#include "journal.h"
#include "pluginids.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

NetworkStandin::NetworkStandin()
    : StandinPlugin(this, kHttpDaoMgrPluginId, QStringLiteral("network"))
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("network"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

NetworkStandin::~NetworkStandin()
{
    m_thread.quit();
    m_thread.wait();
}

void NetworkStandin::addTask(HttpTaskInfo& task, int mode)
{
    record(QStringLiteral("addTask"), {task.name, task.url, mode});
    {
        QMutexLocker lock(&m_handles);
        m_removed.remove(task.handle);  // a new handle may have an old one's address
    }
    const HttpTaskInfo copy = task;
    QMetaObject::invokeMethod(m_worker, [this, copy] { fetch(copy); }, Qt::QueuedConnection);
}

void NetworkStandin::removeHandle(IFileDownHandle* handle)
{
    QMutexLocker lock(&m_handles);
    m_removed.insert(handle);
}

void NetworkStandin::fetch(const HttpTaskInfo& task)
{
    if (!m_network)
        m_network = new QNetworkAccessManager(m_worker);
    QNetworkRequest request(QUrl(task.url));
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, m_worker, [this, reply, task] {
        reply->deleteLater();
        HttpTaskInfo answer = task;
        answer.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.errorCode = reply->error();
        answer.data = reply->readAll();
        deliver(answer, reply->error() == QNetworkReply::NoError);
    });
}

void NetworkStandin::deliver(HttpTaskInfo task, bool ok)
{
    Journal::record(QStringLiteral("network"), ok ? QStringLiteral("finished") : QStringLiteral("failed"),
                    {task.name, task.url, task.httpStatus});
    QMutexLocker lock(&m_handles);
    if (!task.handle || m_removed.contains(task.handle))
        return;
    if (ok)
        task.handle->onDownloadFinished(task);
    else
        task.handle->onDownloadFailed(task);
}
