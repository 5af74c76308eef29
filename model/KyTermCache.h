#pragma once

#include <list>
#include <map>
#include <mutex>

// Cached list of terminal records keyed by their id, behind a recursive
// mutex. A sorted cache keeps ascending ids (stable for equal ids); an
// unsorted one keeps arrival order and appends new ids at the end.
template <class Rec>
class KyTermCache {
public:
    using List = std::list<Rec>;

    explicit KyTermCache(bool sorted) : m_sorted(sorted) {}

    std::recursive_mutex& mutex() const { return m_mutex; }

    // Whether a whole list has arrived.
    bool loaded() const
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        return m_loaded;
    }

    void replaceAll(List list)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        m_list.swap(list);
        if (m_sorted)
            m_list.sort([](const Rec& a, const Rec& b) { return a.id < b.id; });
        m_index.clear();
        for (auto it = m_list.begin(); it != m_list.end(); ++it)
            m_index.emplace(it->id, it);
        m_loaded = true;
    }

    // Replaces the record with the same id, or inserts it. True when one was replaced.
    bool upsert(const Rec& rec)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(rec.id);
        if (found != m_index.end()) {
            *found->second = rec;
            return true;
        }
        insertNew(rec);
        return false;
    }

    // Applies f to the cached record with that id, or to a new record with
    // that id which is then inserted. True when the record was new.
    template <class F>
    bool merge(int id, F f)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(id);
        if (found != m_index.end()) {
            f(*found->second);
            return false;
        }
        Rec rec;
        rec.id = id;
        f(rec);
        insertNew(rec);
        return true;
    }

    // Replaces the record with the same id; false (nothing changed) when there is none.
    bool replaceExisting(const Rec& rec)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(rec.id);
        if (found == m_index.end())
            return false;
        *found->second = rec;
        return true;
    }

    // Removes the record with the same id (if any) and appends the new one at the end.
    void moveToEnd(const Rec& rec)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        remove(rec.id);
        m_index.emplace(rec.id, m_list.insert(m_list.end(), rec));
    }

    bool remove(int id)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(id);
        if (found == m_index.end())
            return false;
        m_list.erase(found->second);
        m_index.erase(found);
        return true;
    }

    // Applies f to the cached record with that id under the lock.
    template <class F>
    bool modify(int id, F f)
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(id);
        if (found == m_index.end())
            return false;
        f(*found->second);
        return true;
    }

    bool get(int id, Rec& out) const
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        auto found = m_index.find(id);
        if (found == m_index.end())
            return false;
        out = *found->second;
        return true;
    }

    bool contains(int id) const
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        return m_index.count(id) != 0;
    }

    // New heap copy (the caller deletes it), or null.
    Rec* clone(int id) const
    {
        Rec rec;
        return get(id, rec) ? new Rec(rec) : nullptr;
    }

    List copy() const
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        return m_list;
    }

    // Locks the mutex and returns the list; null without locking when no list
    // has arrived. The caller calls unlock() after the walk.
    List* lock()
    {
        m_mutex.lock();
        if (m_loaded)
            return &m_list;
        m_mutex.unlock();
        return nullptr;
    }
    // Locks and returns the list even before it has arrived (empty then).
    List* lockAlways()
    {
        m_mutex.lock();
        return &m_list;
    }
    void unlock() { m_mutex.unlock(); }

private:
    void insertNew(const Rec& rec)
    {
        auto pos = m_list.end();
        if (m_sorted) {
            auto next = m_index.upper_bound(rec.id);
            if (next != m_index.end())
                pos = next->second;
        }
        m_index.emplace(rec.id, m_list.insert(pos, rec));
    }

    mutable std::recursive_mutex m_mutex;
    List m_list;
    std::map<int, typename List::iterator> m_index;
    bool m_loaded = false;
    bool m_sorted;
};
