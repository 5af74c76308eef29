#pragma once

#include "KyListStore.h"

// List store of records whose ids the console chooses (mic groups,
// regions). Signals go out through the notify functions: from the receive
// thread for the server's list and deletions, from the caller's thread for
// its own saves (before save returns).
template <class T, class Manage>
class KyOrgListMgr : public KyListStore<T, Manage> {
protected:
    // op 4 add, 5 modify, 6 delete. Retries while busy; the cache changes and
    // the notification goes out only when the server answered 0. Returns the
    // result (-1 without a record, hub or manager).
    int save(T* record, int op)
    {
        if (!record || op < 4 || op > 6)
            return -1;
        KyCommandRequest req = Manage::saveRequest(*record, op);
        const int rc = mcSendRequestRetry(KyManageCenter::instance(), Manage::RT_SAVE, req, 100);
        if (rc == 0)
            apply(record, op);
        return rc;
    }

    void apply(const T* record, int op)
    {
        if (!record)
            return;
        switch (this->m_cache.apply(*record, op)) {
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
        this->m_cache.replaceAll(records);
        notifyList();
    }
    void recordRemoved(int id, int) override
    {
        if (this->m_cache.remove(id))
            notifyDeleted(id);
    }
};
