#pragma once

#include <atomic>

#include "KyCommandRequest.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"

class KyBaseMgr;
struct KyDbpMessage;

// Busy-retry pauses: list and book queries, saves.
enum { KY_PAUSE_QUERY_MS = 10, KY_PAUSE_SAVE_MS = 100 };

// Registers the manager with the hub (a no-op when it is registered) and
// sends; pauseMs > 0 repeats while busy (bounded). -1 without a hub.
int kyStoreSend(KyManageCenter* center, KyBaseMgr* mgr, int requestType, KyCommandRequest req, int pauseMs,
                KyDbpMessage* reply = nullptr);

// Base of a store of one server list. Its protocol manager is the
// manager's singleton (Manage::instance()), which the store points at and
// never owns. The first use requests the list once.
template <class Manage>
class KyStoreBase {
public:
    virtual ~KyStoreBase() = default;

    // Requests the whole list; the reply replaces the cache and notifies.
    virtual int init() = 0;

protected:
    explicit KyStoreBase(Manage* mgr) : m_mgr(mgr) {}

    // The one first-use rule: the first call requests the list. instance()
    // calls it after its static is set, so a slot run during the wait may
    // call instance() again.
    void initOnce()
    {
        if (!m_initRequested.exchange(true))
            init();
    }

    static KyManageCenter* hub() { return KyManageCenter::instance(); }
    // Registers the manager with the current hub (a no-op without one).
    void attach() { kyAttachManager(m_mgr); }

    int send(KyManageCenter* center, int requestType, KyCommandRequest req, int pauseMs,
             KyDbpMessage* reply = nullptr)
    {
        return kyStoreSend(center, m_mgr, requestType, std::move(req), pauseMs, reply);
    }

    Manage* m_mgr;

private:
    std::atomic<bool> m_initRequested{false};
};
