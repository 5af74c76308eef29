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

// Shared part of the terminal list managers: the cache, the callback from the
// protocol manager, and the operations every kind has. The Qt subclass names
// the signals.
template <class Rec>
class KyTermListBase {
public:
    using List = std::list<Rec>;

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
    KyTermListBase(KyTermRowManage<Rec>* mgr, bool sorted, int listPauseMs = KY_PAUSE_QUERY_MS)
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
        m_mgr->setCallback([this](int event, int id, const void* data) { onTermEvent(event, id, data); });
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

    virtual void onTermEvent(int event, int id, const void* data)
    {
        switch (event) {
        case KY_EV_LIST:
            m_cache.replaceAll(*static_cast<const List*>(data));
            notifyList();
            break;
        case KY_EV_CHANGED: {
            // Only the fields the row carries change.
            const KyRow& row = *static_cast<const KyRow*>(data);
            notifyChanged(id, m_cache.merge(id, [&row](Rec& rec) { kyReadRow(row, rec); }));
            break;
        }
        case KY_EV_DELETED:
            if (m_cache.remove(id))
                notifyDeleted(id);
            break;
        case KY_EV_DELETE_FAILED:
            onDeleteFailed(id, *static_cast<const std::string*>(data));
            break;
        default:
            onOtherEvent(event, id, data);
            break;
        }
    }

    virtual void notifyList() = 0;
    // appended: the id was new to the cache.
    virtual void notifyChanged(int id, bool appended) = 0;
    virtual void notifyDeleted(int id) = 0;
    virtual void onDeleteFailed(int id, const std::string& text)
    {
        std::fprintf(stderr, "%s: deletion of %d failed: %s\n", m_mgr->name().c_str(), id, text.c_str());
    }
    virtual void onOtherEvent(int, int, const void*) {}

    KyRecordCache<Rec> m_cache;
    KyTermRowManage<Rec>* m_mgr;

private:
    int m_listPauseMs;
    std::atomic<bool> m_initRequested{false};
};
