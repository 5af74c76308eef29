#pragma once

#include <QObject>

#include "KyRecordCache.h"
#include "KyStoreBase.h"

// List store of records whose ids the console chooses (mic groups,
// regions). Signals go out through the notify functions: from the receive
// thread for the server's list and deletions, from the caller's thread for
// its own saves (before save returns).
template <class T, class Manage>
class KyOrgListMgr : public QObject, public Manage::Events, public KyStoreBase<Manage> {
public:
    // Sends the list query, retrying while busy; the reply replaces the cache.
    int requestList() { return this->send(this->hub(), Manage::RT_LIST, Manage::listRequest(), KY_PAUSE_QUERY_MS); }
    int init() override { return requestList(); }

protected:
    KyOrgListMgr() : KyStoreBase<Manage>(Manage::instance()) { Manage::Report::listen(*this->m_mgr, *this); }

    // op 4 add, 5 modify, 6 delete. Retries while busy; the cache changes and
    // the notification goes out only when the server answered 0. Returns the
    // result (-1 without a record, hub or manager).
    int save(T* record, int op)
    {
        if (!record || op < 4 || op > 6)
            return -1;
        const int rc = this->send(this->hub(), Manage::RT_SAVE, Manage::saveRequest(*record, op), KY_PAUSE_SAVE_MS);
        if (rc == 0)
            apply(record, op);
        return rc;
    }

    void apply(const T* record, int op)
    {
        if (!record)
            return;
        switch (m_cache.apply(*record, op)) {
        case KyRecordCache<T>::Changed:
            notifyChanged(record->id);
            break;
        case KyRecordCache<T>::Deleted:
            notifyDeleted(record->id);
            break;
        case KyRecordCache<T>::None:
            break;
        }
    }

    virtual void notifyList() = 0;
    virtual void notifyChanged(int id) = 0;
    virtual void notifyDeleted(int id) = 0;

    void listArrived(int, const std::vector<T>& records) override
    {
        m_cache.replaceAll(records);
        notifyList();
    }
    void recordRemoved(int id, int) override
    {
        if (m_cache.remove(id))
            notifyDeleted(id);
    }

    KyRecordCache<T> m_cache;
};
