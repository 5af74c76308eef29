#include "KyRegionListMgr.h"

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"

KyRegionListMgr::KyRegionListMgr()
{
    m_manage.setCallback([this](int event, int id, const void* data) { onManagerEvent(event, id, data); });
}

KyRegionListMgr* KyRegionListMgr::instance()
{
    // Set before the first request: a slot run during its wait may ask again.
    static KyRegionListMgr* mgr = nullptr;
    const bool first = !mgr;
    if (first)
        mgr = new KyRegionListMgr;
    kyAttachManager(&mgr->m_manage);
    if (first)
        mgr->requestList();
    return mgr;
}

int KyRegionListMgr::requestList()
{
    KyCommandRequest req = KyRegionManage::listRequest();
    return mcSendRequestRetry(KyManageCenter::instance(), KyRegionManage::RT_LIST, req, 10);
}

bool KyRegionListMgr::getRegion(int id, KyRegion* out) const
{
    return m_cache.get(id, out);
}

int KyRegionListMgr::saveRegion(KyRegion* region, int op)
{
    if (!region || op < 4 || op > 6)
        return -1;
    KyCommandRequest req = KyRegionManage::saveRequest(*region, op);
    const int rc = mcSendRequestRetry(KyManageCenter::instance(), KyRegionManage::RT_SAVE, req, 100);
    if (rc == 0)
        applyRegion(region, op);
    return rc;
}

void KyRegionListMgr::applyRegion(const KyRegion* region, int op)
{
    if (!region)
        return;
    switch (m_cache.apply(*region, op)) {
    case KyRecordCache<KyRegion>::Changed:
        emit regionChanged(region->id);
        break;
    case KyRecordCache<KyRegion>::Deleted:
        emit regionDeleted(region->id);
        break;
    case KyRecordCache<KyRegion>::None:
        break;
    }
}

void KyRegionListMgr::onManagerEvent(int event, int id, const void* data)
{
    if (event == KyRegionManage::EV_LIST) {
        const auto* regions = static_cast<const std::vector<KyRegion>*>(data);
        m_cache.replace(std::list<KyRegion>(regions->begin(), regions->end()));
        emit gotRegionList();
    } else if (event == KyRegionManage::EV_DELETED) {
        if (m_cache.remove(id))
            emit regionDeleted(id);
    }
}
