#include "KyDbpFramer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

struct Start {
    const char* text;
    size_t len;
};
// The lines that start a message; each ends in "DBP/1.0", the reply's in a blank after it.
const Start kStarts[] = {{"DBP/1.0 ", 8}, {"GET DBP/1.0", 11}, {"POST DBP/1.0", 12}, {"LOGIN DBP/1.0", 13}};
const size_t kVersionLen = 7;   // "DBP/1.0"
// A start may begin this close to the end of the bytes at hand and still be incomplete.
const size_t kStartTail = 12;
const size_t kNone = static_cast<size_t>(-1);

// Length of the message start at p, 0 when none.
size_t startLength(const char* p, size_t n)
{
    for (const Start& s : kStarts)
        if (n >= s.len && p[0] == s.text[0] && std::memcmp(p, s.text, s.len) == 0)
            return s.len;
    return 0;
}

// First message start lying whole in [minStart, to) of p whose "DBP/1.0" is
// at 'from' or later; kNone when none. len gets its length.
size_t findStart(const char* p, size_t from, size_t to, size_t minStart, size_t& len)
{
    while (from + kVersionLen <= to) {
        const char* d = static_cast<const char*>(std::memchr(p + from, 'D', to - from));
        if (!d)
            return kNone;
        const size_t q = static_cast<size_t>(d - p);
        if (q + kVersionLen <= to && std::memcmp(d, "DBP/1.0", kVersionLen) == 0) {
            for (const Start& s : kStarts) {
                const size_t method = s.len - kVersionLen;   // "GET " ...; none for the reply
                if (method && q >= minStart + method && std::memcmp(d - method, s.text, method) == 0) {
                    len = s.len;
                    return q - method;
                }
            }
            if (q >= minStart && q + kVersionLen < to && d[kVersionLen] == ' ') {
                len = kStarts[0].len;
                return q;
            }
        }
        from = q + 1;
    }
    return kNone;
}

// Trims blanks (and a CR at the end) from [b, e).
inline void trim(const char*& b, const char*& e)
{
    while (b < e && (*b == ' ' || *b == '\t'))
        ++b;
    while (e > b && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r'))
        --e;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Header names are matched without regard to ASCII case; the written form
// is tried first.
template <size_t N>
bool nameIs(const char* b, const char* e, const char (&name)[N])
{
    const size_t len = N - 1;
    if (static_cast<size_t>(e - b) != len)
        return false;
    if (std::memcmp(b, name, len) == 0)
        return true;
    for (size_t i = 0; i < len; ++i)
        if (asciiLower(b[i]) != asciiLower(name[i]))
            return false;
    return true;
}

bool parseDecimal(const char* b, const char* e, long long& v)
{
    if (b == e || e - b > 18)
        return false;
    v = 0;
    for (; b < e; ++b) {
        if (*b < '0' || *b > '9')
            return false;
        v = v * 10 + (*b - '0');
    }
    return true;
}

} // namespace

bool KyDbpFramer::parseFirstLine(const char* b, const char* e, KyDbpMessage& msg)
{
    trim(b, e);
    msg.firstLine.assign(b, e);
    static const char kReply[] = "DBP/1.0 ";
    const size_t replyLen = sizeof(kReply) - 1;
    if (static_cast<size_t>(e - b) >= replyLen && std::memcmp(b, kReply, replyLen) == 0) {
        msg.isReply = true;
        long long code = 0;
        const char* codeBegin = b + replyLen;
        const char* blank = static_cast<const char*>(std::memchr(codeBegin, ' ', e - codeBegin));
        if (!parseDecimal(codeBegin, blank ? blank : e, code) || code < 100 || code > 999)
            return false;
        msg.statusCode = static_cast<int>(code);
        return true;
    }
    static const char kVersion[] = " DBP/1.0";   // mostly at the end of the line
    const size_t versionLen = sizeof(kVersion) - 1;
    if (static_cast<size_t>(e - b) >= versionLen && std::memcmp(e - versionLen, kVersion, versionLen) == 0)
        return true;
    return msg.firstLine.find(kVersion) != std::string::npos;
}

void KyDbpFramer::parseHeaderLine(const char* b, const char* e, KyDbpMessage& msg, long long& contentLength)
{
    const char* colon = static_cast<const char*>(std::memchr(b, ':', e - b));
    if (!colon)
        return;
    const char* nb = b;
    const char* ne = colon;
    trim(nb, ne);
    const size_t nameLen = static_cast<size_t>(ne - nb);
    if (nameLen != 4 && nameLen != 11 && nameLen != 14)
        return;   // none of the names below
    const char* vb = colon + 1;
    const char* ve = e;
    trim(vb, ve);
    long long v = 0;
    if (nameIs(nb, ne, "CSeq"))
        msg.cseq = parseDecimal(vb, ve, v) && v <= 0x7fffffff ? static_cast<int>(v) : -1;
    else if (nameIs(nb, ne, "Packet-Type"))
        msg.packetType.assign(vb, ve);
    else if (nameIs(nb, ne, "Packet-Subtype"))
        msg.packetSubtype.assign(vb, ve);
    else if (nameIs(nb, ne, "Content-Length"))
        contentLength = parseDecimal(vb, ve, v) ? v : -2;
}

bool KyDbpFramer::parseHeader(const char* data, size_t size, KyDbpMessage& msg, long long& contentLength)
{
    contentLength = -1;
    const char* end = data + size;
    const char* lineEnd = static_cast<const char*>(std::memchr(data, '\n', size));
    if (!lineEnd)
        lineEnd = end;
    if (!parseFirstLine(data, lineEnd, msg))
        return false;
    for (const char* p = lineEnd < end ? lineEnd + 1 : end; p < end;) {
        const char* e = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!e)
            e = end;
        parseHeaderLine(p, e, msg, contentLength);
        p = e + 1;
    }
    return true;
}

void KyDbpFramer::reset()
{
    if (m_dropping)
        endDrop();
    m_buf.clear();
    advanceTo(0);
    m_skip = 0;
}

void KyDbpFramer::feed(const char* data, size_t size, std::vector<KyDbpMessage>& out)
{
    feed(data, size, [&out](KyDbpMessage& msg) { out.push_back(std::move(msg)); });
}

void KyDbpFramer::feed(const char* data, size_t size, const Handler& onMessage)
{
    if (m_pos < m_buf.size()) {
        // Complete what is buffered: only the rest of its body when the
        // header is known, everything otherwise.
        const size_t take = m_haveHeader ? std::min(size, m_total - (m_buf.size() - m_pos)) : size;
        m_buf.append(data, take);
        data += take;
        size -= take;
        frame(m_buf.data(), m_buf.size(), onMessage);
        compact();
        if (m_pos < m_buf.size())
            return;
    }
    // Nothing buffered: frame straight from the caller's bytes and keep only
    // the incomplete tail.
    m_pos = 0;
    frame(data, size, onMessage);
    const size_t keep = m_pos < size ? size - m_pos : 0;
    if (m_buf.capacity() > kKeepCapacity)
        std::string().swap(m_buf);
    m_buf.assign(data + m_pos, keep);
    if (m_haveHeader && m_buf.capacity() < m_total)
        m_buf.reserve(m_total);
    m_pos = 0;
}

void KyDbpFramer::frame(const char* data, size_t size, const Handler& onMessage)
{
    m_data = data;
    m_size = size;
    while (extractOne(onMessage)) {
    }
    m_data = nullptr;
    m_size = 0;
}

void KyDbpFramer::advanceTo(size_t pos)
{
    m_pos = pos;
    m_scan = 0;
    m_startScan = 0;
    m_haveHeader = false;
    m_head.clear();   // keeps its strings' memory for the next message
    m_headOk = false;
    m_length = -1;
    m_lineStart = 0;
}

void KyDbpFramer::compact()
{
    if (m_pos > 0 && (m_pos >= m_buf.size() || m_pos > 65536)) {
        m_buf.erase(0, m_pos);
        m_pos = 0;
    }
}

// A message start inside the header [.., end) other than its own means the
// header was cut short: it is dropped up to the last such start. The search
// goes on from where it stopped before.
bool KyDbpFramer::cutAtLastStart(size_t end)
{
    const char* base = m_data + m_pos;
    const size_t own = startLength(base, end);
    size_t minStart = own ? own : 1;
    size_t from = std::max(m_startScan, minStart);
    size_t last = 0, len = 0;
    for (size_t s; (s = findStart(base, from, end, minStart, len)) != kNone;) {
        last = s;
        from = minStart = s + len;
    }
    m_startScan = std::max(from, end > kStartTail ? end - kStartTail : 0);
    if (last == 0)
        return false;
    beginDrop("header cut short by the next message");
    skip(last);
    endDrop();
    return true;
}

void KyDbpFramer::beginDrop(std::string why)
{
    m_dropWhy = std::move(why);
    m_dropRun = 0;
}

// Drops the header at m_pos up to the next message start after its own one.
void KyDbpFramer::dropHeader(std::string why)
{
    beginDrop(std::move(why));
    m_dropping = true;
    m_startScan = std::max<size_t>(m_startScan, 1);
    skip(1);
}

// Skips bytes up to the next message start, wherever it stands; false while
// none has come. Only the last bytes, which may begin one, are searched again.
bool KyDbpFramer::dropToStart()
{
    const size_t avail = m_size - m_pos;
    size_t len = 0;
    const size_t s = findStart(m_data + m_pos, m_startScan, avail, 0, len);
    if (s == kNone) {
        const size_t keep = avail > kStartTail ? avail - kStartTail : 0;
        m_startScan = std::max(m_startScan, keep);
        skip(keep);
        return false;
    }
    skip(s);
    endDrop();
    return true;
}

// Drops n bytes at m_pos; the start search goes on where it was.
void KyDbpFramer::skip(size_t n)
{
    const size_t scan = m_startScan > n ? m_startScan - n : 0;
    m_dropped += n;
    m_dropRun += n;
    advanceTo(m_pos + n);
    m_startScan = scan;
}

void KyDbpFramer::endDrop()
{
    std::fprintf(stderr, "dbp: %s: %zu bytes skipped\n", m_dropWhy.c_str(), m_dropRun);
    m_dropping = false;
}

// The header ends at a line feed followed by an empty line (CRLF or LF).
// hdrSize is the offset of that line feed, sepLen the bytes up to the body.
// Each header line is parsed into m_head once its end is seen.
bool KyDbpFramer::findHeaderEnd(size_t& hdrSize, size_t& sepLen)
{
    const char* base = m_data + m_pos;
    const size_t avail = m_size - m_pos;
    const size_t limit = std::min(avail, kMaxHeader + 1);   // no header is longer
    size_t i = m_scan;
    while (i < limit) {
        const char* lf = static_cast<const char*>(std::memchr(base + i, '\n', limit - i));
        if (!lf)
            break;
        const size_t at = static_cast<size_t>(lf - base);
        size_t sep = 0;
        if (at + 1 < avail && base[at + 1] == '\n')
            sep = 2;
        else if (at + 2 < avail && base[at + 1] == '\r' && base[at + 2] == '\n')
            sep = 3;
        else if (at + 2 >= avail) {   // undecided until more bytes come
            m_scan = at;
            return false;
        }
        if (m_lineStart == 0)
            m_headOk = parseFirstLine(base, lf, m_head);
        else
            parseHeaderLine(base + m_lineStart, lf, m_head, m_length);
        m_lineStart = at + 1;
        if (sep) {
            hdrSize = at;
            sepLen = sep;
            return true;
        }
        i = at + 1;
    }
    m_scan = limit;
    return false;
}

// Reads past what is here of an oversized message; true once it is all gone.
bool KyDbpFramer::skipOversized()
{
    const size_t n = std::min(m_skip, m_size - m_pos);
    m_skip -= n;
    m_dropped += n;
    advanceTo(m_pos + n);
    return m_skip == 0;
}

// Hands the message over; a large body is not kept for the next one.
void KyDbpFramer::deliver(const Handler& onMessage)
{
    onMessage(m_head);
    if (m_head.body.capacity() > kKeepCapacity)
        std::string().swap(m_head.body);
}

// Reads the header at m_pos. False when more bytes are needed; true once it
// is in (m_haveHeader), dropped, or its message is to be read past.
bool KyDbpFramer::readHeader()
{
    size_t p = m_pos;   // blank lines between messages
    while (p < m_size && (m_data[p] == '\r' || m_data[p] == '\n'))
        ++p;
    if (p != m_pos)
        advanceTo(p);
    if (m_pos >= m_size)
        return false;
    size_t hdrSize = 0, sepLen = 0;
    const bool ended = findHeaderEnd(hdrSize, sepLen);
    if (!ended && m_size - m_pos <= kMaxHeader + 2)
        return false;   // a line feed at the bound may still be followed by the blank line
    if (cutAtLastStart(ended ? hdrSize : kMaxHeader + 1))
        return true;
    if (!ended) {
        dropHeader("header over " + std::to_string(kMaxHeader) + " bytes without an end");
        return true;
    }
    if (!m_headOk || m_length == -2) {
        const char* base = m_data + m_pos;
        const size_t shown = std::min<size_t>(std::strcspn(base, "\r\n"), std::min<size_t>(hdrSize, 60));
        dropHeader("malformed header \"" + std::string(base, shown) + "\"");
        return true;
    }
    const long long length = m_length < 0 ? 0 : m_length;
    if (static_cast<unsigned long long>(length) > kMaxBody) {
        std::fprintf(stderr, "dbp: %s %s CSeq %d: body of %lld bytes over the limit of %zu, read past and dropped\n",
                     m_head.firstLine.c_str(), m_head.packetType.c_str(), m_head.cseq, length, kMaxBody);
        m_skip = hdrSize + sepLen + static_cast<size_t>(length);
        return true;
    }
    m_bodyOffset = hdrSize + sepLen;
    m_total = m_bodyOffset + static_cast<size_t>(length);
    m_haveHeader = true;
    return true;
}

bool KyDbpFramer::extractOne(const Handler& onMessage)
{
    if (m_skip > 0 && !skipOversized())
        return false;
    if (m_dropping && !dropToStart())
        return false;
    if (!m_haveHeader) {
        if (!readHeader())
            return false;
        if (!m_haveHeader)
            return true;   // dropped or read past: go on from there
    }
    if (m_size - m_pos < m_total) {
        if (m_data == m_buf.data() && m_buf.capacity() < m_pos + m_total) {
            m_buf.reserve(m_pos + m_total);
            m_data = m_buf.data();
        }
        return false;
    }
    std::string& body = m_head.body;
    if (m_data == m_buf.data() && m_pos + m_total == m_buf.size() && m_total > kKeepCapacity) {
        // A large body that ends the buffer becomes the message's: no second copy.
        m_buf.erase(0, m_pos + m_bodyOffset);
        body.swap(m_buf);
        m_buf.clear();
        m_data = m_buf.data();
        m_size = 0;
        deliver(onMessage);
        advanceTo(0);
        return false;
    }
    body.assign(m_data + m_pos + m_bodyOffset, m_total - m_bodyOffset);
    deliver(onMessage);
    advanceTo(m_pos + m_total);
    return true;
}
