#pragma once

#include <list>

#include "KyMicGroup.h"
#include "KyMicGroupManage.h"
#include "KyOrgListMgr.h"

// Cached mic groups. Signals are emitted from the receive thread for the
// server's list and notifications, and from the caller's thread for its own
// saves (before saveGroup returns).
class KyMicGroupListMgr : public KyOrgListMgr<KyMicGroup, KyMicGroupManage> {
    Q_OBJECT
public:
    // Created, registered and loaded on first use.
    static KyMicGroupListMgr* instance();

    std::list<KyMicGroup> groupList() const { return m_cache.copy(); }
    bool getGroup(int id, KyMicGroup* out) const { return m_cache.get(id, out); }
    int maxGroupId() const { return m_cache.maxId(); }

    // op 4 add, 5 modify, 6 delete. Retries while busy; the cache changes and
    // the signal fires only when the server answered 0. Returns the result
    // (-1 without a group, hub or manager).
    int saveGroup(KyMicGroup* group, int op) { return save(group, op); }
    void applyGroup(const KyMicGroup* group, int op) { apply(group, op); }

signals:
    void gotGroupList();
    void groupChanged(int id);
    void groupDeleted(int id);

private:
    KyMicGroupListMgr() = default;
    void notifyList() override { emit gotGroupList(); }
    void notifyChanged(int id) override { emit groupChanged(id); }
    void notifyDeleted(int id) override { emit groupDeleted(id); }
};
