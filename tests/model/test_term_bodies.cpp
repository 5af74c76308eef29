// What each terminal request puts on the wire: packet type, subtype and the
// JSON body compared as an object (every value a string).
#include <QtTest>

#include "KyCapList.h"
#include "KyFAlarmListMgr.h"
#include "KyLevelList.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyM12ListMgr.h"
#include "KyMicListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyTestSession.h"
#include "KyTtsListMgr.h"

namespace {

Json::Value obj(std::initializer_list<std::pair<const char*, Json::Value>> members)
{
    Json::Value v(Json::objectValue);
    for (const auto& m : members)
        v[m.first] = m.second;
    return v;
}

Json::Value sql(const std::string& text)
{
    return obj({{"Sql", text}});
}

// The last message of that packet type: subtype and body as expected.
bool lastIs(KyTestServer& server, const std::string& type, const std::string& subtype, const Json::Value& body,
            const std::string& method = std::string())
{
    auto got = server.received(type);
    if (got.empty()) {
        qWarning("no %s received", type.c_str());
        return false;
    }
    const KyTestServer::Received& r = got.back();
    Json::Value parsed;
    if (!r.json(parsed) || parsed != body || r.packetSubtype != subtype || (!method.empty() && r.method != method)) {
        qWarning("%s %s %s: %s", r.method.c_str(), type.c_str(), r.packetSubtype.c_str(), r.body.c_str());
        return false;
    }
    return true;
}

KyMic talkMic(int id)
{
    KyMic m;
    m.id = id;
    m.name = "一楼大厅";
    m.type = "Mic02";
    m.vol[0] = 11;
    m.vol[1] = 22;
    m.vol[2] = 33;
    m.vol[3] = 44;
    return m;
}

KyMicBtnCall call(int terminal, const char* start, const char* stop, int mic11, int group)
{
    KyMicBtnCall c;
    c.terminalId = terminal;
    c.startCall = start;
    c.stopCall = stop;
    c.mic11Id = mic11;
    c.groupId = group;
    return c;
}

}  // namespace

class TestTermBodies : public QObject {
    Q_OBJECT
private slots:
    void listQueries();
    void talkTerminalRequests();
    void bookRequests();
    void playTerminalRequests();
    void otherKinds();
};

void TestTermBodies::listQueries()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "TerminalList", sql("select * from ipamp"), "GET"));
    QCOMPARE(KyTtsListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "TtsList", sql("select * from tts")));
    QCOMPARE(KyM02ListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M02List", sql("select * from mic02")));
    QCOMPARE(KyM04ListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M04List", sql("select * from mic04")));
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M11List", sql("select * from mic11")));
    QCOMPARE(KyM12ListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M12List", sql("select * from m12")));
    QCOMPARE(KyCapList::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "CapList", sql("select * from capm03")));
    QCOMPARE(KyFAlarmListMgr::instance()->init(), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FAlarmList", sql("select * from falarm")));
    QCOMPARE(KyLevelList::instance()->init(s.center()), 0);
    QVERIFY(lastIs(server, "SqlConfig", "LevelList", sql("select * from level")));

    // The level list is filled from the reply: first record of each type.
    KyLevel lv;
    QCOMPARE(KyLevelList::instance()->getTerminalLevel(lv), 0);
    QCOMPARE(int(lv.type), 5);
    QCOMPARE(int(lv.id), 2);
    QCOMPARE(int(lv.level), 2);
    QCOMPARE(std::string(lv.name), std::string("终端管理"));
    QCOMPARE(KyLevelList::instance()->getAdvancedLevel(lv), 0);
    QCOMPARE(int(lv.id), 1);
    QCOMPARE(KyLevelList::instance()->getLevelByType(lv, 9), -1);
    QCOMPARE(int(lv.id), 1);  // untouched on -1
}

void TestTermBodies::talkTerminalRequests()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    const Json::Value talk = obj({{"Id", "1002"}, {"Name", "一楼大厅"}, {"CapVol", "11"}, {"BellVol", "22"},
                                  {"CallVol", "33"}, {"BroVol", "44"}});
    KyMic mic = talkMic(1002);
    QCOMPARE(KyM02ListMgr::instance()->saveM02(mic), 0);
    QVERIFY(lastIs(server, "ModTalkTerminal", "", talk, "POST"));

    QCOMPARE(KyM02ListMgr::instance()->requestButtonCalls(mic), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M02ButtonCall", sql("select * from m02buttoncall where terminalId = 1002")));

    // Four keys and the alarm input: all but the last as ButtonCalls, the
    // fourth entry as AlarmCall.
    std::vector<KyMicBtnCall> calls = {
        call(1002, "ButtonPopUp", "ButtonLongPress", 4001, 0), call(1002, "AlarmShortPress", "AlarmLongPress", 0, 2),
        call(1002, "Alarm2ShortPress", "Alarm2LongPress", 0, 0), call(1002, "BackupShortPress", "BackupLongPress", 0, 0),
        call(1002, "", "", 0, 0)};
    QCOMPARE(KyM02ListMgr::instance()->saveButtonCalls(calls), 0);
    Json::Value list(Json::arrayValue);
    for (size_t i = 0; i < 4; ++i)
        list.append(obj({{"StartCall", calls[i].startCall}, {"StopCall", calls[i].stopCall},
                         {"Mic11", std::to_string(calls[i].mic11Id)},
                         {"CallServiceGroup", std::to_string(calls[i].groupId)}}));
    QVERIFY(lastIs(server, "M02ButtonCall", "",
                   obj({{"Action", "Mod"}, {"Id", "1002"}, {"ButtonCalls", list},
                        {"AlarmCall", "BackupShortPress BackupLongPress"}})));
    // Fewer than four entries: no AlarmCall.
    QCOMPARE(KyM02ListMgr::instance()->saveButtonCalls({calls[0], calls[1]}), 0);
    Json::Value one(Json::arrayValue);
    one.append(list[0]);
    QVERIFY(lastIs(server, "M02ButtonCall", "", obj({{"Action", "Mod"}, {"Id", "1002"}, {"ButtonCalls", one}})));

    KyMic m4 = talkMic(2001);
    m4.ledColor = 28;
    m4.switchMode = 3;
    m4.displayTime = 9;
    m4.ledTxt = "欢迎光临";
    QCOMPARE(KyM04ListMgr::instance()->saveM04(m4, KyM04ListMgr::SAVE_LED), 0);
    QVERIFY(lastIs(server, "ModM04Led", "",
                   obj({{"Id", "2001"}, {"LedColor", "28"}, {"SwitchMode", "3"}, {"DisplayTime", "9"},
                        {"LedTxt", "欢迎光临"}})));
    QCOMPARE(KyM04ListMgr::instance()->saveM04(m4, KyM04ListMgr::SAVE_AMP), 0);
    QVERIFY(lastIs(server, "IpAmpSet", "", obj({{"Id", "2001"}, {"Name", "一楼大厅"}, {"BroVol", "44"}})));
    QCOMPARE(KyM04ListMgr::instance()->saveM04(m4, 7), -1);
    KyMicBtnCall c4 = call(2001, "ButtonPushDown", "ButtonLongPress", 4002, 3);
    QCOMPARE(KyM04ListMgr::instance()->saveButtonCalls(c4), 0);
    Json::Value l4(Json::arrayValue);
    l4.append(obj({{"StartCall", "ButtonPushDown"}, {"StopCall", "ButtonLongPress"}, {"Mic11", "4002"},
                   {"CallServiceGroup", "3"}}));
    QVERIFY(lastIs(server, "M04ButtonCall", "", obj({{"Action", "Mod"}, {"Id", "2001"}, {"ButtonCalls", l4}})));
    QCOMPARE(KyM04ListMgr::instance()->requestButtonCalls(m4), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M04ButtonCall", sql("select * from m04buttoncall where terminalId = 2001")));

    KyMic m11 = talkMic(4001);
    m11.pttMode = 1;
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QCOMPARE(KyMicListMgr::instance()->saveMic(&m11), 0);
    Json::Value talk11 = talk;
    talk11["Id"] = "4001";
    talk11["PttMode"] = "1";
    QVERIFY(lastIs(server, "ModTalkTerminal", "", talk11));
    QCOMPARE(KyMicListMgr::instance()->refreshMic(s.center(), 4001), 0);
    QVERIFY(lastIs(server, "Terminal", "", obj({{"Data", "Mic"}, {"Id", "4001"}}), "GET"));
    QCOMPARE(KyMicListMgr::instance()->removeMic(m11), 0);
    QVERIFY(lastIs(server, "RemoveDevice", "", obj({{"Id", "4001"}})));

    KyM12 m12;
    m12.id = 8002;
    m12.name = "门口机";
    m12.vol[0] = 1;
    m12.vol[1] = 2;
    m12.vol[2] = 3;
    m12.vol[3] = 4;
    QCOMPARE(KyM12ListMgr::instance()->init(), 0);
    QCOMPARE(KyM12ListMgr::instance()->saveM12(&m12), 0);
    QVERIFY(lastIs(server, "ModTalkTerminal", "",
                   obj({{"Id", "8002"}, {"Name", "门口机"}, {"CapVol", "1"}, {"BellVol", "2"}, {"CallVol", "3"},
                        {"BroVol", "4"}})));
    QCOMPARE(KyM12ListMgr::instance()->refreshM12(s.center(), 8002), 0);
    QVERIFY(lastIs(server, "Terminal", "", obj({{"Data", "M12"}, {"Id", "8002"}}), "GET"));
}

void TestTermBodies::bookRequests()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    KyMicListMgr* m11 = KyMicListMgr::instance();
    KyM12ListMgr* m12 = KyM12ListMgr::instance();
    QCOMPARE(m11->requestMicBooks({272, 4001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FixMonitorList", sql("select * from fixmonitor where terminalId = 4001")));
    QCOMPARE(m11->requestMicBooks({274, 4001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FixSsTaskList", sql("select * from fixsstask where terminalId = 4001")));
    QCOMPARE(m11->requestMicBooks({276, 4001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FixRegionList", sql("select * from fixregion where terminalId = 4001")));
    QCOMPARE(m11->requestMicBooks({269, 0}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "AllPlayTerminalList",
                   sql("select terminalId,name,type,exten from mic02 union select terminalId,name,type,exten from "
                       "mic04 union select terminalId,name,type,exten from ipamp order by terminalId")));
    QCOMPARE(m11->requestMicBooks({999, 4001}), -1);

    QCOMPARE(m11->saveMicBooks({273, 4001, "Mic02_1002 IpAmp_3001"}), 0);
    QVERIFY(lastIs(server, "M11MonitorBook", "",
                   obj({{"Action", "Mod"}, {"Id", "4001"}, {"Monitor", "Mic02_1002 IpAmp_3001"}})));
    QCOMPARE(m11->saveMicBooks({275, 4001, "5 2 9"}), 0);
    QVERIFY(lastIs(server, "M11SoundSource", "", obj({{"Action", "Mod"}, {"Id", "4001"}, {"SoundSource", "5 2 9"}})));
    QCOMPARE(m11->saveMicBooks({277, 4001, "3 7"}), 0);
    QVERIFY(lastIs(server, "M11BroadBook", "", obj({{"Action", "Mod"}, {"Id", "4001"}, {"RegionId", "3 7"}})));

    QCOMPARE(m12->requestBooks({282, 8001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "M12CallList", sql("select * from m12call where terminalId = 8001")));
    QCOMPARE(m12->requestBooks({285, 8001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FixSsTaskList", sql("select * from fixsstask where terminalId = 8001")));
    QCOMPARE(m12->requestBooks({287, 8001}), 0);
    QVERIFY(lastIs(server, "SqlConfig", "FixRegionList", sql("select * from fixregion where terminalId = 8001")));
    QCOMPARE(m12->saveBooks({284, 8001, "Mic02_1002 M12_8002"}), 0);
    QVERIFY(lastIs(server, "M12CallBook", "",
                   obj({{"Action", "Mod"}, {"Id", "8001"}, {"Contacts", "Mic02_1002 M12_8002"}})));
    QCOMPARE(m12->saveBooks({286, 8001, "4"}), 0);
    QVERIFY(lastIs(server, "M12SoundSource", "", obj({{"Action", "Mod"}, {"Id", "8001"}, {"SoundSource", "4"}})));
    QCOMPARE(m12->saveBooks({288, 8001, "1 2"}), 0);
    QVERIFY(lastIs(server, "M12BroadBook", "", obj({{"Action", "Mod"}, {"Id", "8001"}, {"RegionId", "1 2"}})));
    QCOMPARE(m12->saveBooks({273, 8001, "x"}), -1);
}

void TestTermBodies::playTerminalRequests()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    KyPlayTermListMgr* play = KyPlayTermListMgr::instance();
    QCOMPARE(play->init(), 0);
    KyTerminal t;
    QVERIFY(play->getTerminal(3001, t));
    t.name = "操场广播";
    t.broVol = 55;
    QCOMPARE(play->saveTerminal(t), 0);
    QVERIFY(lastIs(server, "IpAmpSet", "", obj({{"Id", "3001"}, {"Name", "操场广播"}, {"BroVol", "55"}})));
    QCOMPARE(play->setPower(s.center(), 3001, nullptr, 1), 0);
    QVERIFY(lastIs(server, "IpAmpPower", "", obj({{"Id", "3001"}, {"Power", "1"}})));
    QCOMPARE(play->sendSpeakerCheck(s.center(), t), 0);
    QVERIFY(lastIs(server, "IpAmpSpkCheck", "", obj({{"Id", "3001"}, {"SpkCheck", "1"}})));
    t.transport_tcp = 1;
    t.defaultVolumn = 35;
    t.defaultPower = true;
    t.isDefault = false;
    QCOMPARE(play->setTerminal(s.center(), &t), 0);
    QVERIFY(lastIs(server, "Terminal", "",
                   obj({{"Id", "3001"}, {"TransportTcp", "1"}, {"DefaultVolume", "35"}, {"DefaultPower", "1"},
                        {"IsDefault", "0"}}),
                   "POST"));
    // The stored values come back with the list, so the dialogs start from them.
    QCOMPARE(play->init(), 0);
    KyTerminal back;
    QVERIFY(play->getTerminal(3001, &back));
    QCOMPARE(back.transport_tcp, 1);
    QCOMPARE(back.defaultVolumn, 35);
    QVERIFY(back.defaultPower);
    QVERIFY(!back.isDefault);
    QCOMPARE(back.name, std::string("操场广播"));

    KyTerminal last = play->lockList()->back();
    play->unlockList();
    QCOMPARE(play->deleteTerminal(last), 0);
    QVERIFY(lastIs(server, "RemoveDevice", "", obj({{"Id", std::to_string(last.id)}, {"Type", last.type}})));
}

void TestTermBodies::otherKinds()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    KyTts tts;
    tts.id = 5001;
    tts.name = "语音合成一";
    QCOMPARE(KyTtsListMgr::instance()->saveTts(tts), 0);
    QVERIFY(lastIs(server, "TtsSet", "", obj({{"Id", "5001"}, {"Name", "语音合成一"}})));

    KyCap cap;
    cap.id = 6001;
    cap.name = "前台采集";
    cap.capVol = 80;
    cap.capSamplerate = 32000;
    QCOMPARE(KyCapList::instance()->saveCap(s.center(), cap), 0);
    QVERIFY(lastIs(server, "CapM03Set", "",
                   obj({{"Id", "6001"}, {"Name", "前台采集"}, {"CapVol", "80"}, {"CapSamplerate", "32000"}})));

    KyFAlarm alarm;
    alarm.id = 7001;
    alarm.name = "消防接口";
    alarm.triggerType = 2;
    QCOMPARE(KyFAlarmListMgr::instance()->saveFAlarm(alarm), 0);
    QVERIFY(lastIs(server, "SetFRName", "", obj({{"Id", "7001"}, {"Name", "消防接口"}, {"TriggerType", "2"}})));
    QCOMPARE(KyFAlarmListMgr::instance()->saveTrigger({7001, "二号通道", 2, 9, 1, 0}), 0);
    QVERIFY(lastIs(server, "SetFRTrigger", "",
                   obj({{"Id", "7001"}, {"ChannelName", "二号通道"}, {"Channel", "2"}, {"SourceId", "9"},
                        {"TriggerSwitch", "1"}, {"StopPlay", "0"}})));
    alarm.type = "FR";
    QCOMPARE(KyFAlarmListMgr::instance()->removeFAlarm(alarm), 0);
    QVERIFY(lastIs(server, "RemoveDevice", "", obj({{"Id", "7001"}, {"Type", "FR"}})));
    KyM12 m12;
    m12.id = 8002;
    m12.type = "M12";
    QCOMPARE(KyM12ListMgr::instance()->removeM12(m12), 0);
    QVERIFY(lastIs(server, "RemoveDevice", "", obj({{"Id", "8002"}})));
}

QTEST_MAIN(TestTermBodies)
#include "test_term_bodies.moc"
