#pragma once

#include <atomic>
#include <string>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyRecordCache.h"
#include "KyTermRowManage.h"
#include "KyTermRows.h"

// Busy-retry pauses: list and book queries, saves.
enum { KY_PAUSE_QUERY_MS = 10, KY_PAUSE_SAVE_MS = 100 };

// Registers the manager with the hub (a no-op when it is registered) and
// sends; pauseMs > 0 repeats while busy (bounded). -1 without a hub.
int kyTermSend(KyManageCenter* center, KyBaseMgr* mgr, int requestType, KyCommandRequest req,
               int pauseMs, KyDbpMessage* reply = nullptr);

// Shared part of the terminal list managers: the cache, the events from the
// protocol manager, and the operations every kind has. The Qt subclass names
// the signals.
template <class Rec, class... Extras>
class KyTermListBase : public KyListEvents<Rec, KyRow, Extras...> {
public:
    using List = std::list<Rec>;
    using Manage = KyTermRowManage<Rec, Extras...>;

    virtual ~KyTermListBase() = default;

    // Requests the whole list (busy retry); the reply replaces the cache and
    // notifies. Called again to refresh.
    int init() { return requestList(hub(), m_listPauseMs); }

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
        : m_cache(sorted), m_mgr(mgr), m_listPauseMs(listPauseMs)
    {
    }

    // The first call requests the list. instance() calls it after its static
    // is set, so a slot run during the wait may call instance() again.
    void initOnce()
    {
        if (!m_initRequested.exchange(true))
            init();
    }

    // Called once from the subclass constructor.
    void hookCallback()
    {
        Manage::Report::listen(*m_mgr, *this);
    }

    static KyManageCenter* hub() { return KyManageCenter::instance(); }

    int send(KyManageCenter* center, int requestType, KyCommandRequest req, int pauseMs)
    {
        return kyTermSend(center, m_mgr, requestType, std::move(req), pauseMs);
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
    Manage* m_mgr;

private:
    int m_listPauseMs;
    std::atomic<bool> m_initRequested{false};
};
