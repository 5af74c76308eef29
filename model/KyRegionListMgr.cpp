#include "KyRegionListMgr.h"

KyRegionListMgr* KyRegionListMgr::instance()
{
    return single<KyRegionListMgr>([] { return new KyRegionListMgr; });
}
