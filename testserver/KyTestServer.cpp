#include "KyTestServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "KyCommandRequest.h"
#include "KyDbpFramer.h"
#include "KyDbpMessage.h"
#include "KyJson.h"
#include "KyTestDatabase.h"
#include "KyTestLogin.h"

namespace {

constexpr long long kByteGapUs = 200;      // pause between bytes in ByteByByte mode
constexpr long long kCoalesceUs = 30000;   // how long Coalesced mode gathers messages
constexpr long long kMaxWaitUs = 200000;

long long nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const char* reasonPhrase(int code)
{
    switch (code) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 409: return "Conflict";
    case 503: return "Busy";
    default: return "Error";
    }
}

std::string replyHead(int code, int cseq, const KyDbpMessage& req, size_t length)
{
    std::string text = "DBP/1.0 " + std::to_string(code) + " " + reasonPhrase(code) + "\r\nCSeq:" +
                       std::to_string(cseq) + "\r\nPacket-Type:" + req.packetType + "\r\n";
    if (!req.packetSubtype.empty())
        text += "Packet-Subtype:" + req.packetSubtype + "\r\n";
    return text + "Content-Length:" + std::to_string(length) + "\r\n\r\n";
}

std::string replyText(int code, int cseq, const KyDbpMessage& req, const std::string& body)
{
    return replyHead(code, cseq, req, body.size()) + body;
}

std::string methodOf(const KyDbpMessage& msg)
{
    return msg.isReply ? std::string() : msg.firstLine.substr(0, msg.firstLine.find(' '));
}

} // namespace

struct KyTestConnection {
    struct Out {
        long long dueUs = 0;
        long long seq = 0;
        std::string data;
        KyTestPace pace;
    };

    int id = 0;
    int fd = -1;
    bool dead = false;
    KyDbpFramer framer;
    std::string rawBuf;   // received bytes not yet consumed by the framer
    bool loggedIn = false;
    std::string user;
    std::string nonce;    // valid for one login step 2
    int pushCseq = 0;

    std::vector<Out> pending;
    long long nextSeq = 0;
    std::string current;
    size_t currentPos = 0;
    KyTestPace currentPace;
    bool blocked = false;
    long long nextByteUs = 0;
};

bool KyTestServer::Received::json(Json::Value& out) const
{
    return kyJsonParse(body, out);
}

KyTestServer::KyTestServer() : m_db(new KyTestDatabase)
{
}

KyTestServer::~KyTestServer()
{
    stop();
}

bool KyTestServer::loadFixture(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string error;
    if (!m_db->loadFixture(path, error)) {
        std::fprintf(stderr, "testserver: fixture not loaded: %s\n", error.c_str());
        return false;
    }
    return true;
}

std::string KyTestServer::demoFixturePath()
{
    return std::string(KY_TESTSERVER_FIXTURE_DIR) + "/demo.json";
}

int KyTestServer::start(int port, const std::string& host)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return m_port;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1 || (ntohl(addr.sin_addr.s_addr) >> 24) != 127) {
        std::fprintf(stderr, "testserver: %s is not a loopback address\n", host.c_str());
        return -1;
    }
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    socklen_t len = sizeof addr;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, 16) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0 || pipe2(m_wakeFds, O_NONBLOCK | O_CLOEXEC) != 0) {
        std::fprintf(stderr, "testserver: cannot listen on %s:%d: %s\n", host.c_str(), port, std::strerror(errno));
        if (fd >= 0)
            close(fd);
        return -1;
    }
    m_listenFd = fd;
    m_port = ntohs(addr.sin_port);
    m_stopping = false;
    m_running = true;
    m_thread = std::thread(&KyTestServer::run, this);
    return m_port;
}

void KyTestServer::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_stopping = true;
        wake();
    }
    m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    while (!m_conns.empty())
        closeConnection(m_conns.size() - 1);
    close(m_listenFd);
    close(m_wakeFds[0]);
    close(m_wakeFds[1]);
    m_listenFd = m_wakeFds[0] = m_wakeFds[1] = -1;
    m_running = false;
    m_cv.notify_all();
}

int KyTestServer::port() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_port;
}

void KyTestServer::setVerbose(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_verbose = on;
}

void KyTestServer::addUser(const std::string& name, const std::string& password, int level)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_db->addUser(name, password, level);
}

std::vector<KyRow> KyTestServer::rows(const std::string& table) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_db->rows(table);
}

void KyTestServer::setRows(const std::string& table, const std::vector<KyRow>& rows)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_db->setRows(table, rows);
}

void KyTestServer::setParameter(const std::string& name, const std::string* value)
{
    std::vector<KyRow> kept;
    for (const KyRow& r : rows("parameter"))
        if (r.text("name") != name)
            kept.push_back(r);
    if (value) {
        KyRow r;
        r.add("name", name);
        r.add("value", *value);
        kept.push_back(r);
    }
    setRows("parameter", kept);
}

void KyTestServer::setPushTarget(PushTarget target)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pushTarget = target;
}

void KyTestServer::pushToAll(const std::string& packetType, const std::string& subtype, const std::string& body)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto& conn : m_conns)
        if (conn->loggedIn)
            queue(*conn, pushText(*conn, packetType, subtype, body), 0);
    wake();
}

std::vector<KyTestServer::Received> KyTestServer::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

std::vector<KyTestServer::Received> KyTestServer::received(const std::string& packetType) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<Received> out;
    for (const Received& r : m_received)
        if (r.packetType == packetType)
            out.push_back(r);
    return out;
}

void KyTestServer::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
}

bool KyTestServer::waitForReceived(const std::string& packetType, int count, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        int n = 0;
        for (const Received& r : m_received)
            if (packetType.empty() || r.packetType == packetType)
                ++n;
        return n >= count;
    });
}

void KyTestServer::setBusy(const std::string& packetType, int times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_knobs[packetType].busy = times;
}

void KyTestServer::setStatus(const std::string& packetType, int code, int times, const std::string& body)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Knob& k = m_knobs[packetType];
    k.statusCode = code;
    k.statusTimes = times;
    k.statusBody = body;
}

void KyTestServer::setDelay(const std::string& packetType, int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_knobs[packetType].delayMs = ms;
}

void KyTestServer::setTrickle(const std::string& packetType, int bytes, int gapMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Knob& k = m_knobs[packetType];
    k.trickleBytes = bytes;
    k.trickleGapMs = gapMs;
}

void KyTestServer::setNoAnswer(const std::string& packetType, int times)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_knobs[packetType].noAnswer = times;
}

void KyTestServer::setKeepAliveAnswered(bool answered)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_keepAliveAnswered = answered;
}

void KyTestServer::closeAllConnections()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_running)
        return;
    for (auto& conn : m_conns)
        shutdown(conn->fd, SHUT_RDWR);
    m_closeAll = true;
    wake();
    m_cv.wait_for(lock, std::chrono::seconds(2), [this] { return !m_closeAll; });
}

void KyTestServer::setWriteMode(WriteMode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeMode = mode;
}

void KyTestServer::injectPushBeforeReply(const std::string& packetType, const std::string& rawPushText)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_knobs[packetType].injected.push_back(rawPushText);
}

void KyTestServer::sendStaleReplyBefore(const std::string& packetType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_knobs[packetType].stale;
}

void KyTestServer::sendOversizedBefore(const std::string& packetType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_knobs[packetType].oversized;
}

void KyTestServer::sendMalformedBefore(const std::string& packetType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_knobs[packetType].malformed;
}

int KyTestServer::connectionCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(m_conns.size());
}

// ---- server thread ----------------------------------------------------

void KyTestServer::wake()
{
    if (m_wakeFds[1] >= 0) {
        char c = 1;
        ssize_t n = write(m_wakeFds[1], &c, 1);
        (void)n;
    }
}

void KyTestServer::run()
{
    std::vector<pollfd> fds;
    std::vector<int> ids;
    while (true) {
        long long waitUs;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopping)
                return;
            if (m_closeAll) {
                while (!m_conns.empty())
                    closeConnection(m_conns.size() - 1);
                m_closeAll = false;
                m_cv.notify_all();
            }
            long long now = nowUs();
            for (size_t i = m_conns.size(); i-- > 0;) {
                if (m_conns[i]->dead || !flush(*m_conns[i], now))
                    closeConnection(i);
            }
            fds.assign({{m_wakeFds[0], POLLIN, 0}, {m_listenFd, POLLIN, 0}});
            ids.clear();
            for (auto& conn : m_conns) {
                fds.push_back({conn->fd, static_cast<short>(POLLIN | (conn->blocked ? POLLOUT : 0)), 0});
                ids.push_back(conn->id);
            }
            waitUs = std::max(0LL, std::min(kMaxWaitUs, nextDueUs() - now));
        }
        timespec ts{static_cast<time_t>(waitUs / 1000000), static_cast<long>(waitUs % 1000000) * 1000};
        if (ppoll(fds.data(), fds.size(), &ts, nullptr) < 0 && errno != EINTR)
            std::fprintf(stderr, "testserver: poll failed: %s\n", std::strerror(errno));
        std::lock_guard<std::mutex> lock(m_mutex);
        if (fds[0].revents & POLLIN) {
            char buf[64];
            while (read(m_wakeFds[0], buf, sizeof buf) > 0) {
            }
        }
        if (fds[1].revents & POLLIN)
            acceptOne();
        for (size_t i = 2; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            for (auto& conn : m_conns) {
                if (conn->id != ids[i - 2])
                    continue;
                if (fds[i].revents & POLLOUT)
                    conn->blocked = false;
                if (fds[i].revents & (POLLIN | POLLHUP | POLLERR))
                    readFrom(*conn);
            }
        }
    }
}

void KyTestServer::acceptOne()
{
    while (true) {
        int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        int one = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        auto conn = std::make_unique<KyTestConnection>();
        conn->id = m_nextConnId++;
        conn->fd = fd;
        if (m_verbose)
            std::fprintf(stderr, "testserver: connection %d opened\n", conn->id);
        m_conns.push_back(std::move(conn));
    }
}

void KyTestServer::closeConnection(size_t index)
{
    if (m_verbose)
        std::fprintf(stderr, "testserver: connection %d closed\n", m_conns[index]->id);
    close(m_conns[index]->fd);
    m_conns.erase(m_conns.begin() + index);
    m_cv.notify_all();
}

void KyTestServer::readFrom(KyTestConnection& conn)
{
    char buf[65536];
    while (true) {
        ssize_t n = recv(conn.fd, buf, sizeof buf, MSG_DONTWAIT);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            conn.dead = true;
            return;
        }
        if (n < 0)
            return;
        std::vector<KyDbpMessage> msgs;
        conn.rawBuf.append(buf, n);
        conn.framer.feed(buf, n, msgs);
        // Cut each message's own bytes out of what the framer consumed.
        size_t consumed = conn.rawBuf.size() - conn.framer.buffered();
        size_t cursor = 0;
        for (const KyDbpMessage& msg : msgs) {
            std::string raw;
            size_t start = conn.rawBuf.find(msg.firstLine, cursor);
            if (start < consumed) {
                size_t crlf = conn.rawBuf.find("\r\n\r\n", start), lf = conn.rawBuf.find("\n\n", start);
                size_t end = lf < crlf ? lf + 2 : crlf + 4;
                raw = conn.rawBuf.substr(start, end + msg.body.size() - start);
                cursor = start + raw.size();
            }
            handleMessage(conn, msg, raw);
        }
        conn.rawBuf.erase(0, consumed);
    }
}

void KyTestServer::handleMessage(KyTestConnection& conn, const KyDbpMessage& msg, const std::string& raw)
{
    Received r;
    r.connection = conn.id;
    r.method = methodOf(msg);
    r.packetType = msg.packetType;
    r.packetSubtype = msg.packetSubtype;
    r.cseq = msg.cseq;
    r.body = msg.body;
    r.raw = raw;
    m_received.push_back(std::move(r));
    m_cv.notify_all();
    if (m_verbose)
        std::fprintf(stderr, "testserver: #%d <- %s CSeq:%d %s/%s %.200s\n", conn.id, msg.firstLine.c_str(),
                     msg.cseq, msg.packetType.c_str(), msg.packetSubtype.c_str(), msg.body.c_str());
    if (msg.isReply)
        return;   // consoles do not answer pushes; nothing to do
    answer(conn, msg);
}

KyTestServer::Knob* KyTestServer::knobFor(const std::string& packetType)
{
    auto it = m_knobs.find(packetType);
    return it == m_knobs.end() ? nullptr : &it->second;
}

bool KyTestServer::knobApplies(const std::string& knobType, const std::string& packetType)
{
    return knobType == packetType || (knobType.empty() && packetType != "Login" && packetType != "KeepAlive");
}

void KyTestServer::answer(KyTestConnection& conn, const KyDbpMessage& msg)
{
    bool login = methodOf(msg) == "LOGIN";
    if (!login && !conn.loggedIn) {
        reply(conn, msg, 401, std::string(), 0);
        return;
    }
    if (msg.packetType == "KeepAlive" && !m_keepAliveAnswered)
        return;
    std::vector<Knob*> knobs;
    for (const std::string& type : {msg.packetType, std::string()})
        if (knobApplies(type, msg.packetType))
            if (Knob* k = knobFor(type))
                knobs.push_back(k);
    int delayMs = 0;
    const Knob* trickle = nullptr;
    for (Knob* k : knobs) {
        if (k->noAnswer != 0) {
            if (k->noAnswer > 0)
                --k->noAnswer;
            return;
        }
        if (!delayMs)
            delayMs = k->delayMs;
        if (!trickle && k->trickleBytes > 0)
            trickle = k;
    }
    for (Knob* k : knobs) {
        for (const std::string& text : k->injected)
            queue(conn, text, 0);
        k->injected.clear();
        for (; k->stale > 0; --k->stale)
            queue(conn, replyText(200, msg.cseq + 100000, msg, kyWriteRows({})), 0);
        for (; k->malformed > 0; --k->malformed)
            queue(conn, "DBP/1.0 2x0 OK\r\nCSeq:x" + std::to_string(msg.cseq) + "\r\nContent-Length:zz\r\n\r\n", 0);
        for (; k->oversized > 0; --k->oversized) {
            std::string text = replyHead(200, msg.cseq, msg, KyDbpFramer::kMaxBody + 1);
            text.append(KyDbpFramer::kMaxBody + 1, ' ');
            queue(conn, std::move(text), 0);
        }
    }
    for (Knob* k : knobs) {
        if (k->busy != 0) {
            if (k->busy > 0)
                --k->busy;
            reply(conn, msg, 503, std::string(), delayMs, trickle);
            return;
        }
        if (k->statusTimes != 0 && k->statusCode) {
            if (k->statusTimes > 0)
                --k->statusTimes;
            reply(conn, msg, k->statusCode, k->statusBody, delayMs, trickle);
            return;
        }
    }
    int code = 200;
    std::string body;
    std::vector<KyTestPush> pushes;
    if (login)
        code = kyTestLoginStep(*m_db, conn.nonce, conn.loggedIn, conn.user, msg.body, body);
    else if (msg.packetType == "KeepAlive")
        code = 200;
    else if (msg.packetType == "GetSystemTime")
        body = kyJsonWrite([] {
            Json::Value v(Json::objectValue);
            v["SystemTime"] = std::to_string(static_cast<long long>(std::time(nullptr)));
            return v;
        }());
    else
        code = m_db->handle(msg, body, pushes);
    reply(conn, msg, code, body, delayMs, trickle);
    for (const KyTestPush& p : pushes) {
        for (auto& other : m_conns) {
            bool self = other.get() == &conn;
            bool wanted = m_pushTarget != PushNone &&
                          (p.audience == KyTestPush::SenderOnly ? self
                                                                : m_pushTarget == PushAll || !self ||
                                                                      p.audience == KyTestPush::Everyone);
            if (other->loggedIn && wanted)
                queue(*other, pushText(*other, p.packetType, p.subtype, p.body), self ? delayMs : 0);
        }
    }
}

void KyTestServer::reply(KyTestConnection& conn, const KyDbpMessage& req, int code, const std::string& body,
                         int delayMs, const Knob* trickle)
{
    if (m_verbose)
        std::fprintf(stderr, "testserver: #%d -> %d CSeq:%d %s/%s %.200s\n", conn.id, code, req.cseq,
                     req.packetType.c_str(), req.packetSubtype.c_str(), body.c_str());
    std::string text = replyText(code, req.cseq, req, body);
    KyTestPace pace;
    if (trickle)
        pace = KyTestPace{text.size() - body.size(), static_cast<size_t>(trickle->trickleBytes),
                          trickle->trickleGapMs * 1000LL};
    queue(conn, std::move(text), delayMs, pace);
}

std::string KyTestServer::pushText(KyTestConnection& conn, const std::string& packetType,
                                   const std::string& subtype, const std::string& body)
{
    KyCommandRequest push("POST", packetType, subtype, body);
    push.setCSeq(++conn.pushCseq);
    return push.toString();
}

void KyTestServer::queue(KyTestConnection& conn, std::string text, int delayMs, KyTestPace pace)
{
    long long due = nowUs() + delayMs * 1000LL;
    if (m_writeMode == Coalesced) {
        if (!conn.pending.empty()) {
            conn.pending.back().data += text;
            return;
        }
        due += kCoalesceUs;
    }
    KyTestConnection::Out out;
    out.dueUs = due;
    out.seq = conn.nextSeq++;
    out.data = std::move(text);
    if (m_writeMode == ByteByByte)
        pace = KyTestPace{0, 1, kByteGapUs};
    out.pace = pace;
    conn.pending.push_back(std::move(out));
}

long long KyTestServer::nextDueUs() const
{
    long long due = nowUs() + kMaxWaitUs;
    for (const auto& conn : m_conns) {
        if (!conn->current.empty() && !conn->blocked)
            due = std::min(due, conn->currentPace.piece ? conn->nextByteUs : 0);
        for (const auto& out : conn->pending)
            due = std::min(due, out.dueUs);
    }
    return due;
}

// Writes what is due without blocking; false when the connection failed.
bool KyTestServer::flush(KyTestConnection& conn, long long now)
{
    while (true) {
        if (conn.current.empty()) {
            auto best = conn.pending.end();
            for (auto it = conn.pending.begin(); it != conn.pending.end(); ++it)
                if (it->dueUs <= now && (best == conn.pending.end() || it->dueUs < best->dueUs))
                    best = it;
            if (best == conn.pending.end())
                return true;
            conn.current = std::move(best->data);
            conn.currentPace = best->pace;
            conn.currentPos = 0;
            conn.pending.erase(best);
        }
        const KyTestPace& pace = conn.currentPace;
        const bool paced = pace.piece > 0;
        if (conn.blocked || (paced && now < conn.nextByteUs))
            return true;
        size_t size = conn.current.size() - conn.currentPos;
        if (paced)
            size = std::min(size, conn.currentPos < pace.whole ? pace.whole - conn.currentPos : pace.piece);
        ssize_t n = send(conn.fd, conn.current.data() + conn.currentPos, size, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                conn.blocked = true;
                return true;
            }
            return errno == EINTR;
        }
        conn.currentPos += static_cast<size_t>(n);
        if (conn.currentPos < conn.current.size()) {
            if (paced && static_cast<size_t>(n) == size)
                conn.nextByteUs = now + pace.gapUs;
            else
                conn.blocked = true;
            return true;
        }
        conn.current.clear();
        conn.nextByteUs = now + (paced ? pace.gapUs : 0);
    }
}
