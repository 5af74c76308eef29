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

void KySsTaskDataMgr::onManagerEvent(int event, int id, const void* data)
{
    switch (event) {
    case KySsTaskManage::EV_LIST:
        replaceList(data);
        emit gotTaskList();
        break;
    case KySsTaskManage::EV_CHANGED:
        m_cache.upsert(*static_cast<const KySsTask*>(data));
        emit taskChanged(id);
        break;
    case KySsTaskManage::EV_DELETE_RESULT:
        onDeleteResult(*static_cast<const KySsTaskManage::KyDeleteResult*>(data));
        break;
    case KySsTaskManage::EV_REMOVED:
        if (m_cache.remove(id))
            emit taskDeleted(id);
        break;
    default:
        break;
    }
}

void KySsTaskDataMgr::onDeleteResult(const KySsTaskManage::KyDeleteResult& res)
{
    if (!res.text.empty()) {
        emit taskDeleteFailed(QString::fromUtf8(res.text.c_str()));
        return;
    }
    if (!res.accepted)
        return;
    int id = 0;
    {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        if (!m_hasPending)
            return;
        id = m_pendingDelete.id;
    }
    m_cache.remove(id);
    emit taskDeleted(id);
}
