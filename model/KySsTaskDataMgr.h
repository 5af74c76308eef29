#pragma once

#include <list>
#include <mutex>

#include <QObject>
#include <QString>

#include "KyRecordCache.h"
#include "KyStoreBase.h"
#include "KySsTask.h"
#include "KySsTaskManage.h"

// Task store. List replies, pushed rows and delete results arrive in the
// receive thread; signals reach user-interface receivers queued.
class KySsTaskDataMgr : public QObject, public KySsTaskManage::Events, public KyStoreBase<KySsTaskManage> {
    Q_OBJECT
public:
    static KySsTaskDataMgr* instance();

    // Sends the list query, retrying while busy; the reply replaces the cache.
    int requestList();
    int init() override { return requestList(); }

    // Copy of the cached tasks, in store order.
    std::list<KySsTask> taskList() const { return m_cache.copy(); }
    bool getTask(int id, KySsTask& out) const { return m_cache.get(id, &out); }

    // op 0 add, 1 modify, 2 delete, 3 start, 4 stop. Retries while busy and
    // returns the server's result (-1 for an unknown op, no hub or manager).
    // The cache changes from the server's replies and pushes only.
    int saveTask(KySsTask& task, int op);

signals:
    void gotTaskList();
    void taskChanged(int id);
    void taskDeleted(int id);
    void taskDeleteFailed(QString res);

private:
    KySsTaskDataMgr();
    void listArrived(int, const std::vector<KySsTask>& tasks) override;
    void recordChanged(int id, const KySsTask& task) override;
    void recordRemoved(int id, int key) override;
    void removeFailed(int, const std::string& text) override;

    KyRecordCache<KySsTask> m_cache;
    mutable std::mutex m_pendingMutex;
    bool m_hasPending = false;
    KySsTask m_pendingDelete;   // the task of the delete request in flight
};
