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

bool kyIsValidUtf8(const std::string& text)
{
    const unsigned char* u = reinterpret_cast<const unsigned char*>(text.data());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const unsigned char c = u[i];
        size_t len;
        unsigned long cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (size_t k = 1; k < len; ++k) {
            if ((u[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (u[i + k] & 0x3F);
        }
        static const unsigned long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}
