#pragma once

#include <list>

#include <QObject>

#include "KyMicGroup.h"
#include "KyMicGroupManage.h"
#include "KyRecordCache.h"

// Cached mic groups. Signals are emitted from the receive thread for the
// server's list and notifications, and from the caller's thread for its own
// saves (before saveGroup returns).
class KyMicGroupListMgr : public QObject {
    Q_OBJECT
public:
    // Created, registered and loaded on first use.
    static KyMicGroupListMgr* instance();

    // Sends the list query, retrying while busy; the reply replaces the cache.
    int requestList();

    std::list<KyMicGroup> groupList() const { return m_cache.copy(); }
    bool getGroup(int id, KyMicGroup* out) const;
    int maxGroupId() const { return m_cache.maxId(); }

    // op 4 add, 5 modify, 6 delete. Retries while busy; the cache changes and
    // the signal fires only when the server answered 0. Returns the result
    // (-1 without a group, hub or manager).
    int saveGroup(KyMicGroup* group, int op);
    void applyGroup(const KyMicGroup* group, int op);

signals:
    void gotGroupList();
    void groupChanged(int id);
    void groupDeleted(int id);

private:
    KyMicGroupListMgr();
    void onManagerEvent(int event, int id, const void* data);

    KyMicGroupManage m_manage;
    KyRecordCache<KyMicGroup> m_cache;
};
