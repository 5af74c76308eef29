// The stand-in server's tables: queries, changes, their replies and the
// pushes other consoles see, over bare loopback sockets.
#include <QtTest>

#include <memory>

#include "KyRawClient.h"
#include "KyTestServer.h"

namespace {

KyCommandRequest post(const std::string& type, const std::map<std::string, std::string>& fields)
{
    Json::Value body(Json::objectValue);
    for (const auto& f : fields)
        body[f.first] = f.second;
    return KyCommandRequest::post(type, body);
}

std::vector<KyRow> rowsOf(const KyDbpMessage& m)
{
    std::vector<KyRow> rows;
    if (!kyParseRows(m.body, rows))
        rows.clear();
    return rows;
}

std::vector<std::string> keys(const KyRow& row)
{
    std::vector<std::string> out;
    for (const auto& f : row.fields)
        out.push_back(f.first);
    return out;
}

const KyRow* findRow(const std::vector<KyRow>& rows, const std::string& key, const std::string& value)
{
    for (const KyRow& r : rows)
        if (r.text(key) == value)
            return &r;
    return nullptr;
}

} // namespace

class TestTestServerTables : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KyTestServer> m_server;
    std::unique_ptr<KyRawClient> m_a, m_b;   // two logged-in consoles

    KyDbpMessage query(const std::string& subtype, const std::string& sql, const std::string& type = "SqlConfig")
    {
        return m_a->request(KyCommandRequest::sqlQuery(subtype, sql, type));
    }

    // The only push console b gets within a short time; empty name when none.
    KyDbpMessage pushAtB(int timeoutMs = 1000)
    {
        KyDbpMessage m;
        if (!m_b->next(m, timeoutMs))
            return KyDbpMessage();
        return m;
    }

    bool quietAt(KyRawClient& c)
    {
        KyDbpMessage m;
        return !c.next(m, 150);
    }

private slots:
    void init()
    {
        m_server = std::make_unique<KyTestServer>();
        QVERIFY(m_server->loadFixture(KyTestServer::demoFixturePath()));
        int port = m_server->start();
        m_a = std::make_unique<KyRawClient>();
        m_b = std::make_unique<KyRawClient>();
        QVERIFY(m_a->connectTo(port) && m_b->connectTo(port));
        QCOMPARE(m_a->login("admin", "admin123").statusCode, 200);
        QCOMPARE(m_b->login("operator", "operator123").statusCode, 200);
    }

    void cleanup()
    {
        m_a.reset();
        m_b.reset();
        m_server.reset();
    }

    void fixtureAndRows()
    {
        QVERIFY(!m_server->loadFixture("/nonexistent/fixture.json"));
        QCOMPARE(m_server->rows("mic02").size(), size_t(12));
        for (const char* t : {"ipamp", "mic02", "mic04", "mic11", "m12", "tts", "capm03", "falarm"})
            QCOMPARE(m_server->rows(t).size(), size_t(12));
        QVERIFY(m_server->rows("userlog").size() + m_server->rows("talklog").size() >= 300);

        // Rows keep the column order; unknown keys become columns.
        KyRow r;
        r.add("name", "新参数");
        r.add("extra", "x");
        r.add("value", "1");
        m_server->setRows("parameter", {r});
        auto rows = m_server->rows("parameter");
        QCOMPARE(keys(rows[0]), (std::vector<std::string>{"name", "value", "extra"}));
        QCOMPARE(rowsOf(query("SystemParameter", "select * from parameter")).size(), size_t(1));
    }

    void listQueries()
    {
        KyDbpMessage list = query("TerminalList", "select * from ipamp");
        QCOMPARE(list.statusCode, 200);
        QCOMPARE(list.packetType, std::string("SqlConfig"));
        QCOMPARE(list.packetSubtype, std::string("TerminalList"));
        auto rows = rowsOf(list);
        QCOMPARE(rows.size(), size_t(12));
        QCOMPARE(keys(rows[0]), keys(m_server->rows("ipamp")[0]));
        QCOMPARE(rows[0].text("terminalId"), std::string("3001"));
        QCOMPARE(rows[0].text("name"), std::string("行政楼前台功放"));

        // Parameters come out of the SQL.
        rows = rowsOf(query("M02ButtonCall", "select * from m02buttoncall where terminalId = 1001"));
        QCOMPARE(rows.size(), size_t(4));
        for (const KyRow& r : rows)
            QCOMPARE(r.text("terminalId"), std::string("1001"));
        KyDbpMessage none = query("M04ButtonCall", "select * from m04buttoncall where terminalId = 9999");
        QCOMPARE(none.statusCode, 200);
        QVERIFY(rowsOf(none).empty());
        QCOMPARE(rowsOf(query("TimerPlanList", "select * from timerplan where kind = 0")).size(), size_t(2));
        QVERIFY(rowsOf(query("TimerPlanList", "select * from timerplan where kind = 1")).empty());
        rows = rowsOf(query("Log_Server", "select * from parameter where name = 'Talk_Log_Server'"));
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text("value"), std::string("127.0.0.1:8666"));
        rows = rowsOf(query("FixMonitorList", "select * from fixmonitor where terminalId = 4001"));
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[1].text("type"), std::string("6"));

        // Union of the three play-terminal tables, four columns, ordered by id.
        rows = rowsOf(query("AllPlayTerminalList", "select terminalId,name,type,exten from mic02 union select "
                                                   "terminalId,name,type,exten from mic04 union select "
                                                   "terminalId,name,type,exten from ipamp order by terminalId"));
        QCOMPARE(rows.size(), size_t(36));
        QCOMPARE(keys(rows[0]), (std::vector<std::string>{"terminalId", "name", "type", "exten"}));
        for (size_t i = 1; i < rows.size(); ++i)
            QVERIFY(rows[i - 1].toInt("terminalId") < rows[i].toInt("terminalId"));
        QCOMPARE(rows[12].text("type"), std::string("Mic04"));

        QCOMPARE(query("NoSuchList", "select * from nothing").statusCode, 400);
    }

    void logPages()
    {
        auto count = rowsOf(query("UserLogCount", "select count(*) from userlog;", "SqlLog"));
        QCOMPARE(count.size(), size_t(1));
        QCOMPARE(count[0].fields[0].first, std::string("count(*)"));
        QCOMPARE(count[0].at(0), std::string("240"));
        QCOMPARE(rowsOf(query("TalkLogCount", "select count(*) from talklog;", "SqlLog"))[0].at(0), std::string("320"));
        QCOMPARE(rowsOf(query("TermLogCount", "select count(*) from terminallog;", "SqlLog"))[0].at(0), std::string("300"));

        // Newest first, offset and page size from "limit A, B".
        auto page = rowsOf(query("UserLog", "select * from userlog order by id DESC limit 100, 100 ", "SqlLog"));
        QCOMPARE(page.size(), size_t(100));
        QCOMPARE(page.front().at(0), std::string("140"));
        QCOMPARE(page.back().at(0), std::string("41"));
        QCOMPARE(page[0].fields[1].first, std::string("name"));
        page = rowsOf(query("UserLog", "select * from userlog order by id DESC limit 200, 100 ", "SqlLog"));
        QCOMPARE(page.size(), size_t(40));
        QCOMPARE(page.back().at(0), std::string("1"));
        QVERIFY(rowsOf(query("UserLog", "select * from userlog order by id DESC limit 300, 100 ", "SqlLog")).empty());
        // Numbers past the table's end, or past any integer, give what is there.
        page = rowsOf(query("UserLog", "select * from userlog order by id DESC limit 230, 18446744073709551615", "SqlLog"));
        QCOMPARE(page.size(), size_t(10));
        QCOMPARE(page.front().at(0), std::string("10"));
        page = rowsOf(query("UserLog", "select * from userlog order by id DESC limit 99999999999999999999999, 5", "SqlLog"));
        QVERIFY(page.empty());
        QCOMPARE(rowsOf(query("UserLog", "select * from userlog order by id DESC limit 99999999999999999999999", "SqlLog")).size(),
                 size_t(240));
        page = rowsOf(query("Record", "select * from talklog order by id DESC limit 0, 100", "SqlLog"));
        QCOMPARE(page[0].text("id"), std::string("320"));
        QVERIFY(page[0].has("begin_time") && page[0].has("recordfile"));
        page = rowsOf(query("TermLog", "select * from terminallog order by id DESC limit 0, 100", "SqlLog"));
        QCOMPARE(page[0].text("id"), std::string("300"));
        QVERIFY(page[0].has("action"));
    }

    void singleTerminalGet()
    {
        Json::Value body(Json::objectValue);
        body["Data"] = "Mic";
        body["Id"] = "4003";
        KyDbpMessage r = m_a->request(KyCommandRequest::get("Terminal", body));
        QCOMPARE(r.statusCode, 200);
        auto rows = rowsOf(r);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text("terminalId"), std::string("4003"));
        QVERIFY(rows[0].has("PttMode"));
        body["Data"] = "M12";
        body["Id"] = "8002";
        QCOMPARE(rowsOf(m_a->request(KyCommandRequest::get("Terminal", body)))[0].text("type"), std::string("M12"));
        body["Id"] = "4003";
        QCOMPARE(m_a->request(KyCommandRequest::get("Terminal", body)).statusCode, 404);
    }

    void terminalChangesPushToOthers()
    {
        KyDbpMessage r = m_a->request(post("ModTalkTerminal", {{"Id", "1001"}, {"Name", "前台新名"}, {"CapVol", "33"},
                                                               {"CallVol", "44"}, {"BellVol", "55"}, {"BroVol", "66"}}));
        QCOMPARE(r.statusCode, 200);
        KyDbpMessage p = pushAtB();
        QCOMPARE(p.firstLine, std::string("POST DBP/1.0"));
        QCOMPARE(p.pushName(), std::string("SqlConfig_mic02"));
        auto rows = rowsOf(p);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text("terminalId"), std::string("1001"));
        QCOMPARE(rows[0].text("name"), std::string("前台新名"));
        QCOMPARE(rows[0].text("capVol"), std::string("33"));
        QCOMPARE(rows[0].text("broVol"), std::string("66"));
        QCOMPARE(keys(rows[0]), keys(m_server->rows("mic02")[0]));
        QVERIFY(quietAt(*m_a));

        // Every target setting.
        m_server->setPushTarget(KyTestServer::PushAll);
        QCOMPARE(m_a->request(post("IpAmpSet", {{"Id", "2001"}, {"Name", "求助"}, {"BroVol", "12"}})).statusCode, 200);
        KyDbpMessage own;
        QVERIFY(m_a->next(own, 1000));
        QCOMPARE(own.pushName(), std::string("SqlConfig_mic04"));
        QCOMPARE(pushAtB().pushName(), std::string("SqlConfig_mic04"));
        m_server->setPushTarget(KyTestServer::PushNone);
        QCOMPARE(m_a->request(post("IpAmpPower", {{"Id", "3001"}, {"Power", "0"}})).statusCode, 200);
        QVERIFY(quietAt(*m_a) && quietAt(*m_b));
        QCOMPARE(m_server->rows("ipamp")[0].text("power"), std::string("0"));
        m_server->setPushTarget(KyTestServer::PushOthers);

        // Bad values and unknown ids change nothing.
        QCOMPARE(m_a->request(post("ModTalkTerminal", {{"Id", "1002"}, {"CapVol", "loud"}})).statusCode, 400);
        QCOMPARE(m_a->request(post("ModTalkTerminal", {{"Id", "9999"}, {"CapVol", "1"}})).statusCode, 404);
        QVERIFY(quietAt(*m_b));
        QCOMPARE(m_server->rows("mic02")[1].text("capVol"), std::string("60"));

        struct Case {
            const char* type;
            std::map<std::string, std::string> body;
            const char* table;
            const char* column;
            const char* value;
        };
        const Case cases[] = {
            {"Terminal", {{"Id", "3002"}, {"TransportTcp", "1"}, {"DefaultVolume", "77"}, {"DefaultPower", "1"},
                          {"IsDefault", "1"}}, "ipamp", "defaultVolume", "77"},
            {"TtsSet", {{"Id", "5002"}, {"Name", "合成二"}}, "tts", "name", "合成二"},
            {"ModM04Led", {{"Id", "2002"}, {"LedColor", "28"}, {"SwitchMode", "3"}, {"DisplayTime", "9"},
                           {"LedTxt", "请稍候"}}, "mic04", "ledTxt", "请稍候"},
            {"CapM03Set", {{"Id", "6002"}, {"Name", "采集"}, {"CapVol", "20"}, {"CapSamplerate", "32000"}},
             "capm03", "capSamplerate", "32000"},
            {"SetFRName", {{"Id", "7002"}, {"Name", "消防"}, {"TriggerType", "2"}}, "falarm", "triggerType", "2"},
            {"ModTalkTerminal", {{"Id", "4002"}, {"PttMode", "1"}}, "mic11", "PttMode", "1"},
            {"ModTalkTerminal", {{"Id", "8002"}, {"BellVol", "9"}}, "m12", "bellVol", "9"},
        };
        for (const Case& c : cases) {
            QCOMPARE(m_a->request(post(c.type, c.body)).statusCode, 200);
            KyDbpMessage push = pushAtB();
            QCOMPARE(push.pushName(), std::string("SqlConfig_") + c.table);
            QCOMPARE(rowsOf(push)[0].text(c.column), std::string(c.value));
            QCOMPARE(findRow(m_server->rows(c.table), "terminalId", c.body.at("Id"))->text(c.column),
                     std::string(c.value));
        }
    }

    void outcomePushesReachTheSender()
    {
        KyDbpMessage r = m_a->request(post("IpAmpSpkCheck", {{"Id", "3003"}, {"SpkCheck", "1"}}));
        QCOMPARE(r.statusCode, 200);
        KyDbpMessage own;
        QVERIFY(m_a->next(own, 1000));
        QCOMPARE(own.pushName(), std::string("SqlConfig_ipamp"));
        QCOMPARE(rowsOf(own)[0].text("spkState"), std::string("1"));
        QCOMPARE(pushAtB().pushName(), std::string("SqlConfig_ipamp"));

        QCOMPARE(m_a->request(post("SoundSourceSwitch", {{"Action", "Start"}, {"Id", "5"}})).statusCode, 200);
        QVERIFY(m_a->next(own, 1000));
        QCOMPARE(own.pushName(), std::string("SqlConfig_soundsource"));
        QCOMPARE(rowsOf(own)[0].text("status"), std::string("1"));
        QCOMPARE(m_a->request(post("SoundSourceSwitch", {{"Action", "Stop"}, {"Id", "5"}})).statusCode, 200);
        QVERIFY(m_a->next(own, 1000));
        QCOMPARE(rowsOf(own)[0].text("status"), std::string("2"));
        QCOMPARE(m_a->request(post("SoundSourceSwitch", {{"Action", "Pause"}, {"Id", "5"}})).statusCode, 400);
        QCOMPARE(m_a->request(post("SoundSourceSwitch", {{"Action", "Start"}, {"Id", "77"}})).statusCode, 404);
    }

    void removeDevice()
    {
        // Found by id across kinds; owned books go with it.
        KyDbpMessage r = m_a->request(post("RemoveDevice", {{"Id", "8002"}, {"Type", "M12"}}));
        QCOMPARE(r.statusCode, 200);
        KyDbpMessage p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_M12"));
        QCOMPARE(kyJsonText(KyRawClient::json(p.body), "Id"), std::string("8002"));
        QCOMPARE(m_server->rows("m12").size(), size_t(11));
        QVERIFY(!findRow(m_server->rows("fixsstask"), "terminalId", "8002"));
        QVERIFY(!findRow(m_server->rows("m12call"), "id", "8002"));
        QCOMPARE(m_a->request(post("RemoveDevice", {{"Id", "8002"}})).statusCode, 404);

        QCOMPARE(m_a->request(post("RemoveDevice", {{"Id", "5001"}, {"Type", "tts01"}})).statusCode, 200);
        p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_Tts"));
        Json::Value body = KyRawClient::json(p.body);
        QVERIFY(body.isMember("Result") && kyJsonText(body, "Result").empty());

        // A play terminal in use is kept; the sender gets the failure notice.
        r = m_a->request(post("RemoveDevice", {{"Id", "3005"}, {"Type", "IP"}}));
        QCOMPARE(r.statusCode, 403);
        QVERIFY(!kyJsonText(KyRawClient::json(r.body), "Result").empty());
        KyDbpMessage notice;
        QVERIFY(m_a->next(notice, 1000));
        QCOMPARE(notice.pushName(), std::string("DELETE_IpAmp"));
        QCOMPARE(kyJsonText(KyRawClient::json(notice.body), "Id"), std::string("3005"));
        QVERIFY(!kyJsonText(KyRawClient::json(notice.body), "Result").empty());
        QVERIFY(quietAt(*m_b));
        QCOMPARE(m_server->rows("ipamp").size(), size_t(12));
        QCOMPARE(m_a->request(post("RemoveDevice", {{"Id", "1005"}})).statusCode, 403);
        QCOMPARE(m_server->rows("mic02").size(), size_t(12));
    }

    void booksAndButtonCalls()
    {
        QCOMPARE(m_a->request(post("M11MonitorBook", {{"Action", "Mod"}, {"Id", "4003"},
                                                      {"Monitor", "Mic02_1002 IpAmp_3001 M12_8001 IP_3004"}})).statusCode, 200);
        auto rows = rowsOf(query("FixMonitorList", "select * from fixmonitor where terminalId = 4003"));
        QCOMPARE(rows.size(), size_t(4));
        QCOMPARE(rows[0].text("id"), std::string("1002"));
        QCOMPARE(rows[0].text("type"), std::string("2"));
        QCOMPARE(rows[1].text("type"), std::string("6"));
        QCOMPARE(rows[2].text("type"), std::string("8"));
        QCOMPARE(rows[3].text("type"), std::string("6"));
        // A bad entry refuses the whole book.
        QCOMPARE(m_a->request(post("M11MonitorBook", {{"Action", "Mod"}, {"Id", "4003"}, {"Monitor", "Mic02_1002 Foo_7"}})).statusCode, 400);
        QCOMPARE(rowsOf(query("FixMonitorList", "select * from fixmonitor where terminalId = 4003")).size(), size_t(4));
        QCOMPARE(m_a->request(post("M11MonitorBook", {{"Action", "Mod"}, {"Id", "4003"}, {"Monitor", ""}})).statusCode, 200);
        QVERIFY(rowsOf(query("FixMonitorList", "select * from fixmonitor where terminalId = 4003")).empty());

        QCOMPARE(m_a->request(post("M12CallBook", {{"Action", "Mod"}, {"Id", "8003"}, {"Contacts", "Mic11_4001 Mic04_2001 M12_8001"}})).statusCode, 200);
        rows = rowsOf(query("M12CallList", "select * from m12call where terminalId = 8003"));
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[0].text("type"), std::string("3"));
        QCOMPARE(rows[1].text("type"), std::string("4"));

        QCOMPARE(m_a->request(post("M11SoundSource", {{"Action", "Mod"}, {"Id", "4001"}, {"SoundSource", "5  2 9 "}})).statusCode, 200);
        rows = rowsOf(query("FixSsTaskList", "select * from fixsstask where terminalId = 4001"));
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[0].text("id"), std::string("5"));
        QCOMPARE(rows[2].text("id"), std::string("9"));
        QCOMPARE(m_a->request(post("M12BroadBook", {{"Action", "Mod"}, {"Id", "8001"}, {"RegionId", "3 7"}})).statusCode, 200);
        QCOMPARE(rowsOf(query("FixRegionList", "select * from fixregion where terminalId = 8001")).size(), size_t(2));
        QCOMPARE(m_a->request(post("M11BroadBook", {{"Action", "Mod"}, {"Id", "9999"}, {"RegionId", "1"}})).statusCode, 404);

        // Button calls: all entries replaced, the alarm pair split at the blank.
        Json::Value calls(Json::objectValue), entry(Json::objectValue);
        calls["Action"] = "Mod";
        calls["Id"] = "1002";
        entry["StartCall"] = "ButtonPopUp";
        entry["StopCall"] = "ButtonLongPress";
        entry["Mic11"] = "4003";
        entry["CallServiceGroup"] = "0";
        calls["ButtonCalls"].append(entry);
        entry["StartCall"] = "AlarmShortPress";
        entry["StopCall"] = "AlarmLongPress";
        entry["Mic11"] = "0";
        entry["CallServiceGroup"] = "2";
        calls["ButtonCalls"].append(entry);
        calls["AlarmCall"] = "BackupShortPress BackupLongPress";
        QCOMPARE(m_a->request(KyCommandRequest::post("M02ButtonCall", calls)).statusCode, 200);
        rows = rowsOf(query("M02ButtonCall", "select * from m02buttoncall where terminalId = 1002"));
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[0].text("mic11Id"), std::string("4003"));
        QCOMPARE(rows[1].text("groupId"), std::string("2"));
        QCOMPARE(rows[2].text("startCall"), std::string("BackupShortPress"));
        QCOMPARE(rows[2].text("stopCall"), std::string("BackupLongPress"));
        QCOMPARE(rowsOf(query("M02ButtonCall", "select * from m02buttoncall where terminalId = 1001")).size(), size_t(4));
        calls["Id"] = "2003";
        calls.removeMember("AlarmCall");
        calls["ButtonCalls"].resize(1);
        QCOMPARE(m_a->request(KyCommandRequest::post("M04ButtonCall", calls)).statusCode, 200);
        QCOMPARE(rowsOf(query("M04ButtonCall", "select * from m04buttoncall where terminalId = 2003")).size(), size_t(1));
        calls["Id"] = "1003";   // a mic02 is no mic04
        QCOMPARE(m_a->request(KyCommandRequest::post("M04ButtonCall", calls)).statusCode, 404);
    }

    void fireAlarmChannels()
    {
        QCOMPARE(m_a->request(post("SetFRTrigger", {{"Id", "7003"}, {"ChannelName", "五号通道"}, {"Channel", "5"},
                                                    {"SourceId", "12"}, {"TriggerSwitch", "1"}, {"StopPlay", "0"}})).statusCode, 200);
        KyDbpMessage p = pushAtB();
        QCOMPARE(p.pushName(), std::string("SqlConfig_falarm"));
        QCOMPARE(rowsOf(p)[0].text("broadcast"),
                 std::string("一号通道#$%3!!!二号通道#$%0!!!三号通道#$%9!!!通道4#$%0!!!五号通道#$%12"));
        QCOMPARE(m_a->request(post("SetFRTrigger", {{"Id", "7003"}, {"ChannelName", "二号"}, {"Channel", "2"},
                                                    {"SourceId", "0"}})).statusCode, 200);
        QCOMPARE(findRow(m_server->rows("falarm"), "terminalId", "7003")->text("broadcast"),
                 std::string("一号通道#$%3!!!二号#$%0!!!三号通道#$%9!!!通道4#$%0!!!五号通道#$%12"));
        QCOMPARE(m_a->request(post("SetFRTrigger", {{"Id", "7003"}, {"ChannelName", "a!!!b"}, {"Channel", "1"}})).statusCode, 400);
        QCOMPARE(m_a->request(post("SetFRTrigger", {{"Id", "7003"}, {"ChannelName", "a"}, {"Channel", "0"}})).statusCode, 400);
    }

    void groupsAndRegions()
    {
        std::map<std::string, std::string> g = {{"Action", "Add"}, {"Id", "12"}, {"Name", "夜班组"},
                                                {"Mic11Id", "4001 4007"}, {"CallWaitRule", "2"}, {"RingTime", "30"}};
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 200);
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 409);
        auto rows = rowsOf(query("MicGroupList", "select * from callservergroup"));
        QCOMPARE(rows.size(), size_t(5));
        QCOMPARE(rows[4].text("groupId"), std::string("12"));
        QCOMPARE(rows[4].text("terminalId"), std::string("4001 4007"));
        g["Action"] = "Mod";
        g["Name"] = "晚班组";
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 200);
        QCOMPARE(findRow(m_server->rows("callservergroup"), "groupId", "12")->text("name"), std::string("晚班组"));
        QVERIFY(quietAt(*m_b));   // adds and changes are not pushed
        g["Action"] = "Del";
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 200);
        KyDbpMessage p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_MicGroup"));
        QCOMPARE(kyJsonText(KyRawClient::json(p.body), "Id"), std::string("12"));
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 404);
        g["Id"] = "0";
        g["Action"] = "Add";
        QCOMPARE(m_a->request(post("CallService", g)).statusCode, 400);

        std::map<std::string, std::string> r = {{"Action", "Add"}, {"Id", "9"}, {"Name", "操场"}, {"TerminalId", "3006 3010"}};
        QCOMPARE(m_a->request(post("BroadRegion", r)).statusCode, 200);
        r["Id"] = "2";
        QCOMPARE(m_a->request(post("BroadRegion", r)).statusCode, 409);
        QCOMPARE(findRow(m_server->rows("region"), "regionId", "2")->text("name"), std::string("教学区"));
        r["Action"] = "Del";
        QCOMPARE(m_a->request(post("BroadRegion", r)).statusCode, 200);
        p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_Region"));
        QCOMPARE(kyJsonText(KyRawClient::json(p.body), "Id"), std::string("2"));
        rows = rowsOf(query("RegionList", "select * from region"));
        QCOMPARE(rows.size(), size_t(6));
        QCOMPARE(rows.back().text("terminalId"), std::string("3006 3010"));
    }

    void tasksAndSchemes()
    {
        std::map<std::string, std::string> t = {
            {"Action", "Add"}, {"Id", "0"}, {"Name", "午休音乐"}, {"SourceCategory", "3"}, {"SourceType", "1"},
            {"TimerPlanId", "2"}, {"SourceContent", "/music/a.mp3@#$%/music/b.mp3"}, {"PlayVol", "40"},
            {"Duration", "0"}, {"PlayTimes", "2"}, {"OpenAmp", "5"}, {"Week", "31"}, {"StartDate", "1714492800"},
            {"EndDate", "0"}, {"ExecuteTime", "午休#$%45000"}, {"TerminalId", "3001 3002"}};
        KyDbpMessage r = m_a->request(post("SoundSource", t));
        QCOMPARE(r.statusCode, 200);
        auto rows = rowsOf(r);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].text("id"), std::string("11"));
        QCOMPARE(rows[0].text("status"), std::string("2"));
        QCOMPARE(rows[0].text("executeTime"), std::string("午休#$%45000"));
        QCOMPARE(keys(rows[0]), keys(m_server->rows("soundsource")[0]));
        KyDbpMessage p = pushAtB();
        QCOMPARE(p.pushName(), std::string("SqlConfig_soundsource"));
        QCOMPARE(rowsOf(p)[0].text("id"), std::string("11"));

        t["Action"] = "Mod";
        t["Id"] = "11";
        t["PlayVol"] = "45";
        r = m_a->request(post("SoundSource", t));
        QCOMPARE(rowsOf(r)[0].text("playVol"), std::string("45"));
        QCOMPARE(rowsOf(pushAtB())[0].text("playVol"), std::string("45"));

        // Delete: result text empty when done, the reason when refused.
        r = m_a->request(post("SoundSource", {{"Action", "Del"}, {"Id", "4"}}));
        QCOMPARE(r.statusCode, 403);
        QVERIFY(!kyJsonText(KyRawClient::json(r.body), "Result").empty());
        r = m_a->request(post("SoundSource", {{"Action", "Del"}, {"Id", "404"}}));
        QCOMPARE(r.statusCode, 404);
        QVERIFY(!kyJsonText(KyRawClient::json(r.body), "Result").empty());
        QVERIFY(quietAt(*m_b));

        // A scheme with tasks is kept.
        QCOMPARE(m_a->request(post("TimerPlan", {{"Action", "Del"}, {"Id", "2"}, {"Kind", "0"}})).statusCode, 409);
        r = m_a->request(post("SoundSource", {{"Action", "Del"}, {"Id", "11"}}));
        QCOMPARE(r.statusCode, 200);
        Json::Value res = KyRawClient::json(r.body);
        QVERIFY(res.isMember("Result") && kyJsonText(res, "Result").empty());
        p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_SoundSource"));
        QCOMPARE(kyJsonText(KyRawClient::json(p.body), "Id"), std::string("11"));
        QCOMPARE(m_a->request(post("SoundSource", {{"Action", "Del"}, {"Id", "3"}})).statusCode, 200);
        pushAtB();

        r = m_a->request(post("TimerPlan", {{"Action", "Add"}, {"Id", "-1"}, {"Name", "暑假方案"}, {"Comment", "假期"},
                                            {"Enable", "1"}, {"Kind", "0"}}));
        QCOMPARE(r.statusCode, 200);
        rows = rowsOf(r);
        QCOMPARE(rows[0].text("id"), std::string("3"));
        QCOMPARE(rows[0].text("comment"), std::string("假期"));
        QCOMPARE(pushAtB().pushName(), std::string("SqlConfig_timerplan"));
        r = m_a->request(post("TimerPlan", {{"Action", "Mod"}, {"Id", "2"}, {"Name", "考试周"}, {"Comment", ""},
                                            {"Enable", "1"}, {"Kind", "0"}}));
        QCOMPARE(rowsOf(r)[0].text("enable"), std::string("1"));
        QCOMPARE(rowsOf(pushAtB())[0].text("name"), std::string("考试周"));
        r = m_a->request(post("TimerPlan", {{"Action", "Del"}, {"Id", "2"}, {"Kind", "0"}}));
        QCOMPARE(r.statusCode, 200);
        QCOMPARE(rowsOf(r)[0].text("id"), std::string("2"));
        p = pushAtB();
        QCOMPARE(p.pushName(), std::string("DELETE_TimerPlan"));
        QCOMPARE(kyJsonText(KyRawClient::json(p.body), "Kind"), std::string("0"));
        QCOMPARE(rowsOf(query("TimerPlanList", "select * from timerplan where kind = 0")).size(), size_t(2));
        QCOMPARE(m_a->request(post("TimerPlan", {{"Action", "Mod"}, {"Id", "2"}})).statusCode, 404);
        QCOMPARE(m_a->request(post("TimerPlan", {{"Action", "Add"}, {"Name", "x"}, {"Kind", "4"}})).statusCode, 400);
    }

    void systemSettings()
    {
        QCOMPARE(m_a->request(post("SystemParameter", {{"Action", "Mod"}, {"Name", "System_Name"}, {"Value", "新系统"}})).statusCode, 200);
        QCOMPARE(m_a->request(post("SystemParameter", {{"Action", "Mod"}, {"Name", "Extra_Name"}, {"Value", "1"}})).statusCode, 200);
        auto rows = rowsOf(query("SystemParameter", "select * from parameter"));
        QCOMPARE(rows.size(), size_t(5));
        QCOMPARE(rows[0].text("value"), std::string("新系统"));
        QCOMPARE(m_a->request(post("SystemParameter", {{"Action", "Mod"}, {"Value", "x"}})).statusCode, 400);

        QCOMPARE(m_a->request(post("ModTalkManagerInfo", {{"Action", "Mod"}, {"Name", "admin"}, {"PassWord", "n3w"}})).statusCode, 200);
        KyRawClient c;
        QVERIFY(c.connectTo(m_server->port()));
        QCOMPARE(c.login("admin", "admin123").statusCode, 401);
        QCOMPARE(c.login("admin", "n3w").statusCode, 200);

        // Backup keeps the tables; recovery with the right MD5 restores them.
        KyDbpMessage b = m_a->request(post("DataBackup", {{"BackupFile", "KYO_2024-05-18.backup"}}));
        QCOMPARE(b.statusCode, 200);
        Json::Value backup = KyRawClient::json(b.body);
        QCOMPARE(kyJsonText(backup, "BackupFile"), std::string("KYO_2024-05-18.backup"));
        std::string md5 = kyJsonText(backup, "Md5");
        QCOMPARE(md5.size(), size_t(32));
        QVERIFY(md5.find_first_not_of("0123456789abcdef") == std::string::npos);
        QCOMPARE(m_a->request(post("RemoveDevice", {{"Id", "1001"}})).statusCode, 200);
        QCOMPARE(m_a->request(post("DataRecovery", {{"RecoveryFile", "KYO_2024-05-18.backup"}, {"Md5", std::string(32, '0')}})).statusCode, 400);
        QCOMPARE(m_a->request(post("DataRecovery", {{"RecoveryFile", "other.backup"}, {"Md5", md5}})).statusCode, 404);
        QCOMPARE(m_server->rows("mic02").size(), size_t(11));
        QCOMPARE(m_a->request(post("DataRecovery", {{"RecoveryFile", "KYO_2024-05-18.backup"}, {"Md5", md5}})).statusCode, 200);
        QCOMPARE(m_server->rows("mic02").size(), size_t(12));
    }
};

QTEST_GUILESS_MAIN(TestTestServerTables)
#include "test_testserver_tables.moc"
