#include "KyTestDatabase.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "KyDbpMessage.h"
#include "KyJson.h"

namespace {

struct Schema {
    const char* table;
    std::vector<std::string> columns;
};

// Column order of every table the console reads.
const std::vector<Schema>& schemas()
{
    static const std::vector<Schema> s = {
        {"ipamp", {"terminalId", "ip", "name", "type", "status", "exten", "broVol", "power", "ampTemp", "spkState",
                   "transportTcp", "defaultVolume", "defaultPower", "isDefault", "masterId"}},
        {"mic02", {"terminalId", "ip", "name", "type", "status", "exten", "capVol", "callVol", "bellVol", "broVol",
                   "ledColor", "switchMode", "displayTime", "ledTxt", "ppt", "aec"}},
        {"mic04", {"terminalId", "ip", "name", "type", "status", "exten", "capVol", "callVol", "bellVol", "broVol",
                   "ledColor", "switchMode", "displayTime", "ledTxt", "ppt", "aec"}},
        {"mic11", {"terminalId", "ip", "name", "type", "status", "exten", "capVol", "callVol", "bellVol", "broVol",
                   "PttMode", "ppt", "aec"}},
        {"m12", {"terminalId", "ip", "name", "type", "status", "capVol", "callVol", "bellVol", "broVol"}},
        {"tts", {"terminalId", "ip", "name", "type", "status"}},
        {"capm03", {"terminalId", "ip", "name", "type", "status", "capVol", "capSamplerate"}},
        {"falarm", {"terminalId", "ip", "name", "type", "status", "broadcast", "shortCircuit", "broadcastTrigger",
                    "stopBroadcast", "triggerType"}},
        {"callservergroup", {"groupId", "name", "callWaitRule", "ringTime", "terminalId"}},
        {"region", {"regionId", "name", "comment", "terminalId"}},
        {"soundsource", {"id", "name", "status", "sourceCategory", "sourceType", "timerPlanId", "sourceContent",
                         "playVol", "duration", "playTimes", "openAmp", "week", "startDate", "endDate",
                         "executeTime", "terminalId"}},
        {"timerplan", {"id", "name", "comment", "enable", "kind"}},
        {"level", {"id", "name", "level", "type"}},
        {"parameter", {"name", "value"}},
        {"fixmonitor", {"terminalId", "id", "type"}},
        {"fixsstask", {"terminalId", "id", "type"}},
        {"fixregion", {"terminalId", "id", "type"}},
        {"m12call", {"terminalId", "id", "type"}},
        {"m02buttoncall", {"terminalId", "startCall", "stopCall", "mic11Id", "groupId"}},
        {"m04buttoncall", {"terminalId", "startCall", "stopCall", "mic11Id", "groupId"}},
        {"userlog", {"id", "name", "ip", "time", "content"}},
        {"talklog", {"id", "begin_time", "end_time", "callerId", "calledId", "callerName", "calledName", "type",
                     "source_name", "recordfile"}},
        {"terminallog", {"id", "date", "terminalId", "name", "type", "ip", "action"}},
    };
    return s;
}

std::string jsonScalar(const Json::Value& v)
{
    if (v.isString())
        return v.asString();
    if (v.isNull())
        return std::string();
    if (v.isBool())
        return v.asBool() ? "1" : "0";
    if (v.isIntegral())
        return v.isInt64() ? std::to_string(v.asInt64()) : std::to_string(v.asUInt64());
    if (v.isDouble())
        return std::to_string(static_cast<long long>(v.asDouble()));
    return std::string();
}

} // namespace

KyTestDatabase::KyTestDatabase()
{
    m_handlers = {
        {"RemoveDevice", &KyTestDatabase::removeDevice},
        {"IpAmpSet", &KyTestDatabase::ipAmpSet},
        {"IpAmpPower", &KyTestDatabase::ipAmpPower},
        {"IpAmpSpkCheck", &KyTestDatabase::ipAmpSpkCheck},
        {"TtsSet", &KyTestDatabase::ttsSet},
        {"ModTalkTerminal", &KyTestDatabase::modTalkTerminal},
        {"ModM04Led", &KyTestDatabase::modM04Led},
        {"M02ButtonCall", &KyTestDatabase::m02ButtonCall},
        {"M04ButtonCall", &KyTestDatabase::m04ButtonCall},
        {"M11MonitorBook", &KyTestDatabase::monitorBook},
        {"M11SoundSource", &KyTestDatabase::soundSourceBook},
        {"M11BroadBook", &KyTestDatabase::regionBook},
        {"M12CallBook", &KyTestDatabase::m12CallBook},
        {"M12SoundSource", &KyTestDatabase::soundSourceBook},
        {"M12BroadBook", &KyTestDatabase::regionBook},
        {"CapM03Set", &KyTestDatabase::capSet},
        {"SetFRName", &KyTestDatabase::fAlarmName},
        {"SetFRTrigger", &KyTestDatabase::fAlarmTrigger},
        {"CallService", &KyTestDatabase::callService},
        {"BroadRegion", &KyTestDatabase::broadRegion},
        {"SoundSource", &KyTestDatabase::soundSource},
        {"SoundSourceSwitch", &KyTestDatabase::soundSourceSwitch},
        {"TimerPlan", &KyTestDatabase::timerPlan},
        {"SystemParameter", &KyTestDatabase::systemParameter},
        {"ModTalkManagerInfo", &KyTestDatabase::modTalkManagerInfo},
        {"DataBackup", &KyTestDatabase::dataBackup},
        {"DataRecovery", &KyTestDatabase::dataRecovery},
    };
    resetSchema();
}

void KyTestDatabase::resetSchema()
{
    m_tables.clear();
    for (const Schema& s : schemas())
        m_tables[s.table].columns = s.columns;
}

bool KyTestDatabase::loadFixture(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    return loadFixtureText(ss.str(), error);
}

// {"users":[{"name","password","level"}],
//  "tables":{"<table>":{"columns":[...],"rows":[[values in column order], ...]}}}
bool KyTestDatabase::loadFixtureText(const std::string& text, std::string& error)
{
    Json::Value root;
    if (!kyJsonParse(text, root)) {
        error = "fixture is not a JSON object";
        return false;
    }
    std::map<std::string, KyTestUser> users;
    for (const Json::Value& u : root["users"]) {
        std::string name = kyJsonText(u, "name");
        if (name.empty()) {
            error = "fixture user without a name";
            return false;
        }
        users[name] = KyTestUser{kyJsonText(u, "password"), kyToInt(kyJsonText(u, "level"), 1)};
    }
    std::map<std::string, Table> saved;
    saved.swap(m_tables);
    resetSchema();
    const Json::Value& tables = root["tables"];
    if (!tables.isNull() && !tables.isObject()) {
        m_tables.swap(saved);
        error = "fixture \"tables\" is not an object";
        return false;
    }
    for (const std::string& name : tables.getMemberNames()) {
        const Json::Value& jt = tables[name];
        Table& t = table(name);
        std::vector<std::string> defaults = t.columns;
        t.columns.clear();
        for (const Json::Value& c : jt["columns"])
            addColumn(t, jsonScalar(c));
        for (const std::string& c : defaults)
            addColumn(t, c);
        for (const Json::Value& jr : jt["rows"]) {
            if (!jr.isArray()) {
                m_tables.swap(saved);
                error = "fixture row of " + name + " is not an array";
                return false;
            }
            std::vector<std::string> row(t.columns.size());
            for (Json::ArrayIndex i = 0; i < jr.size() && i < row.size(); ++i)
                row[i] = jsonScalar(jr[i]);
            t.rows.push_back(std::move(row));
        }
    }
    m_users.swap(users);
    m_backups.clear();
    return true;
}

void KyTestDatabase::addUser(const std::string& name, const std::string& password, int level)
{
    m_users[name] = KyTestUser{password, level};
}

const KyTestUser* KyTestDatabase::user(const std::string& name) const
{
    auto it = m_users.find(name);
    return it == m_users.end() ? nullptr : &it->second;
}

KyTestDatabase::Table& KyTestDatabase::table(const std::string& name)
{
    return m_tables[name];
}

const KyTestDatabase::Table* KyTestDatabase::findTable(const std::string& name) const
{
    auto it = m_tables.find(name);
    return it == m_tables.end() ? nullptr : &it->second;
}

int KyTestDatabase::column(const Table& t, const std::string& col)
{
    for (size_t i = 0; i < t.columns.size(); ++i)
        if (t.columns[i] == col)
            return static_cast<int>(i);
    return -1;
}

int KyTestDatabase::addColumn(Table& t, const std::string& col)
{
    int i = column(t, col);
    if (i >= 0)
        return i;
    t.columns.push_back(col);
    for (auto& row : t.rows)
        row.resize(t.columns.size());
    return static_cast<int>(t.columns.size() - 1);
}

std::string KyTestDatabase::value(const Table& t, const std::vector<std::string>& row, const std::string& col)
{
    int i = column(t, col);
    return i >= 0 && static_cast<size_t>(i) < row.size() ? row[i] : std::string();
}

void KyTestDatabase::set(Table& t, std::vector<std::string>& row, const std::string& col, const std::string& v)
{
    int i = addColumn(t, col);
    if (row.size() < t.columns.size())
        row.resize(t.columns.size());
    row[i] = v;
}

KyRow KyTestDatabase::toRow(const Table& t, const std::vector<std::string>& row)
{
    KyRow r;
    for (size_t i = 0; i < t.columns.size(); ++i)
        r.add(t.columns[i], i < row.size() ? row[i] : std::string());
    return r;
}

std::vector<KyRow> KyTestDatabase::rows(const std::string& tableName) const
{
    std::vector<KyRow> out;
    if (const Table* t = findTable(tableName))
        for (const auto& row : t->rows)
            out.push_back(toRow(*t, row));
    return out;
}

void KyTestDatabase::setRows(const std::string& tableName, const std::vector<KyRow>& rows)
{
    Table& t = table(tableName);
    t.rows.clear();
    for (const KyRow& r : rows) {
        std::vector<std::string> row(t.columns.size());
        for (const auto& f : r.fields)
            set(t, row, f.first, f.second);
        t.rows.push_back(std::move(row));
    }
}

std::vector<std::string>* KyTestDatabase::findRow(const std::string& tableName, const std::string& col,
                                                   const std::string& v)
{
    auto it = m_tables.find(tableName);
    if (it == m_tables.end() || v.empty())
        return nullptr;
    Table& t = it->second;
    int i = column(t, col);
    if (i < 0)
        return nullptr;
    for (auto& row : t.rows)
        if (row[i] == v)
            return &row;
    return nullptr;
}

std::vector<std::string>* KyTestDatabase::findTerminal(const std::string& id, std::string* tableName)
{
    static const char* const tables[] = {"ipamp", "mic02", "mic04", "mic11", "m12", "tts", "capm03", "falarm"};
    std::string key = std::to_string(kyToInt64(id, -1));
    for (const char* name : tables) {
        if (auto* row = findRow(name, "terminalId", key)) {
            if (tableName)
                *tableName = name;
            return row;
        }
    }
    return nullptr;
}

int KyTestDatabase::removeRows(const std::string& tableName, const std::string& col, const std::string& v)
{
    Table& t = table(tableName);
    int i = column(t, col);
    if (i < 0)
        return 0;
    size_t before = t.rows.size();
    std::vector<std::vector<std::string>> kept;
    for (auto& row : t.rows)
        if (row[i] != v)
            kept.push_back(std::move(row));
    t.rows.swap(kept);
    return static_cast<int>(before - t.rows.size());
}

long long KyTestDatabase::maxId(const std::string& tableName, const std::string& col) const
{
    long long best = 0;
    if (const Table* t = findTable(tableName)) {
        int i = column(*t, col);
        for (const auto& row : t->rows)
            if (i >= 0)
                best = std::max(best, kyToInt64(row[i], 0));
    }
    return best;
}

std::string KyTestDatabase::rowXml(const std::string& tableName, const std::vector<std::string>& row) const
{
    const Table* t = findTable(tableName);
    return kyWriteRows({toRow(*t, row)});
}

KyTestPush KyTestDatabase::rowPush(const std::string& tableName, const std::vector<std::string>& row,
                                   KyTestPush::Audience audience) const
{
    return KyTestPush{"SqlConfig", tableName, rowXml(tableName, row), audience};
}

KyTestPush KyTestDatabase::deletePush(const std::string& kind, const Json::Value& body, KyTestPush::Audience audience)
{
    return KyTestPush{"DELETE", kind, kyJsonWrite(body), audience};
}

int KyTestDatabase::handle(const KyDbpMessage& req, std::string& body, std::vector<KyTestPush>& pushes)
{
    if (req.packetType == "SqlConfig" || req.packetType == "SqlLog")
        return query(req, body);
    Json::Value json;
    if (!kyJsonParse(req.body.empty() ? "{}" : req.body, json))
        return 400;
    if (req.packetType == "Terminal")
        return req.firstLine.compare(0, 4, "GET ") == 0 ? getTerminal(json, body) : setTerminal(json, body, pushes);
    auto it = m_handlers.find(req.packetType);
    if (it == m_handlers.end())
        return 400;
    return (this->*(it->second))(json, body, pushes);
}

void KyTestDatabase::applyFields(Table& t, std::vector<std::string>& row, const Json::Value& req,
                                 const FieldMap& map)
{
    for (const auto& m : map)
        if (req.isMember(m.first))
            set(t, row, m.second, kyJsonText(req, m.first));
}

int KyTestDatabase::updateTerminal(const Json::Value& req, const std::vector<std::string>& tables,
                                   const FieldMap& map, std::vector<KyTestPush>& pushes)
{
    std::string id = std::to_string(kyToInt64(kyJsonText(req, "Id"), -1));
    for (const std::string& name : tables) {
        if (auto* row = findRow(name, "terminalId", id)) {
            applyFields(table(name), *row, req, map);
            pushes.push_back(rowPush(name, *row));
            return 200;
        }
    }
    return 404;
}

Json::Value KyTestDatabase::snapshot() const
{
    Json::Value root(Json::objectValue);
    for (const auto& t : m_tables) {
        Json::Value jt(Json::objectValue);
        for (const auto& c : t.second.columns)
            jt["columns"].append(c);
        for (const auto& row : t.second.rows) {
            Json::Value jr(Json::arrayValue);
            for (const auto& v : row)
                jr.append(v);
            jt["rows"].append(jr);
        }
        root[t.first] = jt;
    }
    return root;
}
