#pragma once

#include <list>
#include <mutex>

#include <QString>

#include "KyListStore.h"
#include "KySsTask.h"
#include "KySsTaskManage.h"

// Task store. List replies, pushed rows and delete results arrive in the
// receive thread; signals reach user-interface receivers queued.
class KySsTaskDataMgr : public KyListStore<KySsTask, KySsTaskManage> {
    Q_OBJECT
public:
    static KySsTaskDataMgr* instance();

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
    KySsTaskDataMgr() = default;
    void listArrived(int, const std::vector<KySsTask>& tasks) override;
    void recordChanged(int id, const KySsTask& task) override;
    void recordRemoved(int id, int key) override;
    void removeFailed(int, const std::string& text) override;

    mutable std::mutex m_pendingMutex;
    bool m_hasPending = false;
    KySsTask m_pendingDelete;   // the task of the delete request in flight
};
