#include "KyMicGroupListMgr.h"

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"

KyMicGroupListMgr::KyMicGroupListMgr()
{
    m_manage.setCallback([this](int event, int id, const void* data) { onManagerEvent(event, id, data); });
}

KyMicGroupListMgr* KyMicGroupListMgr::instance()
{
    // Set before the first request: a slot run during its wait may ask again.
    static KyMicGroupListMgr* mgr = nullptr;
    const bool first = !mgr;
    if (first)
        mgr = new KyMicGroupListMgr;
    kyAttachManager(&mgr->m_manage);
    if (first)
        mgr->requestList();
    return mgr;
}

int KyMicGroupListMgr::requestList()
{
    KyCommandRequest req = KyMicGroupManage::listRequest();
    return mcSendRequestRetry(KyManageCenter::instance(), KyMicGroupManage::RT_LIST, req, 10);
}

bool KyMicGroupListMgr::getGroup(int id, KyMicGroup* out) const
{
    return m_cache.get(id, out);
}

int KyMicGroupListMgr::saveGroup(KyMicGroup* group, int op)
{
    if (!group || op < 4 || op > 6)
        return -1;
    KyCommandRequest req = KyMicGroupManage::saveRequest(*group, op);
    const int rc = mcSendRequestRetry(KyManageCenter::instance(), KyMicGroupManage::RT_SAVE, req, 100);
    if (rc == 0)
        applyGroup(group, op);
    return rc;
}

void KyMicGroupListMgr::applyGroup(const KyMicGroup* group, int op)
{
    if (!group)
        return;
    switch (m_cache.apply(*group, op)) {
    case KyRecordCache<KyMicGroup>::Changed:
        emit groupChanged(group->id);
        break;
    case KyRecordCache<KyMicGroup>::Deleted:
        emit groupDeleted(group->id);
        break;
    case KyRecordCache<KyMicGroup>::None:
        break;
    }
}

void KyMicGroupListMgr::onManagerEvent(int event, int id, const void* data)
{
    if (event == KyMicGroupManage::EV_LIST) {
        const auto* groups = static_cast<const std::vector<KyMicGroup>*>(data);
        m_cache.replace(std::list<KyMicGroup>(groups->begin(), groups->end()));
        emit gotGroupList();
    } else if (event == KyMicGroupManage::EV_DELETED) {
        if (m_cache.remove(id))
            emit groupDeleted(id);
    }
}
