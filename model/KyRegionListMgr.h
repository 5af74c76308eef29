#pragma once

#include <list>

#include "KyOrgListMgr.h"
#include "KyRegion.h"
#include "KyRegionManage.h"

// Cached broadcast regions; same threading as KyMicGroupListMgr.
class KyRegionListMgr : public KyOrgListMgr<KyRegion, KyRegionManage> {
    Q_OBJECT
public:
    static KyRegionListMgr* instance();

    std::list<KyRegion> regionList() const { return m_cache.copy(); }
    bool getRegion(int id, KyRegion* out) const { return m_cache.get(id, out); }
    int maxRegionId() const { return m_cache.maxId(); }

    // op 4 add, 5 modify, 6 delete; the cache changes only on 0.
    int saveRegion(KyRegion* region, int op) { return save(region, op); }
    void applyRegion(const KyRegion* region, int op) { apply(region, op); }

signals:
    void gotRegionList();
    void regionChanged(int id);
    void regionDeleted(int id);

private:
    KyRegionListMgr() = default;
    void notifyList() override { emit gotRegionList(); }
    void notifyChanged(int id) override { emit regionChanged(id); }
    void notifyDeleted(int id) override { emit regionDeleted(id); }
};
