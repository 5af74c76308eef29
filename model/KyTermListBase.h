#pragma once

#include <cstdio>
#include <string>

#include "KyRecordCache.h"
#include "KyStoreBase.h"
#include "KyTermRowManage.h"
#include "KyTermRows.h"

// Shared part of the terminal list managers: the cache, the events from the
// protocol manager, and the operations every kind has. The Qt subclass names
// the signals.
template <class Rec, class... Extras>
class KyTermListBase : public KyListEvents<Rec, KyRow, Extras...>,
                       public KyStoreBase<KyTermRowManage<Rec, Extras...>> {
public:
    using List = std::list<Rec>;
    using Manage = KyTermRowManage<Rec, Extras...>;

    // Requests the whole list (busy retry); the reply replaces the cache and
    // notifies. Called again to refresh.
    int init() override { return requestList(hub(), m_listPauseMs); }

    bool getRecord(int id, Rec& out) const { return m_cache.get(id, out); }
    bool getRecord(int id, Rec* out) const { return out && m_cache.get(id, *out); }
    Rec* cloneRecord(int id) const { return m_cache.clone(id); }
    List copyRecords() const { return m_cache.copy(); }
    // The cached records, locked; null (nothing locked) before the first
    // list. The caller calls unlockRecords() after the walk.
    List* lockRecords() { return m_cache.lock(); }
    void unlockRecords() { m_cache.unlock(); }
    // Whether a whole list has arrived (an empty list counts as arrived).
    bool loaded() const { return m_cache.loaded(); }

protected:
    KyTermListBase(Manage* mgr, bool sorted, int listPauseMs = KY_PAUSE_QUERY_MS)
        : KyStoreBase<Manage>(mgr), m_cache(sorted), m_listPauseMs(listPauseMs)
    {
    }

    using KyStoreBase<Manage>::hub;
    using KyStoreBase<Manage>::send;
    using KyStoreBase<Manage>::m_mgr;

    // Called once from the subclass constructor.
    void hookCallback()
    {
        Manage::Report::listen(*m_mgr, *this);
    }

    int requestList(KyManageCenter* center, int pauseMs)
    {
        return send(center, m_mgr->listType(), m_mgr->listRequest(), pauseMs);
    }

    // "RemoveDevice" with retry; on 0 removes the record.
    int removeRecord(const Rec& rec, int requestType, bool withType, KyManageCenter* center = hub())
    {
        const int id = rec.id;  // rec may be a cached record that goes away meanwhile
        int rc = send(center, requestType, KyCommandRequest::post("RemoveDevice", kyRemoveBody(id, rec.type, withType)),
                      KY_PAUSE_SAVE_MS);
        if (rc == 0)
            m_cache.remove(id);
        return rc;
    }

    void listArrived(int, const std::vector<Rec>& records) override
    {
        m_cache.replaceAll(records);
        notifyList();
    }
    // Only the fields the row carries change.
    void recordChanged(int id, const KyRow& row) override
    {
        notifyChanged(id, m_cache.merge(id, [&row](Rec& rec) { kyReadRow(row, rec); }));
    }
    void recordRemoved(int id, int) override
    {
        if (m_cache.remove(id))
            notifyDeleted(id);
    }
    void removeFailed(int id, const std::string& text) override
    {
        std::fprintf(stderr, "%s: deletion of %d failed: %s\n", m_mgr->name().c_str(), id, text.c_str());
    }

    virtual void notifyList() = 0;
    // appended: the id was new to the cache.
    virtual void notifyChanged(int id, bool appended) = 0;
    virtual void notifyDeleted(int id) = 0;

    KyRecordCache<Rec> m_cache;

private:
    int m_listPauseMs;
};
