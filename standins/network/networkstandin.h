#pragma once

#include "ihttpdaomgr.h"
#include "standinplugin.h"

#include <QMutex>
#include <QObject>
#include <QSet>
#include <QThread>

class QNetworkAccessManager;

// The network plug-in: real HTTP GETs with QNetworkAccessManager on a thread of its own.
// The callbacks come from that thread; removeHandle waits for a callback under way, and no
// callback reaches a handle after it.
class NetworkStandin : public QObject, public StandinPlugin, public IHttpDaoMgr
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "HXL.IPlugin/1.0")
    Q_INTERFACES(IPlugin IHttpDaoMgr)

public:
    static constexpr int kTimeoutMs = 15000;

    NetworkStandin();
    ~NetworkStandin() override;

    void addTask(HttpTaskInfo& task, int mode) override;
    void removeHandle(IFileDownHandle* handle) override;

private:
    // On the network thread.
    void fetch(const HttpTaskInfo& task);
    void deliver(HttpTaskInfo task, bool ok);

    QThread m_thread;
    QObject* m_worker;  // lives on m_thread
    QNetworkAccessManager* m_network = nullptr;
    QMutex m_handles;  // held while a callback runs
    QSet<IFileDownHandle*> m_removed;
};
