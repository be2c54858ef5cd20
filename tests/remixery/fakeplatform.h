#pragma once

#include "fakelauncher.h"
#include "httptaskinfo.h"
#include "ifiledownhandle.h"
#include "ihttpdaomgr.h"

#include <QMutex>
#include <QObject>
#include <QSet>
#include <QThread>

// The launcher's plug-ins as separately loaded plug-ins see them: one object answering
// every interface of the catalogue the Remixery plug-in uses, found through qobject_cast.
class FakePlatform : public QObject, public FakeLauncher
{
    Q_OBJECT
    Q_INTERFACES(IMainWindow IMyGame ISimulatorMgr IStrategy ISetting IAccount IBuriedpoint IBrowser)

public:
    QObject* getObject() override { return this; }
    void registerReceiver(QObject* receiver) override
    {
        FakeLauncher::registerReceiver(receiver);
        settingReceiver = receiver;
    }

    QObject* settingReceiver = nullptr;

signals:
    void changeAccountInfo(const ACCOUNTINFO& info);
};

// The network plug-in's task manager. Each task is answered from a thread of its own, as
// the real one may do: finished with the body, or failed when there is none. removeHandle
// waits for a callback that is under way, and none follows it.
class FakeHttpDaoMgr : public QObject, public IHttpDaoMgr
{
    Q_OBJECT
    Q_INTERFACES(IHttpDaoMgr)

public:
    ~FakeHttpDaoMgr() override
    {
        for (QThread* thread : qAsConst(m_threads)) {
            thread->wait();
            delete thread;
        }
    }

    QByteArray body;  // empty: every task fails
    QStringList urls;
    QList<int> modes;

    void addTask(HttpTaskInfo& task, int mode) override
    {
        urls.append(task.url);
        modes.append(mode);
        HttpTaskInfo answer = task;
        answer.data = body;
        QThread* thread = QThread::create([this, answer] {
            QMutexLocker lock(&m_mutex);
            if (m_removed.contains(answer.handle))
                return;
            if (answer.data.isEmpty())
                answer.handle->onDownloadFailed(answer);
            else
                answer.handle->onDownloadFinished(answer);
        });
        m_threads.append(thread);
        thread->start();
    }

    void removeHandle(IFileDownHandle* handle) override
    {
        QMutexLocker lock(&m_mutex);
        m_removed.insert(handle);
    }

    bool removed(IFileDownHandle* handle)
    {
        QMutexLocker lock(&m_mutex);
        return m_removed.contains(handle);
    }

    // Calls back count times from a thread of its own, as fast as it can, until removed.
    void flood(IFileDownHandle* handle, const HttpTaskInfo& task, int count)
    {
        QThread* thread = QThread::create([this, handle, task, count] {
            for (int i = 0; i < count; ++i) {
                QMutexLocker lock(&m_mutex);
                if (m_removed.contains(handle))
                    return;
                handle->onDownloadFinished(task);
            }
        });
        m_threads.append(thread);
        thread->start();
    }

private:
    QMutex m_mutex;
    QSet<IFileDownHandle*> m_removed;
    QList<QThread*> m_threads;
};
