#include "KyNetManage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <malloc.h>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>

#include "KyHmac.h"
#include "KyJson.h"
#include "KyManageCenter.h"
#include "KyNetLosssHandle.h"
#include "KyResult.h"

namespace {
std::atomic<int> g_keepAliveMs{KyNetManage::kDefaultKeepAliveMs};
std::atomic<int> g_lossMs{KyNetManage::kDefaultLossTimeoutMs};
}

void KyNetManage::setKeepAliveIntervalMs(int ms) { g_keepAliveMs = ms; }
int KyNetManage::keepAliveIntervalMs() { return g_keepAliveMs; }
void KyNetManage::setLossTimeoutMs(int ms) { g_lossMs = ms; }
int KyNetManage::lossTimeoutMs() { return g_lossMs; }

long long KyNetManage::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Whole-second rule on the monotonic clock: the wait ends once more than
// kWaitWholeSeconds whole seconds have passed, i.e. after 2 to 3 s.
long long KyNetManage::deadlineFrom(long long startMs)
{
    return (startMs / 1000 + kWaitWholeSeconds + 1) * 1000;
}

void KyNetManage::sleepProcessingEvents(int ms)
{
    const long long end = nowMs() + ms;
    do {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        long long left = end - nowMs();
        std::this_thread::sleep_for(std::chrono::milliseconds(left < kPollMs ? (left > 0 ? left : 0) : kPollMs));
    } while (nowMs() < end);
}

KyNetManage::KyNetManage(KyManageCenter* center) : m_center(center) {}

KyNetManage::~KyNetManage()
{
    disconnect();
}

bool KyNetManage::isLoggedIn() const
{
    return m_connected.load() && m_loginState.load() == LoggedIn;
}

// ---- user-interface thread ------------------------------------------------

int KyNetManage::login(const std::string& host, int port, const std::string& user, const std::string& password)
{
    disconnect();
    KyNetLosssHandle::instance()->rearm();
    if (!m_socket.connectTo(host, port, kConnectTimeoutMs))
        return KY_NOT_CONNECTED;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_user = user;
        m_password = password;
    }
    m_lossRaised = false;
    m_stop = false;
    m_connected = true;
    m_loginState = Step1;
    m_thread = std::thread(&KyNetManage::receiveLoop, this);

    Json::Value body(Json::objectValue);
    body["User"] = user;
    KyCommandRequest req("LOGIN", "Login", std::string(), kyJsonWrite(body));
    int result = KY_NOT_CONNECTED;
    if (sendTracked(KyManageCenter::RT_LOGIN1, req, false) > 0) {
        result = waitLoginStep(Step1, nowMs());
        if (result == KY_TIMEOUT && m_loginState.load() == Step2)
            result = waitLoginStep(Step2, nowMs());
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_password.assign(m_password.size(), '\0');
        m_password.clear();
    }
    if (result != KY_DONE) {
        std::fprintf(stderr, "login as %s to %s:%d failed (%d)\n", user.c_str(), host.c_str(), port, result);
        disconnect();
    }
    return result;
}

// Waits while the login is in the given step: 0 logged in, 1 refused,
// 3 still in a step (time-out or moved on), 4 connection lost.
int KyNetManage::waitLoginStep(LoginState step, long long startMs)
{
    const long long deadline = deadlineFrom(startMs);
    while (m_loginState.load() == step && m_connected.load() && nowMs() < deadline)
        sleepProcessingEvents(kPollMs);
    switch (m_loginState.load()) {
    case LoggedIn: return KY_DONE;
    case Refused: return KY_REFUSED;
    default: return m_connected.load() ? KY_TIMEOUT : KY_NOT_CONNECTED;
    }
}

void KyNetManage::disconnect()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    m_socket.close();
    m_connected = false;
    m_loginState = Idle;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.clear();
    m_late.clear();
    m_nextCSeq = 1;
    m_framer.reset();
}

bool KyNetManage::waitedOutstandingLocked(long long now) const
{
    for (const auto& p : m_pending)
        if (p.second.waited && !p.second.done && p.second.deadlineMs > now)
            return true;
    return false;
}

int KyNetManage::sendTracked(int requestType, KyCommandRequest& req, bool waited)
{
    std::lock_guard<std::mutex> order(m_sendOrderMutex);
    if (!m_connected.load())
        return -1;
    int cseq;
    std::string text;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const long long now = nowMs();
        if (waited && waitedOutstandingLocked(now))
            return 0;
        cseq = m_nextCSeq++;
        req.setCSeq(cseq);
        Pending& p = m_pending[cseq];
        p.requestType = requestType;
        p.sentMs = now;
        p.deadlineMs = deadlineFrom(now);
        p.waited = waited;
        text = req.toString();
    }
    if (m_socket.sendAll(text))
        return cseq;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.erase(cseq);
    }
    connectionBroken("send failed");
    return -1;
}

int KyNetManage::sendRequestAndWait(int requestType, KyCommandRequest& req, KyDbpMessage* reply)
{
    while (true) {
        if (!usable())
            return KY_NOT_CONNECTED;
        const int cseq = sendTracked(requestType, req, true);
        if (cseq < 0)
            return KY_NOT_CONNECTED;
        if (cseq > 0)
            return waitForReply(cseq, reply);
        sleepProcessingEvents(kPollMs);   // another request is outstanding
    }
}

int KyNetManage::waitForReply(int cseq, KyDbpMessage* reply)
{
    while (true) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_pending.find(cseq);
            if (it == m_pending.end())
                return usable() ? KY_TIMEOUT : KY_NOT_CONNECTED;
            Pending& p = it->second;
            if (p.done) {
                const int result = p.result;
                if (reply)
                    *reply = std::move(p.reply);
                m_pending.erase(it);
                return result;
            }
            if (!usable()) {
                m_pending.erase(it);
                return KY_NOT_CONNECTED;
            }
            const long long now = nowMs();
            if (now >= p.deadlineMs && !p.handling) {
                expireLocked(it, now);
                return KY_TIMEOUT;
            }
        }
        sleepProcessingEvents(kPollMs);
    }
}

void KyNetManage::expireLocked(PendingIt it, long long now)
{
    m_late[it->first] = Late{it->second.requestType, now + kLateKeepMs};
    m_pending.erase(it);
}

bool KyNetManage::takeLateLocked(int cseq, long long now, int& requestType)
{
    auto it = m_pending.find(cseq);
    if (it != m_pending.end() && !it->second.done && it->second.deadlineMs <= now)
        expireLocked(it, now);   // its waiter has not looked yet
    auto late = m_late.find(cseq);
    if (late == m_late.end() || late->second.untilMs <= now)
        return false;
    requestType = late->second.requestType;
    m_late.erase(late);
    return true;
}

int KyNetManage::postRequest(int requestType, KyCommandRequest& req)
{
    return sendTracked(requestType, req, false) > 0 ? KY_DONE : KY_NOT_CONNECTED;
}

// A connection that breaks after the login, other than by disconnect(), is
// lost at once: nothing reconnects, so the operator is told now rather than
// after the silence time-out.
void KyNetManage::connectionBroken(const char* why)
{
    if (m_connected.exchange(false)) {
        std::fprintf(stderr, "connection to the server lost: %s\n", why);
        if (m_loginState.load() == LoggedIn && !m_stop.load())
            raiseLoss();
    }
    m_socket.shutdownBoth();
}

void KyNetManage::raiseLoss()
{
    if (!m_lossRaised.exchange(true))
        KyNetLosssHandle::instance()->raiseLoss();
}

// ---- receive thread ---------------------------------------------------------

void KyNetManage::receiveLoop()
{
    std::vector<char> buf(64 * 1024);
    m_lastReplyMs = nowMs();
    while (!m_stop.load()) {
        if (m_socket.isOpen()) {
            const int r = m_socket.waitReadable(kSelectTimeoutMs);
            if (r > 0)
                readSocket(buf.data(), buf.size());
            else if (r < 0)
                connectionBroken("select failed");
            if (!m_connected.load())
                m_socket.close();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(kSelectTimeoutMs));
        }
        tick();
    }
}

void KyNetManage::readSocket(char* buf, size_t size)
{
    const long n = m_socket.receive(buf, size);
    if (n == -2)
        return;
    if (n <= 0) {
        connectionBroken(n == 0 ? "closed by the server" : "receive failed");
        return;
    }
    size_t handled = 0;
    m_framer.feed(buf, static_cast<size_t>(n), [this, &handled](KyDbpMessage& msg) {
        handled += msg.body.size();
        handleMessage(msg);
    });
    // A large reply leaves its parse's memory free in this thread's arena:
    // give it back to the system rather than keep it for the session.
    if (handled >= kTrimAfterBytes)
        malloc_trim(0);
    noteReplyProgress(static_cast<size_t>(n));
}

// Only real progress keeps a wait open: a reply that trickles, or announces
// more than it sends, times out as if nothing had come.
void KyNetManage::noteReplyProgress(size_t bytes)
{
    const int cseq = m_framer.replyInProgress();
    if (cseq < 0)
        return;
    const long long now = nowMs();
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_pending.find(cseq);
    if (it == m_pending.end() || it->second.done || it->second.deadlineMs <= now)
        return;
    Pending& p = it->second;
    p.progressBytes += bytes;
    if (p.progressBytes < kProgressBytes)
        return;
    p.progressBytes = 0;
    p.deadlineMs = std::max(p.deadlineMs, std::min(now + kWaitWholeSeconds * 1000LL, p.sentMs + kMaxWaitMs));
}

void KyNetManage::handleMessage(KyDbpMessage& msg)
{
    if (!msg.isReply) {
        m_center->dispatch(msg, 0);
        return;
    }
    const long long now = nowMs();
    m_lastReplyMs = now;
    int requestType = 0;
    bool late = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_pending.find(msg.cseq);
        if (it != m_pending.end() && !it->second.done && it->second.deadlineMs > now) {
            requestType = it->second.requestType;
            it->second.handling = true;
        } else if (!(late = takeLateLocked(msg.cseq, now, requestType))) {
            std::fprintf(stderr, "reply CSeq %d (%s) not pending, dropped\n", msg.cseq, msg.packetType.c_str());
            return;
        }
    }
    if (late) {
        handleLateReply(msg, requestType);
        return;
    }
    // Hand the reply to its manager before the waiting caller is released.
    m_center->dispatch(msg, requestType);
    stepHubState(requestType, msg);
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_pending.find(msg.cseq);
    if (it == m_pending.end())
        return;
    it->second.handling = false;
    if (!it->second.waited) {
        m_pending.erase(it);
        return;
    }
    it->second.done = true;
    it->second.result = msg.resultCode();
    it->second.reply = std::move(msg);
}

// Its caller has already been told of the time-out: only a list is worth
// applying now, so that its page fills.
void KyNetManage::handleLateReply(const KyDbpMessage& msg, int requestType)
{
    const bool applied = m_center->dispatchLateReply(msg, requestType);
    std::fprintf(stderr, "reply CSeq %d (%s) came after its time-out: %s\n", msg.cseq, msg.packetType.c_str(),
                 applied ? "list applied" : "dropped");
}

void KyNetManage::stepHubState(int requestType, const KyDbpMessage& msg)
{
    if (requestType == KyManageCenter::RT_LOGIN1 && m_loginState.load() == Step1) {
        Json::Value obj;
        const std::string nonce = msg.statusCode == 200 && kyJsonParse(msg.body, obj) ? kyJsonText(obj, "Nonce") : "";
        if (nonce.empty()) {
            std::fprintf(stderr, "login refused at the first step (status %d)\n", msg.statusCode);
            m_loginState = Refused;
            return;
        }
        sendLoginStep2(nonce);
    } else if (requestType == KyManageCenter::RT_LOGIN2 && m_loginState.load() == Step2) {
        if (msg.statusCode != 200) {
            m_loginState = Refused;
            return;
        }
        m_lastKeepAliveMs = nowMs();
        m_loginState = LoggedIn;
    }
}

void KyNetManage::sendLoginStep2(const std::string& nonce)
{
    Json::Value body(Json::objectValue);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        body["User"] = m_user;
        body["Nonce"] = nonce;
        body["Digest"] = kyLoginDigest(m_password, nonce);
    }
    KyCommandRequest req("LOGIN", "Login", std::string(), kyJsonWrite(body));
    m_loginState = Step2;
    if (sendTracked(KyManageCenter::RT_LOGIN2, req, false) < 0)
        m_loginState = Refused;
}

void KyNetManage::tick()
{
    const long long now = nowMs();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            auto next = std::next(it);
            if (!it->second.waited && it->second.deadlineMs <= now)
                expireLocked(it, now);
            it = next;
        }
        for (auto it = m_late.begin(); it != m_late.end();)
            it = it->second.untilMs <= now ? m_late.erase(it) : std::next(it);
    }
    if (m_loginState.load() != LoggedIn)
        return;
    if (m_connected.load() && now - m_lastKeepAliveMs >= keepAliveIntervalMs()) {
        m_lastKeepAliveMs = now;
        KyCommandRequest req("GET", "KeepAlive");
        sendTracked(KyManageCenter::RT_KEEPALIVE, req, false);
    }
    if (!m_lossRaised.load() && now - m_lastReplyMs.load() >= lossTimeoutMs()) {
        std::fprintf(stderr, "no reply from the server for %d ms: connection lost\n", lossTimeoutMs());
        raiseLoss();
    }
}
