#include "KyLevelList.h"

#include "KyLevelManage.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyStoreBase.h"

KyLevelList::KyLevelList()
{
    KyLevelManage::Report::listen(*KyLevelManage::instance(), *this);
}

KyLevelList* KyLevelList::instance()
{
    static KyLevelList list;
    return &list;
}

int KyLevelList::init(KyManageCenter* center)
{
    if (!center)
        return -1;
    KyManageContext* ctx = KyManageContext::instance();
    if (ctx && !ctx->levelList())
        ctx->setLevelList(this);
    KyLevelManage* mgr = KyLevelManage::instance();
    return kyStoreSend(center, mgr, KyLevelManage::RT_LIST, mgr->listRequest(), KY_PAUSE_QUERY_MS);
}

int KyLevelList::getLevelByType(KyLevel& out, uint16_t type) const
{
    for (const KyLevel& lv : m_levels.copy()) {
        if (lv.type == type) {
            out = lv;
            return 0;
        }
    }
    return -1;
}

void KyLevelList::setLevels(const std::vector<KyLevel>& levels)
{
    m_levels.replaceAll(levels);
}
