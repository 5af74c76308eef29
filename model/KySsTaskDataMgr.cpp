#include "KySsTaskDataMgr.h"

KySsTaskDataMgr* KySsTaskDataMgr::instance()
{
    return single<KySsTaskDataMgr>([] { return new KySsTaskDataMgr; });
}

int KySsTaskDataMgr::saveTask(KySsTask& task, int op)
{
    if (op < 0 || op > 4)
        return -1;
    if (op == 2) {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        m_pendingDelete = task;
        m_hasPending = true;
    }
    KyCommandRequest req = KySsTaskManage::saveRequest(task, op);
    const int rc = mcSendRequestRetry(KyManageCenter::instance(), KySsTaskManage::RT_ADD + op, req, 100);
    if (op == 2) {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        m_hasPending = false;
    }
    return rc;
}

void KySsTaskDataMgr::listArrived(int, const std::vector<KySsTask>& tasks)
{
    m_cache.replaceAll(tasks);
    emit gotTaskList();
}

void KySsTaskDataMgr::recordChanged(int id, const KySsTask& task)
{
    m_cache.upsert(task);
    emit taskChanged(id);
}

void KySsTaskDataMgr::recordRemoved(int id, int key)
{
    if (key != KySsTaskManage::RT_DELETE) {
        if (m_cache.remove(id))
            emit taskDeleted(id);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        if (!m_hasPending)
            return;
        id = m_pendingDelete.id;
    }
    m_cache.remove(id);
    emit taskDeleted(id);
}

void KySsTaskDataMgr::removeFailed(int, const std::string& text)
{
    emit taskDeleteFailed(QString::fromUtf8(text.c_str()));
}
