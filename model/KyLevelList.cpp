#include "KyLevelList.h"

#include "KyFacade.h"
#include "KyLevelManage.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"

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
    center->registerManager(KyLevelManage::instance());
    KyManageContext* ctx = KyManageContext::instance();
    if (ctx && !ctx->levelList())
        ctx->setLevelList(this);
    KyCommandRequest req = KyLevelManage::instance()->listRequest();
    return mcSendRequestRetry(center, KyLevelManage::RT_LIST, req, 10);
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
