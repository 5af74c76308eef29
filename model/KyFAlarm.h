#pragma once

#include <string>

#include "KyBaseTerminal.h"

// Fire-alarm interface. Row keys: base keys, broadcast, shortCircuit,
// broadcastTrigger, stopBroadcast, triggerType. An empty name reads as "FAlarm_<id>".
struct KyFAlarm : KyBaseTerminal {
    std::string broadcast;     // channels split by "!!!", each name "#$%" task id; kept as sent
    int shortCircuit = 0;      // trigger mask: bit n-1 set while channel n is triggered
    int broadcastTrigger = 0;
    int stopBroadcast = 0;
    int triggerType = 0;       // 1 normal trigger, 2 fire trigger
};

// Argument of KyFAlarmListMgr::saveTrigger.
struct KyFAlarmTriggerReq {
    int id = 0;                // interface terminal id
    std::string channelName;
    int channel = 0;           // from 1
    int sourceId = 0;          // task id, 0 none
    int triggerSwitch = 0;
    int stopPlay = 0;
};
