#include "KyMicGroupListMgr.h"

KyMicGroupListMgr* KyMicGroupListMgr::instance()
{
    return single<KyMicGroupListMgr>([] { return new KyMicGroupListMgr; });
}
