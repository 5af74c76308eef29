#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <json/json.h>

#include "KyDbpRows.h"

class KyTestDatabase;
struct KyTestConnection;

// How a queued message is written: whole (piece 0), or its first `whole`
// bytes and then `piece` bytes every gapUs.
struct KyTestPace {
    size_t whole = 0;
    size_t piece = 0;
    long long gapUs = 0;
};
struct KyDbpMessage;

// Stand-in central server: speaks DBP on a loopback port from its own
// thread, serves in-memory tables loaded from a JSON fixture, records every
// message it receives and has knobs for the faults a real server shows.
// Every public function is thread-safe.
//
// Knobs take a Packet-Type; "" means any request except Login and KeepAlive
// (those are only affected when named, so a knob never breaks the login or
// eats a count through a periodic keep-alive).
class KyTestServer {
public:
    enum PushTarget { PushAll, PushOthers, PushNone };
    enum WriteMode { Normal, ByteByByte, Coalesced };

    struct Received {
        int connection = 0;        // 1, 2, ... in accept order
        std::string method;        // "GET", "POST", "LOGIN"
        std::string packetType;
        std::string packetSubtype;
        int cseq = -1;
        std::string body;
        std::string raw;           // the message bytes as received
        // Body parsed as a JSON object; false when it is not one.
        bool json(Json::Value& out) const;
    };

    KyTestServer();
    ~KyTestServer();
    KyTestServer(const KyTestServer&) = delete;
    KyTestServer& operator=(const KyTestServer&) = delete;

    // Replaces users and tables by the fixture's. False (state unchanged)
    // when the file cannot be read or is not a fixture. Format:
    //   {"users":[{"name":"admin","password":"admin123","level":"1"}],
    //    "tables":{"mic02":{"columns":["terminalId","ip",...],
    //                       "rows":[["1001","192.168.10.11",...], ...]}, ...}}
    // Tables left out are empty; columns left out keep the built-in order.
    bool loadFixture(const std::string& path);
    static std::string demoFixturePath();

    // Listens on host:port (port 0 = ephemeral) and starts the server thread.
    // Returns the bound port, -1 on failure. Only loopback hosts are accepted.
    int start(int port = 0, const std::string& host = "127.0.0.1");
    void stop();
    int port() const;
    // Logs every received message and every reply to stderr.
    void setVerbose(bool on);

    void addUser(const std::string& name, const std::string& password, int level);

    // Rows of a table, fields in the table's column order.
    std::vector<KyRow> rows(const std::string& table) const;
    // Replaces a table's rows; unknown keys become new columns.
    void setRows(const std::string& table, const std::vector<KyRow>& rows);
    // Replaces the "parameter" row of that name (none: removed).
    void setParameter(const std::string& name, const std::string* value);

    // Who gets the pushes that follow a change (default PushOthers). Pushes
    // that report the outcome of a request (speaker check, task start/stop)
    // reach the sender too, and the failed-removal notice reaches only the
    // sender, unless PushNone.
    void setPushTarget(PushTarget target);
    // Pushes "POST DBP/1.0" with these headers to every logged-in connection.
    void pushToAll(const std::string& packetType, const std::string& subtype, const std::string& body);

    std::vector<Received> received() const;
    std::vector<Received> received(const std::string& packetType) const;
    void clearReceived();
    // True once at least count messages of packetType ("" = any) were received.
    bool waitForReceived(const std::string& packetType, int count, int timeoutMs);

    // Fault knobs. A count of -1 means every time, 0 turns the knob off.
    // Busy and status replies leave the tables unchanged.
    void setBusy(const std::string& packetType, int times);              // "503 Busy"
    void setStatus(const std::string& packetType, int code, int times = 1, const std::string& body = "");
    void setDelay(const std::string& packetType, int ms);                 // 0 = off
    // Replies to packetType: the header at once, then the body `bytes` at a
    // time, one piece every gapMs (bytes 0 = off).
    void setTrickle(const std::string& packetType, int bytes, int gapMs);
    void setNoAnswer(const std::string& packetType, int times = -1);
    void setKeepAliveAnswered(bool answered);
    void closeAllConnections();
    void setWriteMode(WriteMode mode);
    // One-shot: before the next reply to packetType, writes this text as is.
    void injectPushBeforeReply(const std::string& packetType, const std::string& rawPushText);
    // One-shot: before the next reply to packetType, a 200 reply whose CSeq
    // the client never used and whose body is an empty row set.
    void sendStaleReplyBefore(const std::string& packetType);
    // One-shot: before the next reply to packetType, a header that does not parse.
    void sendMalformedBefore(const std::string& packetType);
    // One-shot: before the next reply to packetType, a reply with its CSeq and
    // a body one byte over the console's bound (KyDbpFramer::kMaxBody).
    void sendOversizedBefore(const std::string& packetType);

    int connectionCount() const;

private:
    struct Knob {
        int busy = 0;
        int statusCode = 0;
        int statusTimes = 0;
        std::string statusBody;
        int delayMs = 0;
        int trickleBytes = 0;
        int trickleGapMs = 0;
        int noAnswer = 0;
        std::vector<std::string> injected;
        int stale = 0;
        int malformed = 0;
        int oversized = 0;
    };
    void run();
    void acceptOne();
    void readFrom(KyTestConnection& conn);
    void handleMessage(KyTestConnection& conn, const KyDbpMessage& msg, const std::string& raw);
    void answer(KyTestConnection& conn, const KyDbpMessage& msg);
    void reply(KyTestConnection& conn, const KyDbpMessage& req, int code, const std::string& body, int delayMs,
               const Knob* trickle = nullptr);
    void queue(KyTestConnection& conn, std::string text, int delayMs, KyTestPace pace = {});
    std::string pushText(KyTestConnection& conn, const std::string& packetType, const std::string& subtype,
                         const std::string& body);
    bool flush(KyTestConnection& conn, long long nowUs);
    long long nextDueUs() const;
    void closeConnection(size_t index);
    void wake();
    Knob* knobFor(const std::string& packetType);
    static bool knobApplies(const std::string& knobType, const std::string& packetType);

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;   // received messages, closed connections
    std::unique_ptr<KyTestDatabase> m_db;
    std::vector<std::unique_ptr<KyTestConnection>> m_conns;
    std::vector<Received> m_received;
    std::map<std::string, Knob> m_knobs;
    PushTarget m_pushTarget = PushOthers;
    WriteMode m_writeMode = Normal;
    bool m_keepAliveAnswered = true;
    bool m_verbose = false;
    bool m_closeAll = false;
    int m_nextConnId = 1;

    std::thread m_thread;
    bool m_running = false;
    bool m_stopping = false;
    int m_listenFd = -1;
    int m_wakeFds[2] = {-1, -1};
    int m_port = -1;
};
