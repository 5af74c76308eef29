#include "KyFacade.h"

#include "KyManageCenter.h"
#include "KyNetManage.h"
#include "KyResult.h"

int KY_BUSY_RETRY_LIMIT_MS = 30000;

int mcSendRequest(KyManageCenter* center, int requestType, KyCommandRequest& req, KyDbpMessage* reply)
{
    if (!center)
        return KY_NO_OBJECT;
    return center->sendRequest(requestType, req, reply);
}

int mcSendRequestRetry(KyManageCenter* center, int requestType, KyCommandRequest& req, int pauseMs,
                       KyDbpMessage* reply)
{
    const long long start = KyNetManage::nowMs();
    int result = mcSendRequest(center, requestType, req, reply);
    while (result == KY_BUSY && KyNetManage::nowMs() - start < KY_BUSY_RETRY_LIMIT_MS) {
        mcSleepProcessingEvents(pauseMs);
        result = mcSendRequest(center, requestType, req, reply);
    }
    return result;
}

int mcRequestSystemTime(KyManageCenter* center)
{
    if (!center)
        return KY_NO_OBJECT;
    KyCommandRequest req("GET", "GetSystemTime");
    return center->postRequest(KyManageCenter::RT_SYSTEM_TIME, req);
}

void mcSleepProcessingEvents(int ms)
{
    KyNetManage::sleepProcessingEvents(ms);
}
