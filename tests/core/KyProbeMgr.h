#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KyBaseMgr.h"
#include "KyDbpMessage.h"

// A manager for core tests: owns request types 500-509 and records what the
// hub hands it (from the receive thread).
class KyProbeMgr : public KyBaseMgr {
public:
    enum { RT_FIRST = 500, RT_PARAMS = 500, RT_OTHER = 501, RT_LAST = 509 };

    struct Seen {
        int requestType;
        int code;
        KyDbpMessage msg;
    };

    explicit KyProbeMgr(const std::string& name = "Probe", const std::string& pushPrefix = "SqlConfig_")
        : KyBaseMgr(name), m_prefix(pushPrefix)
    {
        addReplyTypes(RT_FIRST, RT_LAST);
    }

    // Time onReply takes before storing (to see that the caller waits for it).
    int replyDelayMs = 0;

    void onReply(int requestType, const KyDbpMessage& msg) override
    {
        if (replyDelayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(replyDelayMs));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_replies.push_back({requestType, 0, msg});
    }
    void onFailedRequest(int requestType, int code, const KyDbpMessage& msg) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_failed.push_back({requestType, code, msg});
    }
    bool handlesCode(const std::string& name) const override { return name.compare(0, m_prefix.size(), m_prefix) == 0; }
    bool parseBody(const std::string& name, const std::string&) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pushes.push_back(name);
        return true;
    }
    bool onNotification(const std::string& name, const std::string& body) override { return parseBody(name, body); }

    std::vector<Seen> replies() const { std::lock_guard<std::mutex> l(m_mutex); return m_replies; }
    std::vector<Seen> failed() const { std::lock_guard<std::mutex> l(m_mutex); return m_failed; }
    std::vector<std::string> pushes() const { std::lock_guard<std::mutex> l(m_mutex); return m_pushes; }
    void clear()
    {
        std::lock_guard<std::mutex> l(m_mutex);
        m_replies.clear();
        m_failed.clear();
        m_pushes.clear();
    }

private:
    std::string m_prefix;
    mutable std::mutex m_mutex;
    std::vector<Seen> m_replies;
    std::vector<Seen> m_failed;
    std::vector<std::string> m_pushes;
};
