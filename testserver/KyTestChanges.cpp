// Changes of the stand-in server: each POST applied to the tables, answered
// with its status (and row or result text), followed by its pushes.
#include <climits>

#include <QCryptographicHash>

#include "KyJson.h"
#include "KyTestDatabase.h"
#include "KyTextUtil.h"

namespace {

using FieldMap = KyTestDatabase::FieldMap;

const char* const kInUse = "设备正在使用，不能删除";

// Request keys whose value must be a decimal integer.
bool numbersValid(const Json::Value& req, const FieldMap& map)
{
    static const char* const texts[] = {"Name", "LedTxt", "SourceContent", "ExecuteTime", "TerminalId", "Comment",
                                        "Mic11Id", "ChannelName"};
    for (const auto& m : map) {
        if (!req.isMember(m.first))
            continue;
        bool isText = false;
        for (const char* t : texts)
            isText = isText || std::string(t) == m.first;
        if (!isText && kyToInt64(kyJsonText(req, m.first), LLONG_MIN) == LLONG_MIN)
            return false;
    }
    return true;
}

// Normalised decimal id; empty when the text is not a number.
std::string idKey(const std::string& text)
{
    long long v = kyToInt64(text, LLONG_MIN);
    return v == LLONG_MIN ? std::string() : std::to_string(v);
}

// The non-empty pieces of text between separators.
std::vector<std::string> split(const std::string& text, const std::string& sep)
{
    std::vector<std::string> all, out;
    splitToStrings(text, &all, sep);
    for (std::string& piece : all)
        if (!piece.empty())
            out.push_back(std::move(piece));
    return out;
}

// Terminal-type code of a book entry's type text; -1 when unknown.
int typeCode(const std::string& text)
{
    if (text == "Mic02")
        return 2;
    if (text == "Mic11")
        return 3;
    if (text == "Mic04")
        return 4;
    if (text == "IpAmp" || text == "IP")
        return 6;
    if (text == "M12")
        return 8;
    return -1;
}

const char* deleteKind(const std::string& table)
{
    if (table == "ipamp")
        return "IpAmp";
    if (table == "mic02")
        return "Mic02";
    if (table == "mic04")
        return "Mic04";
    if (table == "mic11")
        return "Mic11";
    if (table == "m12")
        return "M12";
    if (table == "tts")
        return "Tts";
    if (table == "capm03")
        return "CapM03";
    return "FAlarm";
}

Json::Value result(const std::string& text)
{
    Json::Value v(Json::objectValue);
    v["Result"] = text;
    return v;
}

const FieldMap kTaskFields = {
    {"Name", "name"},           {"SourceCategory", "sourceCategory"}, {"SourceType", "sourceType"},
    {"TimerPlanId", "timerPlanId"}, {"SourceContent", "sourceContent"}, {"PlayVol", "playVol"},
    {"Duration", "duration"},   {"PlayTimes", "playTimes"},           {"OpenAmp", "openAmp"},
    {"Week", "week"},           {"StartDate", "startDate"},           {"EndDate", "endDate"},
    {"ExecuteTime", "executeTime"}, {"TerminalId", "terminalId"},
};

} // namespace

int KyTestDatabase::removeDevice(const Json::Value& req, std::string& body, std::vector<KyTestPush>& pushes)
{
    std::string tableName;
    auto* row = findTerminal(kyJsonText(req, "Id"), &tableName);
    if (!row)
        return 404;
    Table& t = table(tableName);
    std::string id = value(t, *row, "terminalId");
    const char* kind = deleteKind(tableName);
    Json::Value push(Json::objectValue);
    push["Id"] = id;
    if (kyToInt(value(t, *row, "status")) >= 2) {
        body = kyJsonWrite(result(kInUse));
        if (tableName == "ipamp") {
            push["Result"] = kInUse;
            pushes.push_back(deletePush(kind, push, KyTestPush::SenderOnly));
        }
        return 403;
    }
    removeRows(tableName, "terminalId", id);
    for (const char* owned : {"fixmonitor", "fixsstask", "fixregion", "m12call", "m02buttoncall", "m04buttoncall"})
        removeRows(owned, "terminalId", id);
    removeRows("fixmonitor", "id", id);
    removeRows("m12call", "id", id);
    if (tableName == "ipamp" || tableName == "tts")
        push["Result"] = "";
    pushes.push_back(deletePush(kind, push));
    return 200;
}

int KyTestDatabase::ipAmpSet(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Name", "name"}, {"BroVol", "broVol"}};
    return numbersValid(req, map) ? updateTerminal(req, {"ipamp", "mic04"}, map, pushes) : 400;
}

int KyTestDatabase::ipAmpPower(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Power", "power"}};
    return numbersValid(req, map) ? updateTerminal(req, {"ipamp"}, map, pushes) : 400;
}

// The check passes at once; its outcome reaches every console as a changed row.
int KyTestDatabase::ipAmpSpkCheck(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    auto* row = findRow("ipamp", "terminalId", idKey(kyJsonText(req, "Id")));
    if (!row)
        return 404;
    set(table("ipamp"), *row, "spkState", "1");
    pushes.push_back(rowPush("ipamp", *row, KyTestPush::Everyone));
    return 200;
}

int KyTestDatabase::setTerminal(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"TransportTcp", "transportTcp"}, {"DefaultVolume", "defaultVolume"},
                    {"DefaultPower", "defaultPower"}, {"IsDefault", "isDefault"}};
    return numbersValid(req, map) ? updateTerminal(req, {"ipamp"}, map, pushes) : 400;
}

int KyTestDatabase::ttsSet(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    return updateTerminal(req, {"tts"}, {{"Name", "name"}}, pushes);
}

int KyTestDatabase::modTalkTerminal(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Name", "name"},       {"CapVol", "capVol"}, {"CallVol", "callVol"},
                    {"BellVol", "bellVol"}, {"BroVol", "broVol"}, {"PttMode", "PttMode"}};
    return numbersValid(req, map) ? updateTerminal(req, {"mic02", "mic04", "mic11", "m12"}, map, pushes) : 400;
}

int KyTestDatabase::modM04Led(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"LedColor", "ledColor"}, {"SwitchMode", "switchMode"},
                    {"DisplayTime", "displayTime"}, {"LedTxt", "ledTxt"}};
    return numbersValid(req, map) ? updateTerminal(req, {"mic04", "mic02", "mic11"}, map, pushes) : 400;
}

int KyTestDatabase::capSet(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Name", "name"}, {"CapVol", "capVol"}, {"CapSamplerate", "capSamplerate"}};
    return numbersValid(req, map) ? updateTerminal(req, {"capm03"}, map, pushes) : 400;
}

int KyTestDatabase::fAlarmName(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Name", "name"}, {"TriggerType", "triggerType"}};
    return numbersValid(req, map) ? updateTerminal(req, {"falarm"}, map, pushes) : 400;
}

// Sets channel N of the channel list ("name#$%taskId" joined by "!!!").
int KyTestDatabase::fAlarmTrigger(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    FieldMap map = {{"Channel", ""}, {"SourceId", ""}, {"TriggerSwitch", ""}, {"StopPlay", ""}};
    auto* row = findRow("falarm", "terminalId", idKey(kyJsonText(req, "Id")));
    if (!row)
        return 404;
    int channel = kyToInt(kyJsonText(req, "Channel"), 0);
    std::string name = kyJsonText(req, "ChannelName");
    if (!numbersValid(req, map) || channel < 1 || channel > 64 || name.find("!!!") != std::string::npos ||
        name.find("#$%") != std::string::npos)
        return 400;
    Table& t = table("falarm");
    std::vector<std::string> channels = split(value(t, *row, "broadcast"), "!!!");
    while (channels.size() < static_cast<size_t>(channel))
        channels.push_back("通道" + std::to_string(channels.size() + 1) + "#$%0");
    channels[channel - 1] = name + "#$%" + std::to_string(kyToInt(kyJsonText(req, "SourceId"), 0));
    std::string text;
    for (size_t i = 0; i < channels.size(); ++i)
        text += (i ? "!!!" : "") + channels[i];
    set(t, *row, "broadcast", text);
    applyFields(t, *row, req, {{"TriggerSwitch", "broadcastTrigger"}, {"StopPlay", "stopBroadcast"}});
    pushes.push_back(rowPush("falarm", *row));
    return 200;
}

int KyTestDatabase::buttonCalls(const std::string& tableName, const char* ownerTable, const Json::Value& req)
{
    std::string id = idKey(kyJsonText(req, "Id"));
    if (!findRow(ownerTable, "terminalId", id))
        return 404;
    const Json::Value& calls = req["ButtonCalls"];
    if (!calls.isNull() && !calls.isArray())
        return 400;
    Table& t = table(tableName);
    std::vector<std::vector<std::string>> rows;
    auto addRow = [&](const std::string& start, const std::string& stop, const std::string& mic11,
                      const std::string& group) {
        std::vector<std::string> row(t.columns.size());
        set(t, row, "terminalId", id);
        set(t, row, "startCall", start);
        set(t, row, "stopCall", stop);
        set(t, row, "mic11Id", mic11.empty() ? "0" : mic11);
        set(t, row, "groupId", group.empty() ? "0" : group);
        rows.push_back(std::move(row));
    };
    for (const Json::Value& c : calls) {
        if (!c.isObject())
            return 400;
        addRow(kyJsonText(c, "StartCall"), kyJsonText(c, "StopCall"), kyJsonText(c, "Mic11"),
               kyJsonText(c, "CallServiceGroup"));
    }
    if (req.isMember("AlarmCall")) {
        std::string alarm = kyJsonText(req, "AlarmCall");
        size_t blank = alarm.find(' ');
        addRow(alarm.substr(0, blank), blank == std::string::npos ? "" : alarm.substr(blank + 1), "", "");
    }
    removeRows(tableName, "terminalId", id);
    for (auto& row : rows)
        t.rows.push_back(std::move(row));
    return 200;
}

int KyTestDatabase::m02ButtonCall(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return buttonCalls("m02buttoncall", "mic02", req);
}

int KyTestDatabase::m04ButtonCall(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return buttonCalls("m04buttoncall", "mic04", req);
}

// Replaces the owner's book by the blank-separated entries of req[key]:
// "Type_id" entries when typed, decimal ids otherwise.
int KyTestDatabase::book(const std::string& tableName, const Json::Value& req, const char* key, bool typed)
{
    std::string owner = idKey(kyJsonText(req, "Id"));
    if (!findTerminal(owner))
        return 404;
    Table& t = table(tableName);
    std::vector<std::vector<std::string>> rows;
    for (const std::string& entry : split(kyJsonText(req, key), " ")) {
        std::string type, id = entry;
        if (typed) {
            size_t us = entry.rfind('_');
            int code = us == std::string::npos ? -1 : typeCode(entry.substr(0, us));
            if (code < 0)
                return 400;
            type = std::to_string(code);
            id = entry.substr(us + 1);
        }
        id = idKey(id);
        if (id.empty())
            return 400;
        std::vector<std::string> row(t.columns.size());
        set(t, row, "terminalId", owner);
        set(t, row, "id", id);
        set(t, row, "type", type);
        rows.push_back(std::move(row));
    }
    removeRows(tableName, "terminalId", owner);
    for (auto& row : rows)
        t.rows.push_back(std::move(row));
    return 200;
}

int KyTestDatabase::monitorBook(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return book("fixmonitor", req, "Monitor", true);
}

int KyTestDatabase::m12CallBook(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return book("m12call", req, "Contacts", true);
}

int KyTestDatabase::soundSourceBook(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return book("fixsstask", req, "SoundSource", false);
}

int KyTestDatabase::regionBook(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    return book("fixregion", req, "RegionId", false);
}

// Add/Mod/Del of a row whose id the console chooses: an existing id on Add
// is a conflict, ids are never renumbered; a deletion is pushed.
int KyTestDatabase::consoleIdChange(const std::string& tableName, const char* idColumn, const Json::Value& req,
                                    const FieldMap& map, const FieldMap& defaults, const char* deleteKind,
                                    std::vector<KyTestPush>& pushes)
{
    std::string action = kyJsonText(req, "Action");
    std::string id = idKey(kyJsonText(req, "Id"));
    if (id.empty() || kyToInt64(id) <= 0 || !numbersValid(req, map))
        return 400;
    Table& t = table(tableName);
    auto* row = findRow(tableName, idColumn, id);
    if (action == "Add") {
        if (row)
            return 409;
        std::vector<std::string> fresh(t.columns.size());
        set(t, fresh, idColumn, id);
        for (const auto& d : defaults)
            set(t, fresh, d.first, d.second);
        applyFields(t, fresh, req, map);
        t.rows.push_back(std::move(fresh));
        return 200;
    }
    if (action != "Mod" && action != "Del")
        return 400;
    if (!row)
        return 404;
    if (action == "Mod") {
        applyFields(t, *row, req, map);
        return 200;
    }
    removeRows(tableName, idColumn, id);
    Json::Value push(Json::objectValue);
    push["Id"] = id;
    pushes.push_back(deletePush(deleteKind, push));
    return 200;
}

int KyTestDatabase::callService(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    return consoleIdChange("callservergroup", "groupId", req,
                           {{"Name", "name"}, {"CallWaitRule", "callWaitRule"}, {"RingTime", "ringTime"},
                            {"Mic11Id", "terminalId"}},
                           {{"callWaitRule", "1"}, {"ringTime", "60"}}, "MicGroup", pushes);
}

int KyTestDatabase::broadRegion(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    int code = consoleIdChange("region", "regionId", req,
                               {{"Name", "name"}, {"TerminalId", "terminalId"}, {"Comment", "comment"}}, {},
                               "Region", pushes);
    if (code == 200 && kyJsonText(req, "Action") == "Del")
        removeRows("fixregion", "id", idKey(kyJsonText(req, "Id")));
    return code;
}

// Tasks: server-assigned ids; add/mod answer with the stored row, delete
// with a result text (empty when done).
int KyTestDatabase::soundSource(const Json::Value& req, std::string& body, std::vector<KyTestPush>& pushes)
{
    std::string action = kyJsonText(req, "Action");
    Table& t = table("soundsource");
    if (action == "Add") {
        if (!numbersValid(req, kTaskFields))
            return 400;
        std::vector<std::string> row(t.columns.size());
        const FieldMap defaults = {{"status", "2"},   {"sourceCategory", "1"}, {"sourceType", "1"},
                                   {"timerPlanId", "-1"}, {"playVol", "70"},   {"duration", "0"},
                                   {"playTimes", "1"}, {"openAmp", "0"},       {"week", "0"},
                                   {"startDate", "0"}, {"endDate", "0"}};
        for (const auto& d : defaults)
            set(t, row, d.first, d.second);
        set(t, row, "id", std::to_string(maxId("soundsource", "id") + 1));
        applyFields(t, row, req, kTaskFields);
        t.rows.push_back(row);
        body = rowXml("soundsource", row);
        pushes.push_back(rowPush("soundsource", row));
        return 200;
    }
    std::string id = idKey(kyJsonText(req, "Id"));
    auto* row = findRow("soundsource", "id", id);
    if (action == "Mod") {
        if (!numbersValid(req, kTaskFields))
            return 400;
        if (!row)
            return 404;
        applyFields(t, *row, req, kTaskFields);
        body = rowXml("soundsource", *row);
        pushes.push_back(rowPush("soundsource", *row));
        return 200;
    }
    if (action != "Del")
        return 400;
    if (!row) {
        body = kyJsonWrite(result("任务不存在"));
        return 404;
    }
    if (value(t, *row, "status") == "1") {
        body = kyJsonWrite(result("任务正在执行，请先停止任务"));
        return 403;
    }
    removeRows("soundsource", "id", id);
    removeRows("fixsstask", "id", id);
    body = kyJsonWrite(result(""));
    Json::Value push = result("");
    push["Id"] = id;
    pushes.push_back(deletePush("SoundSource", push));
    return 200;
}

int KyTestDatabase::soundSourceSwitch(const Json::Value& req, std::string&, std::vector<KyTestPush>& pushes)
{
    std::string action = kyJsonText(req, "Action");
    if (action != "Start" && action != "Stop")
        return 400;
    auto* row = findRow("soundsource", "id", idKey(kyJsonText(req, "Id")));
    if (!row)
        return 404;
    set(table("soundsource"), *row, "status", action == "Start" ? "1" : "2");
    pushes.push_back(rowPush("soundsource", *row, KyTestPush::Everyone));
    return 200;
}

// Schemes: server-assigned ids; a scheme that still has tasks is kept (409).
int KyTestDatabase::timerPlan(const Json::Value& req, std::string& body, std::vector<KyTestPush>& pushes)
{
    std::string action = kyJsonText(req, "Action");
    FieldMap map = {{"Name", "name"}, {"Comment", "comment"}, {"Enable", "enable"}, {"Kind", "kind"}};
    if (!numbersValid(req, map))
        return 400;
    if (req.isMember("Kind") && (kyToInt(kyJsonText(req, "Kind"), -1) < 0 || kyToInt(kyJsonText(req, "Kind")) > 3))
        return 400;
    Table& t = table("timerplan");
    if (action == "Add") {
        std::vector<std::string> row(t.columns.size());
        set(t, row, "enable", "1");
        set(t, row, "kind", "0");
        applyFields(t, row, req, map);
        set(t, row, "id", std::to_string(maxId("timerplan", "id") + 1));
        t.rows.push_back(row);
        body = rowXml("timerplan", row);
        pushes.push_back(rowPush("timerplan", row));
        return 200;
    }
    if (action != "Mod" && action != "Del")
        return 400;
    std::string id = idKey(kyJsonText(req, "Id"));
    auto* row = findRow("timerplan", "id", id);
    if (!row)
        return 404;
    if (action == "Mod") {
        applyFields(t, *row, req, map);
        body = rowXml("timerplan", *row);
        pushes.push_back(rowPush("timerplan", *row));
        return 200;
    }
    if (findRow("soundsource", "timerPlanId", id))
        return 409;
    std::vector<std::string> gone = *row;
    removeRows("timerplan", "id", id);
    body = rowXml("timerplan", gone);
    Json::Value push(Json::objectValue);
    push["Id"] = id;
    push["Kind"] = value(t, gone, "kind");
    pushes.push_back(deletePush("TimerPlan", push));
    return 200;
}

int KyTestDatabase::systemParameter(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    std::string name = kyJsonText(req, "Name");
    if (kyJsonText(req, "Action") != "Mod" || name.empty() || !req.isMember("Value"))
        return 400;
    Table& t = table("parameter");
    auto* row = findRow("parameter", "name", name);
    if (!row) {
        t.rows.emplace_back(t.columns.size());
        row = &t.rows.back();
        set(t, *row, "name", name);
    }
    set(t, *row, "value", kyJsonText(req, "Value"));
    return 200;
}

int KyTestDatabase::modTalkManagerInfo(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    std::string password = kyJsonText(req, "PassWord");
    if (kyJsonText(req, "Action") != "Mod" || password.empty())
        return 400;
    auto it = m_users.find(kyJsonText(req, "Name"));
    if (it == m_users.end())
        return 404;
    it->second.password = password;
    return 200;
}

// Keeps a copy of the tables under the backup name; the MD5 is that of
// the copy's text.
int KyTestDatabase::dataBackup(const Json::Value& req, std::string& body, std::vector<KyTestPush>&)
{
    std::string name = kyJsonText(req, "BackupFile");
    if (name.empty())
        return 400;
    std::string text = kyJsonWrite(snapshot());
    std::string md5 = QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Md5)
                          .toHex()
                          .toStdString();
    m_backups[name] = Backup{md5, m_tables};
    Json::Value reply(Json::objectValue);
    reply["BackupFile"] = name;
    reply["Md5"] = md5;
    body = kyJsonWrite(reply);
    return 200;
}

int KyTestDatabase::dataRecovery(const Json::Value& req, std::string&, std::vector<KyTestPush>&)
{
    auto it = m_backups.find(kyJsonText(req, "RecoveryFile"));
    if (it == m_backups.end())
        return 404;
    if (QByteArray::fromStdString(kyJsonText(req, "Md5")).toLower().toStdString() != it->second.md5)
        return 400;
    m_tables = it->second.tables;
    return 200;
}
