#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "KyCommandRequest.h"
#include "KyDbpMessage.h"

class KyBaseMgr;
class KyNetManage;

// The hub: owns the network part, offers every received message to its
// managers in registration order, and keeps the hub-level state (login,
// server time).
class KyManageCenter {
public:
    // Hub-level request types.
    enum { RT_LOGIN1 = 1, RT_LOGIN2 = 2, RT_KEEPALIVE = 3, RT_SYSTEM_TIME = 4 };

    KyManageCenter();
    ~KyManageCenter();
    KyManageCenter(const KyManageCenter&) = delete;
    KyManageCenter& operator=(const KyManageCenter&) = delete;

    // The process-wide hub created at start-up (null before, and in tests
    // until one is created). The last constructed hub is the instance.
    static KyManageCenter* instance();

    // Managers are registered once each and kept in a fixed order; the hub
    // does not own them. Registering the same manager twice is a no-op.
    void registerManager(KyBaseMgr* mgr);
    void unregisterManager(KyBaseMgr* mgr);
    KyBaseMgr* managerForRequestType(int requestType) const;
    KyBaseMgr* managerByName(const std::string& name) const;

    // Connects (3 s), runs the two-step login and starts the receive thread.
    // 0 logged in, 1 refused, 3 timed out, 4 connect failed.
    int login(const std::string& host, int port, const std::string& user,
              const std::string& password);
    // Closes the connection and stops the receive thread.
    void logout();
    bool isLoggedIn() const;

    // Sends one request and waits for its reply (see KyNetManage). The reply
    // has been handed to its manager before this returns. When reply is not
    // null it receives a copy of this request's own reply.
    int sendRequest(int requestType, KyCommandRequest& req, KyDbpMessage* reply = nullptr);
    // Sends without waiting; the reply is handled in the receive thread.
    int postRequest(int requestType, KyCommandRequest& req);

    // Server time text: empty until the GetSystemTime reply, then the value
    // of "SystemTime", or "----" when it was empty. Copied under a lock.
    std::string systemTime() const;
    // The server time as seconds since 1970, or -1 while none was received
    // or the value was empty or not a number.
    long long systemTimeSeconds() const;

    // Called by the receive thread for every framed message.
    void dispatch(const KyDbpMessage& msg, int requestType);
    // Called by the receive thread for a reply that came after its request
    // timed out: a 200 list reply goes to its manager; false (not handed on)
    // for anything else.
    bool dispatchLateReply(const KyDbpMessage& msg, int requestType);

    KyNetManage* net() const { return m_net.get(); }

private:
    void setSystemTime(const std::string& text);
    void handleHubReply(int requestType, const KyDbpMessage& msg);

    std::unique_ptr<KyNetManage> m_net;
    using Managers = std::vector<KyBaseMgr*>;
    const Managers& managers() const { return *m_managers.load(std::memory_order_acquire); }
    void setManagers(Managers next);

    // Lists are replaced, never changed in place, and kept until the hub
    // goes, so the receive thread reads the current one without a lock.
    mutable std::mutex m_mgrMutex;   // guards m_lists (writers only)
    std::vector<std::unique_ptr<const Managers>> m_lists;
    std::atomic<const Managers*> m_managers;
    mutable std::mutex m_timeMutex;
    std::string m_systemTime;
};
