#include "KyCapList.h"

#include "KyCreateViewCtrMgr.h"
#include "KyManageContext.h"

KyCapList::KyCapList()
    : KyTermListBase<KyCap>(KyCapManage::instance(), false, KY_PAUSE_SAVE_MS),
      m_view(KyCreateViewCtrMgr::instance()->createViewCtrl())
{
    hookCallback();
}

KyCapList* KyCapList::instance()
{
    static KyCapList* list = new KyCapList;
    KyManageContext* ctx = KyManageContext::instance();
    if (ctx && !ctx->capList())
        ctx->setCapList(list);
    list->initOnce();
    return list;
}

int KyCapList::requestListUntilDone(KyManageContext* ctx)
{
    return ctx ? requestList(ctx->manageCenter(), KY_PAUSE_SAVE_MS) : -1;
}

int KyCapList::saveCap(KyManageCenter* center, const KyCap& cap)
{
    const KyCap sent = cap;
    int rc = send(center, KyCapManage::RT_SAVE, KyCapManage::instance()->saveRequest(sent), KY_PAUSE_SAVE_MS);
    if (rc == 0)
        m_cache.moveToEnd(sent);
    return rc;
}

int KyCapList::removeCap(KyManageCenter* center, const KyCap& cap)
{
    return removeRecord(cap, KyCapManage::RT_REMOVE, true, center);
}
