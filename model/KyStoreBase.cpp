#include "KyStoreBase.h"

#include "KyFacade.h"
#include "KyManageCenter.h"

int kyStoreSend(KyManageCenter* center, KyBaseMgr* mgr, int requestType, KyCommandRequest req, int pauseMs,
                KyDbpMessage* reply)
{
    if (!center || !mgr)
        return -1;
    center->registerManager(mgr);
    if (pauseMs > 0)
        return mcSendRequestRetry(center, requestType, req, pauseMs, reply);
    return mcSendRequest(center, requestType, req, reply);
}
