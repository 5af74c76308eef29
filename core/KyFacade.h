#pragma once

#include <string>

#include "KyCommandRequest.h"
#include "KyDbpMessage.h"

class KyManageCenter;

// Flat facade over the hub. Every function answers -1 when there is no hub
// (or no manager owns the request type).

// Sends the request of a manager and waits: 0 done, 1 refused, 2 busy,
// 3 timed out, 4 not connected, -1 no hub / no manager.
int mcSendRequest(KyManageCenter* center, int requestType, KyCommandRequest& req,
                  KyDbpMessage* reply = nullptr);

// As mcSendRequest, repeated every pauseMs while the result is 2 (busy), for
// at most KY_BUSY_RETRY_LIMIT_MS; then 2 is returned.
int mcSendRequestRetry(KyManageCenter* center, int requestType, KyCommandRequest& req,
                       int pauseMs, KyDbpMessage* reply = nullptr);

// "GET DBP/1.0" GetSystemTime, sent without waiting; returns 0 at once.
int mcRequestSystemTime(KyManageCenter* center);

// Sleeps ms while processing events other than user input.
void mcSleepProcessingEvents(int ms);

// Upper bound of every busy-retry loop.
extern int KY_BUSY_RETRY_LIMIT_MS;
