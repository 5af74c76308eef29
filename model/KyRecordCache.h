#pragma once

#include <algorithm>
#include <list>
#include <mutex>

// Cached list of records with an int "id", guarded by its own mutex. Readers
// get copies, never the live list.
template <class T>
class KyRecordCache {
public:
    // What an add/modify/delete (ops 4/5/6) did to the cache.
    enum Applied { None, Changed, Deleted };

    std::list<T> copy() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items;
    }

    void replace(std::list<T> items)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.swap(items);
    }

    bool get(int id, T* out) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = findLocked(id);
        if (it == m_items.end())
            return false;
        if (out)
            *out = *it;
        return true;
    }

    // Largest cached id, never below 0.
    int maxId() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        int best = 0;
        for (const T& item : m_items)
            best = std::max(best, item.id);
        return best;
    }

    // Replaces the record of the same id, or appends it.
    void upsert(const T& item)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = findLocked(item.id);
        if (it == m_items.end())
            m_items.push_back(item);
        else
            *it = item;
    }

    // Removes the first record of that id; false when none has it.
    bool remove(int id)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = findLocked(id);
        if (it == m_items.end())
            return false;
        m_items.erase(it);
        return true;
    }

    // Op 4 add, 5 modify, 6 delete: a cached id is overwritten (5) or removed
    // (6); an unknown id is appended (4, 5).
    Applied apply(const T& item, int op)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = findLocked(item.id);
        if (it != m_items.end()) {
            if (op == 5) {
                *it = item;
                return Changed;
            }
            if (op == 6) {
                m_items.erase(it);
                return Deleted;
            }
            return None;
        }
        if (op == 4 || op == 5) {
            m_items.push_back(item);
            return Changed;
        }
        return None;
    }

private:
    typename std::list<T>::const_iterator findLocked(int id) const
    {
        return std::find_if(m_items.begin(), m_items.end(), [id](const T& t) { return t.id == id; });
    }
    typename std::list<T>::iterator findLocked(int id)
    {
        return std::find_if(m_items.begin(), m_items.end(), [id](const T& t) { return t.id == id; });
    }

    mutable std::mutex m_mutex;
    std::list<T> m_items;
};
