#include "KyFAlarmManage.h"

#include "KyTermRows.h"

KyFAlarmManage::KyFAlarmManage()
    : KyTermRowManage<KyFAlarm>("KyFAlarmManage", RT_LIST, "FAlarmList", "falarm", "FAlarm")
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
}

KyFAlarmManage* KyFAlarmManage::instance()
{
    static KyFAlarmManage mgr;
    return &mgr;
}

KyCommandRequest KyFAlarmManage::saveRequest(const KyFAlarm& alarm) const
{
    Json::Value body = kyIdNameBody(alarm);
    body["TriggerType"] = kyDec(alarm.triggerType);
    return KyCommandRequest::post("SetFRName", body);
}

KyCommandRequest KyFAlarmManage::triggerRequest(const KyFAlarmTriggerReq& req) const
{
    Json::Value body = kyIdBody(req.id);
    body["ChannelName"] = req.channelName;
    body["Channel"] = kyDec(req.channel);
    body["SourceId"] = kyDec(req.sourceId);
    body["TriggerSwitch"] = kyDec(req.triggerSwitch);
    body["StopPlay"] = kyDec(req.stopPlay);
    return KyCommandRequest::post("SetFRTrigger", body);
}
