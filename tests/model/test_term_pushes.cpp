// Replies stored before the caller is released, server pushes, and the row
// parsers on awkward rows.
#include <QtTest>

#include "KyDbpRows.h"
#include "KyListEvents.h"
#include "KyTestRow.h"
#include "KyManageContext.h"
#include "KySignalLog.h"
#include "KyTermTestSupport.h"
#include "KyTestSession.h"

namespace {


std::string pushText(const std::string& type, const std::string& subtype, const std::string& body)
{
    return "POST DBP/1.0\r\nCSeq:900\r\nPacket-Type:" + type + "\r\nPacket-Subtype:" + subtype +
           "\r\nContent-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Rows without a usable id, a name given twice, the valid rows around them.
std::vector<KyRow> rowsWithBadIds(const char* key)
{
    return {kyTestRow({{key, "1001"}, {"name", "甲"}}), kyTestRow({{"name", "无号"}}),
            kyTestRow({{key, ""}}),                      kyTestRow({{key, "abc"}}),
            kyTestRow({{key, "-4"}}),                    kyTestRow({{key, "1002"}, {"name", "旧"}}),
            kyTestRow({{key, "1003"}, {"name", "丙"}}),  kyTestRow({{key, "1002"}, {"name", "新"}})};
}

std::vector<int> ids(const std::vector<KyBookEntry>& book)
{
    std::vector<int> out;
    for (const KyBookEntry& e : book)
        out.push_back(e.id);
    return out;
}

}  // namespace

class TestTermPushes : public QObject {
    Q_OBJECT
private slots:
    void booksReadRightAfterTheReply();
    void pushesChangeExactlyThePushedRecord();
    void rowParsersOnAwkwardRows();
    void rowsWithoutUsableIds();
    void eventsOfAnotherKindAreDropped();
};

void TestTermPushes::booksReadRightAfterTheReply()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    KyMicListMgr* m11 = KyMicListMgr::instance();
    QCOMPARE(m11->init(), 0);

    // A push lands between the request and its reply: the book read right
    // after 0 is exactly the replied one.
    server.injectPushBeforeReply("SqlConfig", pushText("SqlConfig", "mic11", kyWriteRows({kyTestRow({{"terminalId", "4001"}, {"name", "插入"}})})));
    QCOMPARE(m11->requestMicBooks({272, 4001}), 0);
    QCOMPARE(ids(m11->monitorList()), (std::vector<int>{1002, 3001}));
    QCOMPARE(m11->monitorList()[1].type, 6);
    // A failed query leaves an empty book, never the previous terminal's.
    server.setStatus("SqlConfig", 403);
    QCOMPARE(m11->requestMicBooks({272, 4002}), 1);
    QVERIFY(m11->monitorList().empty());
    QCOMPARE(m11->requestMicBooks({272, 4002}), 0);
    QCOMPARE(ids(m11->monitorList()), (std::vector<int>{2003, 1005}));

    // The all-play-terminal list: mic02, mic04 and ipamp by ascending id.
    QCOMPARE(m11->requestMicBooks({269, 0}), 0);
    auto* plays = m11->lockPlayTerminals();
    const size_t expected = server.rows("mic02").size() + server.rows("mic04").size() + server.rows("ipamp").size();
    QCOMPARE(plays->size(), expected);
    QVERIFY(std::is_sorted(plays->begin(), plays->end(),
                           [](const KyTerminal& a, const KyTerminal& b) { return a.id < b.id; }));
    QCOMPARE(plays->front().type, std::string("Mic02"));
    m11->unlockPlayTerminals();

    KyM12ListMgr* m12 = KyM12ListMgr::instance();
    QCOMPARE(m12->requestBooks({282, 8001}), 0);
    std::vector<KyBookEntry> contacts = m12->contactList();
    QCOMPARE(contacts.size(), size_t(5));
    QCOMPARE(contacts[0].id, 1002);
    QCOMPARE(contacts[0].type, 2);
    QCOMPARE(contacts[4].type, 8);
    server.setNoAnswer("SqlConfig", 1);
    QCOMPARE(m12->requestBooks({282, 8002}), 3);
    QVERIFY(m12->contactList().empty());

    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    KyMic mic;
    mic.id = 1001;
    QCOMPARE(m02->requestButtonCalls(mic), 0);
    std::vector<KyMicBtnCall> calls = m02->buttonCallList();
    QCOMPARE(calls.size(), size_t(4));
    QCOMPARE(calls[0].startCall, std::string("ButtonPopUp"));
    QCOMPARE(calls[0].mic11Id, 4001);
    QCOMPARE(calls[1].groupId, 1);
    mic.id = 1002;
    server.setStatus("SqlConfig", 403);
    QCOMPARE(m02->requestButtonCalls(mic), 1);
    QVERIFY(m02->buttonCallList().empty());
}

void TestTermPushes::pushesChangeExactlyThePushedRecord()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    const KyTermLists lists;
    QVERIFY(lists.load());
    KyM02ListMgr* m02 = lists.m02;
    KyPlayTermListMgr* play = lists.play;
    KyCapList* caps = lists.caps;
    KyFAlarmListMgr* alarms = lists.alarms;
    KyTtsListMgr* tts = lists.tts;
    // Requested again, as the pages refresh: every push still counts once.
    QCOMPARE(play->init(), 0);
    QCOMPARE(caps->requestListUntilDone(KyManageContext::instance()), 0);
    QCOMPARE(alarms->init(), 0);
    KySignalLog m02Changed(m02, SIGNAL(m02Changed(int)));
    KySignalLog m02Deleted(m02, SIGNAL(m02Deleted(int)));
    KySignalLog playChanged(play, SIGNAL(playTermChanged(int)));
    KySignalLog playList(play, SIGNAL(gotPlayTermList()));
    QStringList delErrors;
    QObject ctx;
    connect(play, &KyPlayTermListMgr::delTermError, &ctx, [&](QString text) { delErrors << text; }, Qt::QueuedConnection);
    KySignalLog capUpdated(caps->viewCtrl()->viewSignal(), SIGNAL(updateTerminal(int)));
    KySignalLog capDeleted(caps->viewCtrl()->viewSignal(), SIGNAL(delTerminal(int)));
    KySignalLog alarmDeleted(alarms, SIGNAL(m12Deleted(int)));
    KySignalLog ttsDeleted(tts, SIGNAL(TTsDeleted(int)));

    const std::list<KyMic> before = m02->m02List();
    const KyMic target = before.front();
    // Only the pushed fields of the pushed record change.
    server.pushToAll("SqlConfig", "mic02",
                     kyWriteRows({kyTestRow({{"terminalId", std::to_string(target.id).c_str()}, {"status", "5"}, {"broVol", "77"}})}));
    QTRY_COMPARE(m02Changed.ids(), QVector<int>{target.id});
    const std::list<KyMic> after = m02->m02List();
    QCOMPARE(after.size(), before.size());
    auto b = before.begin();
    for (const KyMic& m : after) {
        if (m.id == target.id) {
            QCOMPARE(m.state, 5);
            QCOMPARE(m.vol[3], 77);
            QCOMPARE(m.name, b->name);
            QCOMPARE(m.vol[0], b->vol[0]);
        } else {
            QCOMPARE(m.name, b->name);
            QCOMPARE(m.state, b->state);
        }
        ++b;
    }
    // An unknown id is appended; a deletion removes and emits once.
    server.pushToAll("SqlConfig", "mic02", kyWriteRows({kyTestRow({{"terminalId", "1999"}, {"name", "新终端"}})}));
    QTRY_COMPARE(m02Changed.count(), 2);
    QCOMPARE(m02->m02List().back().id, 1999);
    server.pushToAll("DELETE", "Mic02", "{\"Id\":\"1999\"}");
    server.pushToAll("DELETE", "Mic02", "{\"Id\":\"1999\"}");
    QTRY_COMPARE(m02Deleted.ids(), QVector<int>{1999});
    KyMic gone;
    QVERIFY(!m02->getM02(1999, gone));

    // Play terminals: a known id changes, a new one is inserted in id order.
    server.pushToAll("SqlConfig", "ipamp", kyWriteRows({kyTestRow({{"terminalId", "3001"}, {"spkState", "2"}})}));
    QTRY_COMPARE(playChanged.ids(), QVector<int>{3001});
    server.pushToAll("SqlConfig", "ipamp", kyWriteRows({kyTestRow({{"terminalId", "3000"}, {"name", "插入"}})}));
    QTRY_COMPARE(playList.count(), 1);
    KyTerminal t;
    QVERIFY(play->getTerminal(3001, t));
    QCOMPARE(t.spkState, 2);
    {
        auto* list = play->lockList();
        QVERIFY(std::is_sorted(list->begin(), list->end(),
                               [](const KyTerminal& x, const KyTerminal& y) { return x.id < y.id; }));
        play->unlockList();
    }
    // A failed deletion stores its text and emits; nothing is removed.
    server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"3001\",\"Result\":\"终端正在使用\"}");
    QTRY_COMPARE(delErrors, QStringList{QString::fromUtf8("终端正在使用")});
    QVERIFY(play->getTerminal(3001, t));
    server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"3000\",\"Result\":\"\"}");
    QTRY_VERIFY(!play->getTerminal(3000, t));

    // Capture terminals through the view controller; fire alarm and TTS deletions.
    server.pushToAll("SqlConfig", "capm03", kyWriteRows({kyTestRow({{"terminalId", "6001"}, {"name", ""}, {"capVol", "12"}})}));
    QTRY_COMPARE(capUpdated.ids(), QVector<int>{6001});
    KyCap cap;
    QVERIFY(caps->getCap(6001, cap));
    QCOMPARE(cap.name, std::string("Cap_6001"));
    QCOMPARE(cap.capVol, 12);
    server.pushToAll("DELETE", "CapM03", "{\"Id\":\"6001\"}");
    QTRY_COMPARE(capDeleted.ids(), QVector<int>{6001});
    server.pushToAll("DELETE", "FAlarm", "{\"Id\":\"7001\"}");
    QTRY_COMPARE(alarmDeleted.ids(), QVector<int>{7001});
    std::list<KyTts> ttsList;
    tts->copyList(ttsList);
    server.pushToAll("DELETE", "Tts", "{\"Id\":\"" + std::to_string(ttsList.front().id) + "\",\"Result\":\"\"}");
    QTRY_COMPARE(ttsDeleted.ids(), QVector<int>{ttsList.front().id});

    // Unclaimed and malformed pushes change nothing.
    const size_t count = m02->m02List().size();
    server.pushToAll("SqlConfig", "nosuchtable", kyWriteRows({kyTestRow({{"terminalId", "1001"}})}));
    server.pushToAll("SqlConfig", "mic02", "<Result><Row>");
    server.pushToAll("DELETE", "Mic02", "{\"Name\":\"x\"}");
    QTest::qWait(150);
    QCOMPARE(m02->m02List().size(), count);
    QCOMPARE(m02Changed.count(), 2);
    QCOMPARE(m02Deleted.count(), 1);
}

void TestTermPushes::rowParsersOnAwkwardRows()
{
    KyCap cap;
    kyReadRow(kyTestRow({{"terminalId", "6009"}, {"name", ""}, {"capSamplerate", "abc"}, {"status", "2"}}), cap);
    QCOMPARE(cap.name, std::string("Cap_6009"));
    QCOMPARE(cap.capSamplerate, 0);
    QCOMPARE(cap.state, 2);

    KyFAlarm alarm;
    kyReadRow(kyTestRow({{"terminalId", "7009"}, {"broadcast", "!!!甲#$%3!!!!!!#$%!!!乙"}, {"shortCircuit", "5"}}), alarm);
    QCOMPARE(alarm.name, std::string("FAlarm_7009"));
    QCOMPARE(alarm.broadcast, std::string("!!!甲#$%3!!!!!!#$%!!!乙"));  // kept as sent for the page to split
    QCOMPARE(alarm.shortCircuit, 5);

    KyMic mic;  // missing keys keep the defaults; both spellings of the push-to-talk key
    kyReadRow(kyTestRow({{"terminalId", "4009"}, {"name", "主席台话筒"}, {"pttMode", "1"}, {"ledTxt", ""}}), mic);
    QCOMPARE(mic.ledColor, 224);
    QCOMPARE(mic.switchMode, 1);
    QCOMPARE(mic.displayTime, 5);
    QCOMPARE(mic.pttMode, 1);
    QCOMPARE(mic.name, std::string("主席台话筒"));
    kyReadRow(kyTestRow({{"PttMode", "0"}, {"capVol", " 12 "}, {"bellVol", "9x"}}), mic);
    QCOMPARE(mic.pttMode, 0);
    QCOMPARE(mic.vol[0], 12);
    QCOMPARE(mic.vol[1], 0);
    QCOMPARE(mic.id, 4009);

    KyTerminal term;
    kyReadRow(kyTestRow({{"terminalId", "3009"}, {"power", "1"}, {"isDefault", "1"}, {"masterId", "3001"},
                   {"defaultVolume", "40"}, {"transportTcp", "1"}}),
              term);
    QVERIFY(term.power && term.isDefault && !term.defaultPower);
    QCOMPARE(term.master_id, 3001);
    QCOMPARE(term.defaultVolumn, 40);
    QCOMPARE(term.transport_tcp, 1);
    QCOMPARE(term.exten, std::string("--"));

    // A list reply with awkward rows, end to end.
    KyTestSession s;
    QVERIFY(s.loggedIn());
    s.server().setRows("capm03", {kyTestRow({{"terminalId", "6101"}, {"name", ""}, {"capVol", "3"}}),
                                  kyTestRow({{"terminalId", "6102"}, {"name", "大厅<采集>&"}})});
    KyCapList* caps = KyCapList::instance();
    QCOMPARE(KyManageContext::instance()->capList(), caps);
    KySignalLog have(caps->viewCtrl()->viewSignal(), SIGNAL(haveTerminals()));
    QCOMPARE(caps->init(), 0);
    QTRY_COMPARE(have.count(), 1);
    QCOMPARE(caps->requestListUntilDone(KyManageContext::instance()), 0);
    QTRY_COMPARE(have.count(), 2);
    QTest::qWait(50);
    QCOMPARE(have.count(), 2);
    QVERIFY(caps->getCap(6101, cap));
    QCOMPARE(cap.name, std::string("Cap_6101"));
    QVERIFY(caps->getCap(6102, cap));
    QCOMPARE(cap.name, std::string("大厅<采集>&"));
    std::list<KyCap>* list = caps->lockList();
    QCOMPARE(list->size(), size_t(2));
    caps->unlockList();
}

// A list keeps exactly its rows with usable ids, one record an id (the later
// row), also with bytes after its end; pushed rows without one change nothing.
void TestTermPushes::rowsWithoutUsableIds()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    KySignalLog changed(m02, SIGNAL(m02Changed(int)));
    for (const char* tail : {"", "<Result><Row>"}) {
        s.server().setStatus("SqlConfig", 200, 1, kyWriteRows(rowsWithBadIds("terminalId")) + tail);
        QCOMPARE(m02->init(), 0);
        std::vector<std::pair<int, std::string>> stored;
        for (const KyMic& m : m02->m02List())
            stored.emplace_back(m.id, m.name);
        QVERIFY2(stored == (std::vector<std::pair<int, std::string>>{{1001, "甲"}, {1003, "丙"}, {1002, "新"}}), tail);
    }
    s.server().pushToAll("SqlConfig", "mic02", kyWriteRows({kyTestRow({{"terminalId", "1002"}, {"status", "5"}})}));
    QTRY_COMPARE(changed.ids(), QVector<int>{1002});
    KyMic mic;
    QVERIFY(m02->getM02(1002, mic));
    QCOMPARE(mic.state, 5);
    QCOMPARE(mic.name, std::string("新"));
    std::vector<KyRow> bad = rowsWithBadIds("terminalId");
    bad.erase(bad.begin() + 5, bad.end());
    bad.erase(bad.begin());
    s.server().pushToAll("SqlConfig", "mic02", kyWriteRows(bad));
    QTest::qWait(150);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m02->m02List().size(), size_t(3));
}

namespace {
struct KyProbeRec {
    int id = 0;
};
// Notes what arrives; a list by its size.
struct KyProbeEvents : KyListEvents<KyProbeRec, KyProbeRec, std::string> {
    std::vector<std::string> seen;
    void listArrived(int, const std::vector<KyProbeRec>& v) override
    {
        seen.push_back("list" + std::to_string(v.size()));
    }
    void recordChanged(int id, const KyProbeRec&) override { seen.push_back("changed" + std::to_string(id)); }
    void recordRemoved(int id, int) override { seen.push_back("removed" + std::to_string(id)); }
    void extraArrived(int, const std::string& text) override { seen.push_back("extra " + text); }
};
using KyOtherEvents = KyListEvents<KyMic, KyRow, int>;
}  // namespace

// A manager whose events carry other types than the listener expects: each is
// dropped, the listener sees only its own kinds, in order.
void TestTermPushes::eventsOfAnotherKindAreDropped()
{
    KyBaseMgr mgr("probe");
    KyProbeEvents events;
    KyListAdapter<KyProbeEvents>::listen(mgr, events);
    using Mine = KyListAdapter<KyProbeEvents>;
    using Other = KyListAdapter<KyOtherEvents>;
    Other::list(mgr, 0, std::vector<KyMic>(3));
    Mine::list(mgr, 0, std::vector<KyProbeRec>(2));
    Other::changed(mgr, 7, KyRow());
    Mine::changed(mgr, 8, KyProbeRec());
    Other::extra(mgr, 0, 5);
    Mine::extra(mgr, 0, std::string("text"));
    Mine::removed(mgr, 10);
    mgr.callback(EV_LIST, 0, nullptr);
    QCOMPARE(events.seen, (std::vector<std::string>{"list2", "changed8", "extra text", "removed10"}));
}

QTEST_MAIN(TestTermPushes)
#include "test_term_pushes.moc"
