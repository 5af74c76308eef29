#include "KyDbpFramer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

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

std::string trimmed(const char* b, const char* e)
{
    while (b < e && (*b == ' ' || *b == '\t'))
        ++b;
    while (e > b && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r'))
        --e;
    return std::string(b, e);
}

bool parseDecimal(const std::string& s, long long& v)
{
    if (s.empty() || s.size() > 18)
        return false;
    v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    return true;
}

} // namespace

bool KyDbpFramer::parseHeader(const char* data, size_t size, KyDbpMessage& msg, long long& contentLength)
{
    contentLength = -1;
    const char* end = data + size;
    const char* lineEnd = static_cast<const char*>(std::memchr(data, '\n', size));
    if (!lineEnd)
        lineEnd = end;
    msg.firstLine = trimmed(data, lineEnd);
    if (msg.firstLine.compare(0, 8, "DBP/1.0 ") == 0) {
        msg.isReply = true;
        long long code = 0;
        std::string codeText = msg.firstLine.substr(8, msg.firstLine.find(' ', 8) == std::string::npos
                                                              ? std::string::npos
                                                              : msg.firstLine.find(' ', 8) - 8);
        if (!parseDecimal(codeText, code) || code < 100 || code > 999)
            return false;
        msg.statusCode = static_cast<int>(code);
    } else if (msg.firstLine.find(" DBP/1.0") == std::string::npos) {
        return false;
    }
    for (const char* p = lineEnd < end ? lineEnd + 1 : end; p < end;) {
        const char* e = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!e)
            e = end;
        const char* colon = static_cast<const char*>(std::memchr(p, ':', e - p));
        if (colon) {
            std::string name = trimmed(p, colon);
            std::string value = trimmed(colon + 1, e);
            if (strcasecmp(name.c_str(), "CSeq") == 0) {
                long long v = 0;
                msg.cseq = parseDecimal(value, v) && v <= 0x7fffffff ? static_cast<int>(v) : -1;
            } else if (strcasecmp(name.c_str(), "Packet-Type") == 0) {
                msg.packetType = value;
            } else if (strcasecmp(name.c_str(), "Packet-Subtype") == 0) {
                msg.packetSubtype = value;
            } else if (strcasecmp(name.c_str(), "Content-Length") == 0) {
                long long v = 0;
                contentLength = parseDecimal(value, v) ? v : -2;
            }
        }
        p = e + 1;
    }
    return true;
}

void KyDbpFramer::reset()
{
    m_buf.clear();
    m_pos = 0;
    m_scan = 0;
    m_haveHeader = false;
    m_fatal = false;
}

void KyDbpFramer::feed(const char* data, size_t size, std::vector<KyDbpMessage>& out)
{
    if (m_fatal)
        return;
    m_buf.append(data, size);
    while (!m_fatal && extractOne(out)) {
    }
    compact();
}

void KyDbpFramer::advanceTo(size_t pos)
{
    m_pos = pos;
    m_scan = 0;
    m_haveHeader = false;
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
        size_t nl = m_buf.find('\n', p);
        if (nl == std::string::npos) {
            size_t keep = std::max(from, m_buf.size() > kTail ? m_buf.size() - kTail : size_t(0));
            keep = std::min(keep, m_buf.size());
            m_dropped += keep - m_pos;
            advanceTo(keep);
            return;
        }
        if (startsMessage(m_buf.data() + nl + 1, m_buf.size() - nl - 1) || m_buf.size() - nl - 1 < kTail) {
            m_dropped += nl + 1 - m_pos;
            advanceTo(nl + 1);
            return;
        }
        p = nl + 1;
    }
}

// The header ends at a line feed followed by an empty line (CRLF or LF).
// hdrSize is the offset of that line feed, sepLen the bytes up to the body.
bool KyDbpFramer::findHeaderEnd(size_t& hdrSize, size_t& sepLen)
{
    const char* base = m_buf.data() + m_pos;
    const size_t avail = m_buf.size() - m_pos;
    size_t i = m_scan;
    while (i < avail) {
        const char* lf = static_cast<const char*>(std::memchr(base + i, '\n', avail - i));
        if (!lf)
            break;
        const size_t at = static_cast<size_t>(lf - base);
        if (at + 1 < avail && base[at + 1] == '\n') {
            hdrSize = at;
            sepLen = 2;
            return true;
        }
        if (at + 2 < avail && base[at + 1] == '\r' && base[at + 2] == '\n') {
            hdrSize = at;
            sepLen = 3;
            return true;
        }
        if (at + 2 >= avail) {   // undecided until more bytes come
            m_scan = at;
            return false;
        }
        i = at + 1;
    }
    m_scan = avail;
    return false;
}

bool KyDbpFramer::extractOne(std::vector<KyDbpMessage>& out)
{
    if (!m_haveHeader) {
        size_t p = m_pos;   // blank lines between messages
        while (p < m_buf.size() && (m_buf[p] == '\r' || m_buf[p] == '\n'))
            ++p;
        if (p != m_pos)
            advanceTo(p);
        if (m_pos >= m_buf.size())
            return false;
        size_t hdrSize = 0, sepLen = 0;
        if (!findHeaderEnd(hdrSize, sepLen)) {
            if (m_buf.size() - m_pos > kMaxHeader) {
                std::fprintf(stderr, "dbp: header over %zu bytes without an end, dropped\n", kMaxHeader);
                resync(m_pos + 1);
                return true;
            }
            return false;
        }
        const char* base = m_buf.data() + m_pos;
        KyDbpMessage msg;
        long long length = -1;
        if (hdrSize > kMaxHeader || !parseHeader(base, hdrSize, msg, length) || length == -2) {
            const size_t shown = std::min<size_t>(std::strcspn(base, "\r\n"), std::min<size_t>(hdrSize, 60));
            std::fprintf(stderr, "dbp: malformed header dropped: %s\n", std::string(base, shown).c_str());
            resync(m_pos + 1);
            return true;
        }
        if (length < 0)
            length = 0;
        if (static_cast<unsigned long long>(length) > kMaxBody) {
            std::fprintf(stderr, "dbp: Content-Length %lld over the limit, connection unusable\n", length);
            m_fatal = true;
            return false;
        }
        m_head = std::move(msg);
        m_bodyOffset = hdrSize + sepLen;
        m_total = m_bodyOffset + static_cast<size_t>(length);
        m_haveHeader = true;
    }
    if (m_buf.size() - m_pos < m_total) {
        if (m_buf.capacity() < m_pos + m_total)
            m_buf.reserve(m_pos + m_total);
        return false;
    }
    m_head.body.assign(m_buf, m_pos + m_bodyOffset, m_total - m_bodyOffset);
    out.push_back(std::move(m_head));
    m_head = KyDbpMessage();
    advanceTo(m_pos + m_total);
    return true;
}
