// Queries of the stand-in server: the table comes from the Packet-Subtype,
// only the parameters are read out of the SQL.
#include <algorithm>
#include <climits>
#include <map>
#include <regex>
#include <strings.h>

#include "KyDbpMessage.h"
#include "KyJson.h"
#include "KyTestDatabase.h"

namespace {

const std::map<std::string, std::string>& queryTables()
{
    static const std::map<std::string, std::string> m = {
        {"TerminalList", "ipamp"},        {"TtsList", "tts"},
        {"M02List", "mic02"},             {"M04List", "mic04"},
        {"M11List", "mic11"},             {"M12List", "m12"},
        {"CapList", "capm03"},            {"FAlarmList", "falarm"},
        {"M02ButtonCall", "m02buttoncall"}, {"M04ButtonCall", "m04buttoncall"},
        {"FixMonitorList", "fixmonitor"}, {"FixSsTaskList", "fixsstask"},
        {"FixRegionList", "fixregion"},   {"M12CallList", "m12call"},
        {"MicGroupList", "callservergroup"}, {"RegionList", "region"},
        {"SoundSourceList", "soundsource"}, {"TimerPlanList", "timerplan"},
        {"LevelList", "level"},           {"SystemParameter", "parameter"},
        {"Log_Server", "parameter"},
        {"UserLogCount", "userlog"},      {"UserLog", "userlog"},
        {"TalkLogCount", "talklog"},      {"TalkLog", "talklog"},
        {"TermLogCount", "terminallog"},  {"TermLog", "terminallog"},
        {"RecordCount", "talklog"},       {"Record", "talklog"},
    };
    return m;
}

// "col = N" or "col = 'text'" conditions of the where clause.
std::vector<std::pair<std::string, std::string>> conditions(const std::string& sql)
{
    std::vector<std::pair<std::string, std::string>> out;
    static const std::regex cond(R"(\b(terminalId|kind|name|id)\s*=\s*(?:'([^']*)'|(-?\d+)))",
                                 std::regex::icase);
    size_t where = std::string::npos;
    for (size_t i = 0; i + 5 <= sql.size(); ++i) {
        if (strncasecmp(sql.c_str() + i, "where", 5) == 0) {
            where = i;
            break;
        }
    }
    if (where == std::string::npos)
        return out;
    std::string rest = sql.substr(where);
    for (std::sregex_iterator it(rest.begin(), rest.end(), cond), end; it != end; ++it)
        out.emplace_back((*it)[1].str(), (*it)[2].matched ? (*it)[2].str() : (*it)[3].str());
    return out;
}

} // namespace

int KyTestDatabase::query(const KyDbpMessage& req, std::string& body)
{
    Json::Value json;
    if (!kyJsonParse(req.body, json))
        return 400;
    std::string sql = kyJsonText(json, "Sql");
    if (req.packetSubtype == "AllPlayTerminalList")
        return allPlayTerminals(body);
    auto it = queryTables().find(req.packetSubtype);
    if (it == queryTables().end())
        return 400;
    return runSql(it->second, sql, body);
}

int KyTestDatabase::runSql(const std::string& tableName, const std::string& sql, std::string& body) const
{
    const Table* t = findTable(tableName);
    if (!t)
        return 400;
    std::vector<const std::vector<std::string>*> sel;
    auto conds = conditions(sql);
    for (const auto& row : t->rows) {
        bool keep = true;
        for (const auto& c : conds) {
            int i = column(*t, c.first);
            if (i < 0 || row[i] != c.second)
                keep = false;
        }
        if (keep)
            sel.push_back(&row);
    }
    static const std::regex countRe(R"(count\s*\(\s*\*\s*\))", std::regex::icase);
    if (std::regex_search(sql, countRe)) {
        KyRow r;
        r.add("count(*)", std::to_string(sel.size()));
        body = kyWriteRows({r});
        return 200;
    }
    static const std::regex orderRe(R"(order\s+by\s+(\w+)(\s+desc)?)", std::regex::icase);
    std::smatch m;
    if (std::regex_search(sql, m, orderRe)) {
        int i = column(*t, m[1].str());
        bool desc = m[2].matched;
        if (i >= 0)
            std::stable_sort(sel.begin(), sel.end(), [&](const auto* a, const auto* b) {
                long long x = kyToInt64((*a)[i]), y = kyToInt64((*b)[i]);
                return desc ? x > y : x < y;
            });
    }
    static const std::regex limitRe(R"(limit\s+(\d+)(?:\s*,\s*(\d+))?)", std::regex::icase);
    if (std::regex_search(sql, m, limitRe)) {
        // Numbers past the table's size (however long) stop at its end.
        auto clamp = [&](const std::string& digits) {
            return std::min<size_t>(sel.size(), size_t(kyToInt64(digits, LLONG_MAX)));
        };
        const size_t offset = m[2].matched ? clamp(m[1].str()) : 0;
        const size_t count = std::min(clamp(m[2].matched ? m[2].str() : m[1].str()), sel.size() - offset);
        sel = std::vector<const std::vector<std::string>*>(sel.begin() + offset, sel.begin() + offset + count);
    }
    std::vector<KyRow> rows;
    for (const auto* row : sel)
        rows.push_back(toRow(*t, *row));
    body = kyWriteRows(rows);
    return 200;
}

// select terminalId,name,type,exten from mic02 union ... mic04 ... ipamp order by terminalId
int KyTestDatabase::allPlayTerminals(std::string& body) const
{
    std::vector<std::pair<long long, KyRow>> all;
    for (const char* name : {"mic02", "mic04", "ipamp"}) {
        const Table* t = findTable(name);
        if (!t)
            continue;
        for (const auto& row : t->rows) {
            KyRow r;
            for (const char* col : {"terminalId", "name", "type", "exten"})
                r.add(col, value(*t, row, col));
            all.emplace_back(kyToInt64(r.text("terminalId")), std::move(r));
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<KyRow> rows;
    for (auto& a : all)
        rows.push_back(std::move(a.second));
    body = kyWriteRows(rows);
    return 200;
}

// GET Terminal {"Data":"Mic"|"M12","Id"}: one row, 404 when unknown.
int KyTestDatabase::getTerminal(const Json::Value& req, std::string& body)
{
    std::string data = kyJsonText(req, "Data");
    std::string id = kyJsonText(req, "Id");
    std::vector<std::string> tables;
    if (data == "Mic")
        tables = {"mic11", "mic02", "mic04"};
    else if (data == "M12")
        tables = {"m12"};
    else
        return 400;
    for (const std::string& name : tables) {
        if (auto* row = findRow(name, "terminalId", id)) {
            body = rowXml(name, *row);
            return 200;
        }
    }
    return 404;
}
