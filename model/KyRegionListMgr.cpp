#include "KyRegionListMgr.h"

KyRegionListMgr* KyRegionListMgr::instance()
{
    static KyRegionListMgr* store = new KyRegionListMgr;
    store->attach();
    store->initOnce();
    return store;
}
