#include "KyDbpRows.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include <tinyxml.h>

#include "KyCharset.h"

namespace {
// Field texts keep their blanks ("a  b", " x"): TinyXML condenses them by
// default. Set once, before any thread parses.
const bool g_keepBlanks = (TiXmlBase::SetCondenseWhiteSpace(false), true);

// Rows nest Result / Row / Field; anything deeper is no row set.
constexpr int kMaxRowDepth = 16;

// End of a start tag: the first '>' outside a quoted attribute value.
size_t startTagEnd(const std::string& s, size_t i)
{
    char quote = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string::npos;
}

// TinyXML parses element nesting recursively, so a deep body could exhaust
// the stack: one scan refuses it first. Where the markup the parser would see
// is given (*start skips a leading declaration, which is not handed on;
// *end follows the root element's end, npos while it has none), false for
// nesting beyond kMaxRowDepth or for comments, DOCTYPEs, CDATA and
// processing instructions, which row sets never carry. The scan reads markup
// as TinyXML does (quoted values in start tags, other "<x" up to the next
// '>'), so it never counts fewer levels than the parser builds. It ends at
// the root's end: what follows is no part of the set.
bool rowMarkupShallow(const std::string& s, size_t* start, size_t* end)
{
    *end = std::string::npos;
    size_t i = s.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    if (s.compare(i, 2, "<?") == 0) {
        const size_t end = s.find("?>", i);
        if (end == std::string::npos)
            return false;
        i = end + 2;
    }
    *start = i;
    int depth = 0;
    bool rooted = false;   // the root element has begun
    while ((i = s.find('<', i)) != std::string::npos && ++i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '?' || c == '!')
            return false;
        const bool element = c >= 127 || c == '_' || std::isalpha(c);
        const size_t close = element ? startTagEnd(s, i) : s.find('>', i);
        if (close == std::string::npos)
            return true;   // unterminated: the parser stops there
        if (c == '/' && depth > 0)
            --depth;
        else if (element && s[close - 1] != '/' && ++depth > kMaxRowDepth)
            return false;
        rooted = rooted || element;
        i = close + 1;
        if (rooted && depth == 0) {
            *end = i;
            return true;
        }
    }
    return true;
}

// TinyXML cuts a text at the NUL of a reference to it, and with masked bytes
// in the body a reference to U+F700..U+F7FF would read back as a masked
// byte: such a reference becomes the masked form of its UTF-8. *masked tells
// whether one did.
std::string maskReferences(const std::string& xml, bool* masked)
{
    *masked = false;
    std::string out;
    size_t i = 0;
    for (size_t amp; (amp = xml.find("&#", i)) != std::string::npos;) {
        out.append(xml, i, amp - i);
        const bool hex = xml.compare(amp + 2, 1, "x") == 0;
        const size_t first = amp + (hex ? 3 : 2);
        const size_t semi = xml.find(';', first);
        const std::string digits = semi == std::string::npos || semi - first > 16 ? "" : xml.substr(first, semi - first);
        const bool number = !digits.empty()
            && digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") == std::string::npos;
        const unsigned long cp = number ? std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10) : 0;
        if (number && (cp == 0 || (cp >= 0xF700 && cp <= 0xF7FF))) {
            const char utf8[] = {char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))};
            out += kyMaskBytes(cp == 0 ? std::string(1, '\0') : std::string(utf8, 3));
            *masked = true;
            i = semi + 1;
        } else {
            out += "&#";
            i = amp + 2;
        }
    }
    out.append(xml, i, std::string::npos);
    return out;
}
}

long long kyToInt64(const std::string& text, long long def)
{
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return def;
    const char* start = text.c_str() + begin;
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE)
        return def;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return def;
    return v;
}

int kyToInt(const std::string& text, int def)
{
    long long v = kyToInt64(text, LLONG_MIN);
    if (v == LLONG_MIN || v < INT_MIN || v > INT_MAX)
        return def;
    return static_cast<int>(v);
}

const std::string* KyRow::find(const std::string& key) const
{
    for (const auto& f : fields)
        if (f.first == key)
            return &f.second;
    return nullptr;
}

std::string KyRow::text(const std::string& key, const std::string& def) const
{
    const std::string* v = find(key);
    return v ? *v : def;
}

int KyRow::toInt(const std::string& key, int def) const
{
    const std::string* v = find(key);
    return v ? kyToInt(*v, def) : def;
}

long long KyRow::toInt64(const std::string& key, long long def) const
{
    const std::string* v = find(key);
    return v ? kyToInt64(*v, def) : def;
}

std::string KyRow::at(size_t index) const
{
    return index < fields.size() ? fields[index].second : std::string();
}

namespace {

// masked: the body's bytes that are not UTF-8 were masked (kyMaskBytes);
// the fields get them back and such a row is logged.
void readRow(const TiXmlElement* r, bool masked, std::vector<KyRow>& rows)
{
    KyRow row;
    std::string odd;   // names of the fields holding such bytes
    for (const TiXmlElement* f = r->FirstChildElement("Field"); f; f = f->NextSiblingElement("Field")) {
        const char* name = f->Attribute("Name");
        const char* text = f->GetText();
        row.add(name ? name : "", text ? text : "");
        if (masked) {
            auto& added = row.fields.back();
            const std::string plain = kyUnmaskBytes(added.second);
            if (plain != added.second)
                odd += " " + added.first;
            added.first = kyUnmaskBytes(added.first);
            added.second = plain;
        }
    }
    if (!odd.empty())
        std::fprintf(stderr, "row %zu (%s=%s) holds bytes that are not UTF-8 or a NUL in:%s\n", rows.size(),
                     row.fields[0].first.c_str(), row.fields[0].second.c_str(), odd.c_str());
    rows.push_back(std::move(row));
}

// The whole body as one document.
bool parseDocument(const char* text, bool masked, std::vector<KyRow>& rows)
{
    rows.clear();
    TiXmlDocument doc;
    doc.Parse(text, nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error())
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || std::string(root->Value()) != "Result")
        return false;
    for (const TiXmlElement* r = root->FirstChildElement("Row"); r; r = r->NextSiblingElement("Row"))
        readRow(r, masked, rows);
    return true;
}

size_t skipBlanks(const std::string& s, size_t i)
{
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    return i;
}

// A row set in the form the server writes ("<Result><Row>...</Row>...
// </Result>", blanks between) parsed a row at a time, so that a long list
// never stands as one document tree. False, with rows to be ignored, for
// anything else; the caller then parses the body as one document.
bool parseRowByRow(const std::string& body, size_t start, bool masked, std::vector<KyRow>& rows)
{
    static const std::string kOpen = "<Result>", kClose = "</Result>", kRow = "<Row>", kRowEnd = "</Row>";
    if (body.compare(start, kOpen.size(), kOpen) != 0)
        return false;
    TiXmlDocument doc;
    std::string chunk;
    for (size_t i = skipBlanks(body, start + kOpen.size()); i < body.size();) {
        if (body.compare(i, kClose.size(), kClose) == 0)
            return skipBlanks(body, i + kClose.size()) == body.size();
        const size_t end = body.find(kRowEnd, i);
        if (body.compare(i, kRow.size(), kRow) != 0 || end == std::string::npos)
            return false;
        chunk.assign(body, i, end + kRowEnd.size() - i);
        doc.Clear();
        doc.Parse(chunk.c_str(), nullptr, TIXML_ENCODING_UTF8);
        const TiXmlElement* row = doc.RootElement();
        if (doc.Error() || !row || row->NextSiblingElement())
            return false;
        readRow(row, masked, rows);
        i = skipBlanks(body, end + kRowEnd.size());
    }
    return false;
}

}  // namespace

bool kyParseRows(const std::string& body, std::vector<KyRow>& rows)
{
    rows.clear();
    // TinyXML reads past the end of a truncated UTF-8 sequence and stops at a
    // NUL: it gets well-formed UTF-8 without NUL, the fields the bytes as sent.
    bool masked = false;
    std::string xml = kyMaskBytes(body, &masked);
    if (masked || xml.find("&#") != std::string::npos) {
        bool referenced = false;
        xml = maskReferences(xml, &referenced);
        masked = masked || referenced;
    }
    size_t start = 0, end = 0;
    if (!rowMarkupShallow(xml, &start, &end))
        return false;
    const size_t tailAt = end == std::string::npos ? xml.size() : skipBlanks(xml, end);
    if (tailAt < xml.size()) {
        const std::string tail = kyUnmaskBytes(xml.substr(tailAt));
        std::fprintf(stderr, "row set: %zu bytes after its end ignored: %.40s\n", tail.size(), tail.c_str());
        xml.resize(end);
    }
    if (parseRowByRow(xml, start, masked, rows))
        return true;
    return parseDocument(xml.c_str() + start, masked, rows);
}

namespace {

// Markup characters as entities, control bytes as character references.
void appendEscaped(std::string& out, const std::string& text)
{
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char kHex[] = "0123456789ABCDEF";
                out += "&#x";
                out += kHex[(c >> 4) & 0xf];
                out += kHex[c & 0xf];
                out += ';';
            } else {
                out += c;
            }
        }
    }
}

} // namespace

// Written straight into one string: a DOM of a large set costs many times its text.
std::string kyWriteRows(const std::vector<KyRow>& rows)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?><Result>";
    for (const KyRow& row : rows) {
        out += "<Row>";
        for (const auto& f : row.fields) {
            out += "<Field Name=\"";
            appendEscaped(out, f.first);
            out += "\">";
            appendEscaped(out, f.second);
            out += "</Field>";
        }
        out += "</Row>";
    }
    out += "</Result>";
    return out;
}
