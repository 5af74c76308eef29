#pragma once

#include <list>

#include <QObject>

#include "KyRecordCache.h"
#include "KyRegion.h"
#include "KyRegionManage.h"

// Cached broadcast regions; same threading as KyMicGroupListMgr.
class KyRegionListMgr : public QObject {
    Q_OBJECT
public:
    static KyRegionListMgr* instance();

    int requestList();

    std::list<KyRegion> regionList() const { return m_cache.copy(); }
    bool getRegion(int id, KyRegion* out) const;
    int maxRegionId() const { return m_cache.maxId(); }

    // op 4 add, 5 modify, 6 delete; the cache changes only on 0.
    int saveRegion(KyRegion* region, int op);
    void applyRegion(const KyRegion* region, int op);

signals:
    void gotRegionList();
    void regionChanged(int id);
    void regionDeleted(int id);

private:
    KyRegionListMgr();
    void onManagerEvent(int event, int id, const void* data);

    KyRegionManage m_manage;
    KyRecordCache<KyRegion> m_cache;
};
