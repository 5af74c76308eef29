#include "KyDbpRows.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <tinyxml.h>

#include "KyCharset.h"

namespace {
// Field texts keep their blanks ("a  b", " x"): TinyXML condenses them by
// default. Set once, before any thread parses.
const bool g_keepBlanks = (TiXmlBase::SetCondenseWhiteSpace(false), true);
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

bool kyParseRows(const std::string& body, std::vector<KyRow>& rows)
{
    rows.clear();
    // TinyXML reads past the end of a truncated UTF-8 sequence.
    if (!kyIsValidUtf8(body))
        return false;
    TiXmlDocument doc;
    doc.Parse(body.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error())
        return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || std::string(root->Value()) != "Result")
        return false;
    for (const TiXmlElement* r = root->FirstChildElement("Row"); r; r = r->NextSiblingElement("Row")) {
        KyRow row;
        for (const TiXmlElement* f = r->FirstChildElement("Field"); f; f = f->NextSiblingElement("Field")) {
            const char* name = f->Attribute("Name");
            const char* text = f->GetText();
            row.add(name ? name : "", text ? text : "");
        }
        rows.push_back(std::move(row));
    }
    return true;
}

std::string kyWriteRows(const std::vector<KyRow>& rows)
{
    TiXmlDocument doc;
    doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
    TiXmlElement* root = new TiXmlElement("Result");
    doc.LinkEndChild(root);
    for (const KyRow& row : rows) {
        TiXmlElement* r = new TiXmlElement("Row");
        root->LinkEndChild(r);
        for (const auto& f : row.fields) {
            TiXmlElement* e = new TiXmlElement("Field");
            e->SetAttribute("Name", f.first.c_str());
            if (!f.second.empty())
                e->LinkEndChild(new TiXmlText(f.second.c_str()));
            r->LinkEndChild(e);
        }
    }
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    doc.Accept(&printer);
    return printer.Str();
}
