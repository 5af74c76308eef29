#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "KyDbpMessage.h"

// Cuts a byte stream into DBP messages at the blank line that ends the header
// and the Content-Length of the body, whatever the segmentation. Shared by
// the console and the stand-in server.
//
// Malformed input is logged and dropped: a header block over kMaxHeader bytes
// without a blank line, a first line that starts no message, or a bad status
// or Content-Length drops the bytes up to the next message start, wherever it
// stands. A message start inside a header (past its own) means the header was
// cut short: it is dropped up to that start. Each drop logs one line with its
// byte count. A message whose Content-Length is over kMaxBody is read past
// without being kept (logged, counted in dropped()); the stream goes on after it.
class KyDbpFramer {
public:
    static constexpr size_t kMaxHeader = 64 * 1024;
    // Lists of 100,000 rows of any kind take well under a third of it.
    static constexpr size_t kMaxBody = 256 * 1024 * 1024;

    using Handler = std::function<void(KyDbpMessage&)>;

    // Appends bytes and hands every complete message to onMessage, in order.
    // The message is the framer's own and is reused for the next one (no
    // allocation per message): the handler may move from it, but must not
    // feed this framer.
    void feed(const char* data, size_t size, const Handler& onMessage);
    // The same, moving every complete message into out.
    void feed(const char* data, size_t size, std::vector<KyDbpMessage>& out);
    size_t buffered() const { return m_buf.size() - m_pos; }
    size_t dropped() const { return m_dropped; }
    // CSeq of a reply whose header is in and whose body is still coming; -1 when none.
    int replyInProgress() const { return m_haveHeader && m_head.isReply ? m_head.cseq : -1; }
    void reset();

    // Parses one header block (without the blank line). False when it is not
    // a message header; contentLength is -1 when missing, -2 when invalid.
    static bool parseHeader(const char* data, size_t size, KyDbpMessage& msg, long long& contentLength);

private:
    // The request or status line [b, e); false when it starts no message.
    static bool parseFirstLine(const char* b, const char* e, KyDbpMessage& msg);
    // One "Name: value" line [b, e) of the header.
    static void parseHeaderLine(const char* b, const char* e, KyDbpMessage& msg, long long& contentLength);

    static constexpr size_t kKeepCapacity = 4 * kMaxHeader;   // buffer kept between messages

    void frame(const char* data, size_t size, const Handler& onMessage);
    bool extractOne(const Handler& onMessage);
    bool readHeader();
    void deliver(const Handler& onMessage);
    bool skipOversized();
    bool findHeaderEnd(size_t& hdrSize, size_t& sepLen);
    bool cutAtLastStart(size_t end);
    void beginDrop(std::string why);
    void dropHeader(std::string why);
    bool dropToStart();
    void skip(size_t n);
    void endDrop();
    void advanceTo(size_t pos);
    void compact();

    std::string m_buf;
    const char* m_data = nullptr;  // bytes being framed: m_buf or the caller's
    size_t m_size = 0;
    size_t m_pos = 0;
    size_t m_scan = 0;          // header-end search resumes here (from m_pos)
    size_t m_startScan = 0;     // and the search for a message start
    bool m_haveHeader = false;  // header parsed, body still incomplete
    KyDbpMessage m_head;        // header lines parsed so far, then the message
    size_t m_lineStart = 0;     // next header line to parse (from m_pos)
    bool m_headOk = false;      // the first line starts a message
    long long m_length = -1;    // Content-Length as parseHeader gives it
    size_t m_bodyOffset = 0;    // header + blank line of m_head
    size_t m_total = 0;         // and its body
    size_t m_skip = 0;          // bytes of an oversized message still to read past
    size_t m_dropped = 0;
    bool m_dropping = false;    // skipping up to the next message start
    size_t m_dropRun = 0;       // bytes skipped by the drop in progress
    std::string m_dropWhy;      // what it logs
};
