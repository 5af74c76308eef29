#pragma once

#include <mutex>

// Owner of a recursive mutex that hands locked data to callers; they
// release it with unlock() once per successful lock.
class KyMutexHolder {
public:
    virtual ~KyMutexHolder() = default;

    void unlock() { m_mutex.unlock(); }

protected:
    void lock() { m_mutex.lock(); }
    std::recursive_mutex& mutex() { return m_mutex; }

private:
    std::recursive_mutex m_mutex;
};
