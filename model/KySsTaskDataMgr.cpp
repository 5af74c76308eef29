#include "KySsTaskDataMgr.h"

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"

KySsTaskDataMgr::KySsTaskDataMgr()
{
    m_manage.setCallback([this](int event, int id, const void* data) { onManagerEvent(event, id, data); });
}

KySsTaskDataMgr* KySsTaskDataMgr::instance()
{
    // Set before the first request: a slot run during its wait may ask again.
    static KySsTaskDataMgr* mgr = nullptr;
    const bool first = !mgr;
    if (first)
        mgr = new KySsTaskDataMgr;
    kyAttachManager(&mgr->m_manage);
    if (first)
        mgr->requestList();
    return mgr;
}

int KySsTaskDataMgr::requestList()
{
    KyCommandRequest req = KySsTaskManage::listRequest();
    return mcSendRequestRetry(KyManageCenter::instance(), KySsTaskManage::RT_LIST, req, 10);
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
    case KySsTaskManage::EV_LIST: {
        const auto* tasks = static_cast<const std::vector<KySsTask>*>(data);
        m_cache.replace(std::list<KySsTask>(tasks->begin(), tasks->end()));
        emit gotTaskList();
        break;
    }
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
