#pragma once

#include "KyFAlarm.h"
#include "KyTermRowManage.h"

// Fire-alarm interface protocol manager.
class KyFAlarmManage : public KyTermRowManage<KyFAlarm> {
public:
    enum { RT_LIST = 130, RT_SAVE = 131, RT_TRIGGER = 132, RT_REMOVE = 133 };

    KyFAlarmManage();
    static KyFAlarmManage* instance();

    // "SetFRName": Id, Name, TriggerType.
    KyCommandRequest saveRequest(const KyFAlarm& alarm) const;
    // "SetFRTrigger": Id, ChannelName, Channel, SourceId, TriggerSwitch, StopPlay.
    KyCommandRequest triggerRequest(const KyFAlarmTriggerReq& req) const;
};
