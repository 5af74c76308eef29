#include "KyDbpFramer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool startsMessage(const char* p, size_t n)
{
    static const char* const starts[] = {"DBP/1.0 ", "GET DBP/1.0", "POST DBP/1.0", "LOGIN DBP/1.0"};
    for (const char* s : starts) {
        size_t len = std::strlen(s);
        if (n >= len && std::memcmp(p, s, len) == 0)
            return true;
    }
    return false;
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

// Drops bytes from m_pos up to the next line that starts a message at or
// after 'from'; keeps a short tail that may be the start of one.
void KyDbpFramer::resync(size_t from)
{
    static const size_t kTail = 16;
    size_t p = from;
    while (true) {
        const char* hit = p < m_size ? static_cast<const char*>(std::memchr(m_data + p, '\n', m_size - p)) : nullptr;
        if (!hit) {
            size_t keep = std::max(from, m_size > kTail ? m_size - kTail : size_t(0));
            keep = std::min(keep, m_size);
            m_dropped += keep - m_pos;
            advanceTo(keep);
            return;
        }
        const size_t nl = static_cast<size_t>(hit - m_data);
        if (startsMessage(m_data + nl + 1, m_size - nl - 1) || m_size - nl - 1 < kTail) {
            m_dropped += nl + 1 - m_pos;
            advanceTo(nl + 1);
            return;
        }
        p = nl + 1;
    }
}

// The header ends at a line feed followed by an empty line (CRLF or LF).
// hdrSize is the offset of that line feed, sepLen the bytes up to the body.
// Each header line is parsed into m_head once its end is seen.
bool KyDbpFramer::findHeaderEnd(size_t& hdrSize, size_t& sepLen)
{
    const char* base = m_data + m_pos;
    const size_t avail = m_size - m_pos;
    size_t i = m_scan;
    while (i < avail) {
        const char* lf = static_cast<const char*>(std::memchr(base + i, '\n', avail - i));
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
    m_scan = avail;
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

bool KyDbpFramer::extractOne(const Handler& onMessage)
{
    if (m_skip > 0 && !skipOversized())
        return false;
    if (!m_haveHeader) {
        size_t p = m_pos;   // blank lines between messages
        while (p < m_size && (m_data[p] == '\r' || m_data[p] == '\n'))
            ++p;
        if (p != m_pos)
            advanceTo(p);
        if (m_pos >= m_size)
            return false;
        size_t hdrSize = 0, sepLen = 0;
        if (!findHeaderEnd(hdrSize, sepLen)) {
            if (m_size - m_pos > kMaxHeader) {
                std::fprintf(stderr, "dbp: header over %zu bytes without an end, dropped\n", kMaxHeader);
                resync(m_pos + 1);
                return true;
            }
            return false;
        }
        const char* base = m_data + m_pos;
        if (hdrSize > kMaxHeader || !m_headOk || m_length == -2) {
            const size_t shown = std::min<size_t>(std::strcspn(base, "\r\n"), std::min<size_t>(hdrSize, 60));
            std::fprintf(stderr, "dbp: malformed header dropped: %s\n", std::string(base, shown).c_str());
            resync(m_pos + 1);
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
