#pragma once

#include <algorithm>
#include <list>
#include <map>
#include <mutex>

// Cached list of records with an int "id", behind a recursive mutex, with an
// id index. A sorted cache keeps ascending ids (stable for equal ids); an
// unsorted one keeps arrival order and appends new ids at the end. Lookups
// by id take the first record of that id in list order. Several caches may
// share one mutex (passed to the constructor).
template <class Rec>
class KyRecordCache {
public:
    using List = std::list<Rec>;
    // What an add/modify/delete (ops 4/5/6) did to the cache.
    enum Applied { None, Changed, Deleted };

    explicit KyRecordCache(bool sorted = false) : KyRecordCache(sorted, nullptr) {}
    KyRecordCache(bool sorted, std::recursive_mutex* shared) : m_mutex(shared ? *shared : m_ownMutex), m_sorted(sorted)
    {
    }
    KyRecordCache(const KyRecordCache&) = delete;
    KyRecordCache& operator=(const KyRecordCache&) = delete;

    std::recursive_mutex& mutex() const { return m_mutex; }

    // Whether a whole list has arrived.
    bool loaded() const
    {
        Guard lock(m_mutex);
        return m_loaded;
    }

    // Replaces the records with those of a whole list (any container of Rec).
    template <class Records>
    void replaceAll(const Records& records)
    {
        List list(records.begin(), records.end());
        if (m_sorted)
            list.sort([](const Rec& a, const Rec& b) { return a.id < b.id; });
        Guard lock(m_mutex);
        m_list.swap(list);
        m_index.clear();
        for (auto it = m_list.begin(); it != m_list.end(); ++it)
            m_index.emplace_hint(m_index.end(), it->id, it);
        m_loaded = true;
    }

    // Replaces the record with the same id, or inserts it. True when one was replaced.
    bool upsert(const Rec& rec)
    {
        Guard lock(m_mutex);
        if (Rec* found = findLocked(rec.id)) {
            *found = rec;
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
        Guard lock(m_mutex);
        if (Rec* found = findLocked(id)) {
            f(*found);
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
        return modify(rec.id, [&rec](Rec& cached) { cached = rec; });
    }

    // Removes the record with the same id (if any) and appends the new one at the end.
    void moveToEnd(const Rec& rec)
    {
        Guard lock(m_mutex);
        remove(rec.id);
        m_index.emplace(rec.id, m_list.insert(m_list.end(), rec));
    }

    // Removes the first record of that id; false when none has it.
    bool remove(int id)
    {
        Guard lock(m_mutex);
        auto found = indexOf(*this, id);
        if (found == m_index.end())
            return false;
        m_list.erase(found->second);
        m_index.erase(found);
        return true;
    }

    // Op 4 add, 5 modify, 6 delete: a cached id is overwritten (5) or removed
    // (6); an unknown id is inserted (4, 5).
    Applied apply(const Rec& rec, int op)
    {
        Guard lock(m_mutex);
        if (Rec* found = findLocked(rec.id)) {
            if (op == 5) {
                *found = rec;
                return Changed;
            }
            if (op == 6) {
                remove(rec.id);
                return Deleted;
            }
            return None;
        }
        if (op == 4 || op == 5) {
            insertNew(rec);
            return Changed;
        }
        return None;
    }

    // Applies f to the cached record with that id under the lock.
    template <class F>
    bool modify(int id, F f)
    {
        Guard lock(m_mutex);
        Rec* found = findLocked(id);
        if (!found)
            return false;
        f(*found);
        return true;
    }

    bool get(int id, Rec& out) const { return get(id, &out); }
    // Copies into out when it is not null.
    bool get(int id, Rec* out) const
    {
        Guard lock(m_mutex);
        auto found = indexOf(*this, id);
        if (found == m_index.end())
            return false;
        if (out)
            *out = *found->second;
        return true;
    }

    bool contains(int id) const { return get(id, nullptr); }

    // New heap copy (the caller deletes it), or null.
    Rec* clone(int id) const
    {
        Rec rec;
        return get(id, rec) ? new Rec(rec) : nullptr;
    }

    List copy() const
    {
        Guard lock(m_mutex);
        return m_list;
    }

    // Largest cached id, never below 0.
    int maxId() const
    {
        Guard lock(m_mutex);
        return m_index.empty() ? 0 : std::max(0, static_cast<int>(m_index.rbegin()->first));
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
    using Guard = std::lock_guard<std::recursive_mutex>;
    using Index = std::multimap<int, typename List::iterator>;

    // The first entry of that id in list order (equal ids are indexed in list order).
    template <class Self>
    static auto indexOf(Self& self, int id) -> decltype(self.m_index.end())
    {
        auto found = self.m_index.lower_bound(id);
        return (found != self.m_index.end() && found->first == id) ? found : self.m_index.end();
    }

    Rec* findLocked(int id)
    {
        auto found = indexOf(*this, id);
        return found == m_index.end() ? nullptr : &*found->second;
    }

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

    std::recursive_mutex m_ownMutex;
    std::recursive_mutex& m_mutex;
    List m_list;
    Index m_index;
    bool m_loaded = false;
    bool m_sorted;
};
