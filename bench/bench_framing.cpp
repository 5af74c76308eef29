// Framing and dispatch throughput of the receive path over a 100 MB stream of
// push-sized messages (one changed row each, about 415 bytes, as a terminal's
// status push) with some replies between them, against a bare memchr scan of
// the same bytes in the same run. Prints the mean message size and the ratio
// (goal: at least 1/3 of memchr speed).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "KyBaseMgr.h"
#include "KyDbpFramer.h"
#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyManageCenter.h"

namespace {

const size_t kStreamBytes = 100u * 1024 * 1024;
const size_t kReadSize = 64 * 1024;   // what the receive thread reads at once

// Counts what it is handed; owns a range of request types and one push prefix.
class CountingMgr : public KyBaseMgr {
public:
    CountingMgr(const std::string& name, int first, int last, const std::string& prefix)
        : KyBaseMgr(name), m_prefix(prefix)
    {
        addReplyTypes(first, last);
    }
    void onReply(int, const KyDbpMessage& msg) override { bytes += msg.body.size(); ++messages; }
    void onFailedRequest(int, int, const KyDbpMessage& msg) override { bytes += msg.body.size(); ++messages; }
    bool handlesCode(const std::string& name) const override { return name.compare(0, m_prefix.size(), m_prefix) == 0; }
    bool parseBody(const std::string&, const std::string& body) override { bytes += body.size(); ++messages; return true; }
    bool onNotification(const std::string& n, const std::string& body) override { return parseBody(n, body); }

    size_t bytes = 0;
    size_t messages = 0;

private:
    std::string m_prefix;
};

std::string rowsBody(std::mt19937& rng, int rows)
{
    std::vector<KyRow> set;
    for (int i = 0; i < rows; ++i) {
        KyRow r;
        r.add("terminalId", std::to_string(1000 + rng() % 9000));
        r.add("ip", "192.168.1." + std::to_string(rng() % 250));
        r.add("name", "前台广播终端" + std::to_string(i));
        r.add("type", "MIC02");
        r.add("status", std::to_string(rng() % 4));
        r.add("exten", "--");
        r.add("broVol", std::to_string(rng() % 100));
        r.add("ledTxt", "欢迎光临");
        set.push_back(r);
    }
    return kyWriteRows(set);
}

std::string message(const std::string& first, int cseq, const std::string& type, const std::string& sub,
                    const std::string& body)
{
    std::string m = first + "\r\nCSeq:" + std::to_string(cseq) + "\r\nPacket-Type:" + type + "\r\n";
    if (!sub.empty())
        m += "Packet-Subtype:" + sub + "\r\n";
    return m + "Content-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Mostly pushes of one changed row; one message in twenty a reply to a
// request type of 100..499 by CSeq (keep-alive, clock, a few rows, busy).
std::string buildStream(std::vector<int>& typeOfCSeq, size_t& messages)
{
    std::mt19937 rng(7);
    std::vector<std::string> pushes;
    for (int i = 0; i < 16; ++i)
        pushes.push_back(rowsBody(rng, 1));
    const std::string replies[] = {"", "{\"SystemTime\":\"1700000000\"}\n", rowsBody(rng, 3), ""};
    const std::string removal = "{\"Id\":\"1002\",\"Result\":\"\"}\n";
    std::string s;
    s.reserve(kStreamBytes + 200000);
    int cseq = 1;
    messages = 0;
    for (; s.size() < kStreamBytes; ++messages) {
        const int pick = rng() % 20;
        if (pick == 0) {
            const int reply = rng() % 4;
            typeOfCSeq.push_back(100 + rng() % 400);   // index cseq - 1
            s += message(reply == 3 ? "DBP/1.0 503 Busy" : "DBP/1.0 200 OK", cseq, "SqlConfig", "", replies[reply]);
            ++cseq;
        } else if (pick == 1) {
            s += message("POST DBP/1.0", 9000, "DELETE", "Region", removal);
        } else {
            s += message("POST DBP/1.0", 9000, "SqlConfig", pick % 2 ? "mic02" : "ipamp", pushes[rng() % 16]);
        }
    }
    return s;
}

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

} // namespace

int main()
{
    std::vector<int> typeOfCSeq;   // the pending list: CSeq -> request type
    size_t built = 0;
    const std::string stream = buildStream(typeOfCSeq, built);
    KyManageCenter center;
    CountingMgr terminals("Terminals", 100, 299, "SqlConfig_");
    CountingMgr groups("Groups", 300, 499, "DELETE_");
    center.registerManager(&terminals);
    center.registerManager(&groups);

    // Alternating passes; the best of each counts (least disturbed by the machine).
    const int kRounds = 5;
    double memchrTime = 1e9, frameTime = 1e9;
    size_t lines = 0, framed = 0;
    for (int round = 0; round < kRounds; ++round) {
        // Bare memchr scan of the same bytes, in the same read size.
        lines = 0;
        auto t0 = std::chrono::steady_clock::now();
        for (size_t pos = 0; pos < stream.size(); pos += kReadSize) {
            const char* p = stream.data() + pos;
            const char* end = p + std::min(kReadSize, stream.size() - pos);
            while ((p = static_cast<const char*>(std::memchr(p, '\n', end - p))) != nullptr) {
                ++lines;
                ++p;
            }
        }
        auto t1 = std::chrono::steady_clock::now();
        memchrTime = std::min(memchrTime, seconds(t0, t1));

        // Framing and dispatch as the receive thread does it.
        framed = 0;
        KyDbpFramer framer;
        t0 = std::chrono::steady_clock::now();
        for (size_t pos = 0; pos < stream.size(); pos += kReadSize)
            framer.feed(stream.data() + pos, std::min(kReadSize, stream.size() - pos), [&](KyDbpMessage& m) {
                const bool pending = m.isReply && m.cseq >= 1 && size_t(m.cseq) <= typeOfCSeq.size();
                center.dispatch(m, pending ? typeOfCSeq[m.cseq - 1] : 0);
                ++framed;
            });
        t1 = std::chrono::steady_clock::now();
        frameTime = std::min(frameTime, seconds(t0, t1));
    }

    const double mb = stream.size() / 1048576.0;
    const size_t handed = (terminals.messages + groups.messages) / kRounds;
    std::printf("stream: %.1f MB, %zu messages per pass (mean %.0f bytes), %zu lines; best of %d passes\n", mb, framed,
                double(stream.size()) / double(built ? built : 1), lines, kRounds);
    std::printf("memchr scan:        %8.1f MB/s\n", mb / memchrTime);
    std::printf("framing + dispatch: %8.1f MB/s (%zu messages handed to managers)\n", mb / frameTime, handed);
    const double ratio = memchrTime / frameTime;
    std::printf("ratio framing/memchr: %.3f (goal >= 0.333) %s\n", ratio, ratio >= 1.0 / 3 ? "met" : "NOT met");
    if (handed != framed) {
        std::fprintf(stderr, "bench: %zu messages framed but %zu handed to managers\n", framed, handed);
        return 1;
    }
    return 0;
}
