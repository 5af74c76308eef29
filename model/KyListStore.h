#pragma once

#include <list>
#include <vector>

#include <QObject>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"
#include "KyRecordCache.h"

// Base of a store that caches one server list: its protocol manager (with
// listRequest() and RT_LIST) and the cached records. The manager's events
// arrive in the receive thread.
template <class T, class Manage>
class KyListStore : public QObject, public Manage::Events {
public:
    // Sends the list query, retrying while busy; the reply replaces the cache.
    int requestList()
    {
        KyCommandRequest req = Manage::listRequest();
        return mcSendRequestRetry(KyManageCenter::instance(), Manage::RT_LIST, req, 10);
    }

protected:
    KyListStore()
    {
        Manage::Report::listen(m_manage, *this);
    }

    // The one store D: made by make() on the first call, registered with the
    // hub on every call, loaded on the first. The pointer is set before the
    // first request: a slot run during its wait may ask again.
    template <class D, class Make>
    static D* single(Make make)
    {
        static D* store = nullptr;
        const bool first = !store;
        if (first)
            store = make();
        kyAttachManager(&store->m_manage);
        if (first)
            store->requestList();
        return store;
    }

    Manage m_manage;
    KyRecordCache<T> m_cache;
};
