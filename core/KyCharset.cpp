#include "KyCharset.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <iconv.h>

namespace {

bool fail(const char* what, const std::string& text, std::string* out, std::string* error)
{
    out->clear();
    fprintf(stderr, "%s failed. error string:%s\n", what, text.c_str());
    if (error)
        *error = text;
    return false;
}

bool convert(const char* from, const char* to, const std::string& in, std::string* out, std::string* error)
{
    static const char* what = "iconv";
    std::string scratch;
    if (!out)
        out = &scratch;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return fail(what, std::string("no conversion from ") + from + " to " + to, out, error);

    std::string result(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t done = 0;
    bool ok = true;
    std::string problem;
    while (srcLeft > 0) {
        char* dst = &result[done];
        size_t dstLeft = result.size() - done;
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = result.size() - dstLeft;
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG) {
            result.resize(result.size() * 2);
            continue;
        }
        const size_t offset = in.size() - srcLeft;
        problem = std::string(errno == EINVAL ? "incomplete" : "invalid or unconvertible") + " " + from +
                  " sequence at byte " + std::to_string(offset);
        ok = false;
        break;
    }
    iconv_close(cd);
    if (!ok)
        return fail(what, problem, out, error);
    result.resize(done);
    *out = std::move(result);
    return true;
}

}  // namespace

bool utf8ToGbk(const std::string& in, std::string* out, std::string* error)
{
    return convert("UTF-8", "GBK", in, out, error);
}

bool gbkToUtf8(const std::string& in, std::string* out, std::string* error)
{
    return convert("GBK", "UTF-8", in, out, error);
}

namespace {

constexpr unsigned long kMaskBase = 0xF700;

// Length of the well-formed UTF-8 sequence at u[i] (1 for ASCII, NUL
// included), 0 when there is none; *cp gets its code point.
size_t sequenceAt(const unsigned char* u, size_t n, size_t i, unsigned long* cp)
{
    const unsigned char c = u[i];
    size_t len;
    if (c < 0x80) {
        *cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        len = 2;
        *cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        *cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        *cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((u[i + k] & 0xC0) != 0x80)
            return 0;
        *cp = (*cp << 6) | (u[i + k] & 0x3F);
    }
    static const unsigned long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (*cp < minimum[len] || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF))
        return 0;
    return len;
}

void appendMasked(std::string& out, unsigned char byte)
{
    const unsigned long cp = kMaskBase + byte;
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

}  // namespace

bool kyIsValidUtf8(const std::string& text)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(text.data());
    unsigned long cp;
    for (size_t i = 0, len; i < text.size(); i += len) {
        if ((len = sequenceAt(u, text.size(), i, &cp)) == 0)
            return false;
    }
    return true;
}

std::string kyMaskBytes(const std::string& text, bool* masked)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(text.data());
    std::string out;
    size_t kept = 0;   // start of the bytes not yet copied
    unsigned long cp;
    for (size_t i = 0; i < text.size();) {
        const size_t len = sequenceAt(u, text.size(), i, &cp);
        if (len > 0 && cp != 0 && (cp < kMaskBase || cp > kMaskBase + 0xFF)) {
            i += len;
            continue;
        }
        out.append(text, kept, i - kept);
        for (const size_t end = i + (len > 0 ? len : 1); i < end; ++i)
            appendMasked(out, u[i]);
        kept = i;
    }
    if (masked)
        *masked = kept > 0;
    if (kept == 0)
        return text;
    out.append(text, kept, std::string::npos);
    return out;
}

std::string kyUnmaskBytes(const std::string& text)
{
    // Masked characters are EF 9C 80 .. EF 9F BF.
    if (text.find('\xEF') == std::string::npos)
        return text;
    const unsigned char* u = reinterpret_cast<const unsigned char*>(text.data());
    std::string out;
    out.reserve(text.size());
    unsigned long cp;
    for (size_t i = 0; i < text.size();) {
        const size_t len = sequenceAt(u, text.size(), i, &cp);
        if (len == 3 && cp >= kMaskBase && cp <= kMaskBase + 0xFF) {
            out += static_cast<char>(cp - kMaskBase);
        } else {
            out.append(text, i, len > 0 ? len : 1);
        }
        i += len > 0 ? len : 1;
    }
    return out;
}
