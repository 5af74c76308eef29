#include "KyFAlarmListMgr.h"

KyFAlarmListMgr::KyFAlarmListMgr() : KyTermListBase<KyFAlarm>(KyFAlarmManage::instance(), false)
{
    hookCallback();
}

KyFAlarmListMgr* KyFAlarmListMgr::instance()
{
    static KyFAlarmListMgr* mgr = new KyFAlarmListMgr;
    return mgr;
}

int KyFAlarmListMgr::removeFAlarm(const KyFAlarm& alarm)
{
    return removeRecord(alarm, KyFAlarmManage::RT_REMOVE, true);
}

int KyFAlarmListMgr::saveFAlarm(const KyFAlarm& alarm)
{
    const KyFAlarm sent = alarm;
    int rc = send(hub(), KyFAlarmManage::RT_SAVE, KyFAlarmManage::instance()->saveRequest(sent), KY_PAUSE_SAVE_MS);
    if (rc == 0) {
        // The request carried the name and the trigger type only.
        KyFAlarm stored = sent;
        if (m_cache.get(sent.id, stored)) {
            stored.name = sent.name;
            stored.namePlaceholder = sent.namePlaceholder;
            stored.triggerType = sent.triggerType;
        }
        m_cache.moveToEnd(stored);
        emit fAlarmChanged(sent.id);
    }
    return rc;
}

int KyFAlarmListMgr::saveTrigger(const KyFAlarmTriggerReq& req)
{
    return send(hub(), KyFAlarmManage::RT_TRIGGER, KyFAlarmManage::instance()->triggerRequest(req), KY_PAUSE_SAVE_MS);
}
