#include "KySsTaskDataMgr.h"

KySsTaskDataMgr::KySsTaskDataMgr() : KyStoreBase(KySsTaskManage::instance())
{
    KySsTaskManage::Report::listen(*m_mgr, *this);
}

KySsTaskDataMgr* KySsTaskDataMgr::instance()
{
    static KySsTaskDataMgr* store = new KySsTaskDataMgr;
    store->attach();
    store->initOnce();
    return store;
}

int KySsTaskDataMgr::requestList()
{
    return send(hub(), KySsTaskManage::RT_LIST, KySsTaskManage::listRequest(), KY_PAUSE_QUERY_MS);
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
    const int rc = send(hub(), KySsTaskManage::RT_ADD + op, KySsTaskManage::saveRequest(task, op), KY_PAUSE_SAVE_MS);
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
