#pragma once

#include <utility>

// Holds a list store's lock for a scope: lockList() on construction,
// unlockList() at the end when a list came back (a store without a list
// holds no lock). Reads as the list pointer: false without a list.
template <class Store>
class KyListLock {
public:
    using List = std::remove_pointer_t<decltype(std::declval<Store&>().lockList())>;

    explicit KyListLock(Store* store) : m_store(store), m_list(store->lockList()) {}
    ~KyListLock()
    {
        if (m_list)
            m_store->unlockList();
    }
    KyListLock(const KyListLock&) = delete;
    KyListLock& operator=(const KyListLock&) = delete;

    explicit operator bool() const { return m_list != nullptr; }
    List& operator*() const { return *m_list; }
    List* operator->() const { return m_list; }

private:
    Store* m_store;
    List* m_list;
};
