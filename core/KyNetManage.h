#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "KyCommandRequest.h"
#include "KyDbpFramer.h"
#include "KyDbpMessage.h"
#include "KySocket.h"

class KyManageCenter;

// Network part of the hub: the connection to the central server, the CSeq
// counter, the pending-request list (CSeq -> request type), the receive
// thread, the two-step login, keep-alive and loss detection.
class KyNetManage {
public:
    static constexpr int kConnectTimeoutMs = 3000;
    static constexpr int kSelectTimeoutMs = 200;
    static constexpr int kPollMs = 10;
    // A request times out when more than this many whole seconds passed.
    static constexpr int kWaitWholeSeconds = 2;
    // A reply under way moves its request's time-out to 2 s ahead for each
    // kProgressBytes it brings, never past kMaxWaitMs from the send.
    static constexpr size_t kProgressBytes = 32 * 1024;
    static constexpr int kMaxWaitMs = 60000;
    // How long a timed-out request is remembered, so that its late reply is
    // known (a list is still applied, anything else dropped).
    static constexpr int kLateKeepMs = 120000;
    static constexpr int kDefaultKeepAliveMs = 20000;
    static constexpr int kDefaultLossTimeoutMs = 300000;

    // Keep-alive interval and loss time (ms); tests shorten them.
    static void setKeepAliveIntervalMs(int ms);
    static int keepAliveIntervalMs();
    static void setLossTimeoutMs(int ms);
    static int lossTimeoutMs();

    explicit KyNetManage(KyManageCenter* center);
    ~KyNetManage();
    KyNetManage(const KyNetManage&) = delete;
    KyNetManage& operator=(const KyNetManage&) = delete;

    // Connects, starts the receive thread and runs the login. 0 logged in,
    // 1 refused, 3 timed out, 4 connect failed. On non-zero the connection
    // is closed and no receive thread is left.
    int login(const std::string& host, int port, const std::string& user, const std::string& password);
    // Stops the receive thread and closes the connection.
    void disconnect();
    bool isConnected() const { return m_connected.load(); }
    bool isLoggedIn() const;

    // One request outstanding at a time: waits its turn, sends, then polls
    // every 10 ms (processing events other than user input) until the reply
    // has been handed to its manager or the time runs out. 0 done, 1 refused,
    // 2 busy, 3 timed out, 4 not connected (or the loss was raised: a wait
    // then ends at once).
    int sendRequestAndWait(int requestType, KyCommandRequest& req, KyDbpMessage* reply = nullptr);
    // Sends without waiting (outside the one-outstanding rule): 0 sent,
    // 4 not connected.
    int postRequest(int requestType, KyCommandRequest& req);

    // Sleeps ms in 10 ms steps, processing events other than user input.
    static void sleepProcessingEvents(int ms);
    // Monotonic milliseconds.
    static long long nowMs();

private:
    enum LoginState { Idle, Step1, Step2, LoggedIn, Refused };

    struct Pending {
        int requestType = 0;
        long long sentMs = 0;
        long long deadlineMs = 0;
        size_t progressBytes = 0;   // of its reply since the last extension
        bool waited = false;   // a caller waits for it (one at a time)
        bool done = false;
        bool handling = false;   // the reply is with its manager: the wait goes on
        int result = 0;
        KyDbpMessage reply;
    };

    // A timed-out request: its type, and until when its late reply is known.
    struct Late {
        int requestType = 0;
        long long untilMs = 0;
    };
    using PendingIt = std::map<int, Pending>::iterator;

    static long long deadlineFrom(long long startMs);
    bool usable() const { return m_connected.load() && !m_lossRaised.load(); }
    bool waitedOutstandingLocked(long long now) const;
    // Moves a pending request past its time-out to the late list.
    void expireLocked(PendingIt it, long long now);
    // Takes the request of a reply that came after its time-out: its type,
    // false when the reply belongs to no such request.
    bool takeLateLocked(int cseq, long long now, int& requestType);
    // Takes a CSeq, registers it and sends; the CSeq, 0 while another waited
    // request is outstanding (when waited), -1 when the send failed.
    int sendTracked(int requestType, KyCommandRequest& req, bool waited);
    int waitForReply(int cseq, KyDbpMessage* reply);
    int waitLoginStep(LoginState step, long long startMs);
    void connectionBroken(const char* why);
    void raiseLoss();   // once per connection

    void receiveLoop();
    void readSocket(char* buf, size_t size);
    static constexpr size_t kTrimAfterBytes = 256 * 1024;
    // Takes msg's body when a caller waits for this reply.
    void handleMessage(KyDbpMessage& msg);
    void handleLateReply(const KyDbpMessage& msg, int requestType);
    // Counts bytes of a reply still arriving towards its request's wait.
    void noteReplyProgress(size_t bytes);
    void stepHubState(int requestType, const KyDbpMessage& msg);
    void sendLoginStep2(const std::string& nonce);
    void tick();

    KyManageCenter* m_center;
    KySocket m_socket;
    KyDbpFramer m_framer;           // receive thread only
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_connected{false};
    std::atomic<int> m_loginState{Idle};

    std::mutex m_sendOrderMutex;    // CSeq order equals send order
    mutable std::mutex m_mutex;     // guards the members below
    std::map<int, Pending> m_pending;
    std::map<int, Late> m_late;     // CSeq -> timed-out request
    int m_nextCSeq = 1;
    std::string m_user;
    std::string m_password;         // kept only while the login runs

    // Receive-thread clocks.
    std::atomic<long long> m_lastReplyMs{0};
    long long m_lastKeepAliveMs = 0;
    std::atomic<bool> m_lossRaised{false};
};
