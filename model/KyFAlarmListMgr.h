#pragma once

#include <QObject>

#include "KyFAlarmManage.h"
#include "KyTermListBase.h"

// Fire-alarm interface list manager.
class KyFAlarmListMgr : public QObject, public KyTermListBase<KyFAlarm> {
    Q_OBJECT
public:
    // Created on first use; init() requests the whole list, whose reply
    // replaces the cache and emits gotFAlarmList().
    static KyFAlarmListMgr* instance();

    // Locks the mutex and returns the list (possibly empty); the caller calls unlockList().
    std::list<KyFAlarm>* lockList() { return m_cache.lockAlways(); }
    void unlockList() { m_cache.unlock(); }
    bool getFAlarm(int id, KyFAlarm& out) const { return getRecord(id, out); }
    KyFAlarm* cloneFAlarm(int id) const { return cloneRecord(id); }

    // RemoveDevice with the type, busy retry; on 0 removes the cached record.
    int removeFAlarm(const KyFAlarm& alarm);
    // "SetFRName" with busy retry; on 0 moves the record to the end and emits fAlarmChanged(id).
    int saveFAlarm(const KyFAlarm& alarm);
    // "SetFRTrigger" with busy retry; returns the hub's result.
    int saveTrigger(const KyFAlarmTriggerReq& req);

signals:
    void gotFAlarmList();
    void fAlarmChanged(int id);
    // A record removed on the server's word. Named like the m12 signal; the
    // fire-alarm page connects to it under this name.
    void m12Deleted(int id);

private:
    KyFAlarmListMgr();
    void notifyList() override { emit gotFAlarmList(); }
    void notifyChanged(int id, bool) override { emit fAlarmChanged(id); }
    void notifyDeleted(int id) override { emit m12Deleted(id); }
};
