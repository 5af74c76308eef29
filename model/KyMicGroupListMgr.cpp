#include "KyMicGroupListMgr.h"

KyMicGroupListMgr* KyMicGroupListMgr::instance()
{
    static KyMicGroupListMgr* store = new KyMicGroupListMgr;
    store->attach();
    store->initOnce();
    return store;
}
