// Result codes end to end: busy answers are retried, refusals leave the cache
// and the signals alone, a missing answer times out.
#include <QElapsedTimer>
#include <QtTest>

#include <functional>

#include "KyFacade.h"
#include "KySignalLog.h"
#include "KyTermTestSupport.h"
#include "KyTestSession.h"

namespace {

// One save of a family: the packet type it sends, the operation with a
// value to write, whether the cache holds that value, the signal it emits.
struct Family {
    const char* name;
    const char* packetType;
    std::function<int(int value)> save;
    std::function<bool(int value)> applied;
    KySignalLog* signal;  // null: the save emits nothing
};

template <class List>
auto firstOf(const List& list) -> typename List::value_type
{
    return list.empty() ? typename List::value_type() : list.front();
}

}  // namespace

class TestTermResults : public QObject {
    Q_OBJECT
private slots:
    // Runs first: it needs the managers' very first instance() calls.
    void instanceCalledAgainDuringItsFirstRequest();
    void savesRetryBusyAndReportRefusals();
    void removalsChangeTheCacheOnlyOnDone();
    void booksAndTriggersRetryBusy();
    void missingAnswerTimesOut();

private:
    void runFamily(KyTestServer& server, const Family& f);
};

void TestTermResults::runFamily(KyTestServer& server, const Family& f)
{
    const QByteArray what(f.name);
    // busy x3 then done: four sends, result 0, the value cached, one signal.
    server.clearReceived();
    if (f.signal)
        f.signal->clear();
    server.setBusy(f.packetType, 3);
    QVERIFY2(f.save(61) == 0, what);
    QVERIFY2(server.received(f.packetType).size() == 4, what);
    QVERIFY2(f.applied(61), what);
    if (f.signal) {
        QTRY_COMPARE(f.signal->count(), 1);
    }

    // refused: result 1, one send, cache unchanged, no signal.
    server.clearReceived();
    if (f.signal)
        f.signal->clear();
    server.setStatus(f.packetType, 403);
    QVERIFY2(f.save(62) == 1, what);
    QVERIFY2(server.received(f.packetType).size() == 1, what);
    QVERIFY2(!f.applied(62) && f.applied(61), what);
    QTest::qWait(50);
    if (f.signal)
        QVERIFY2(f.signal->count() == 0, what);
}

// A slot run while instance() waits for the first list calls instance()
// again: it gets the same manager and no second list request is sent.
void TestTermResults::instanceCalledAgainDuringItsFirstRequest()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    server.setDelay("SqlConfig", 300);
    const std::vector<std::pair<const char*, std::function<void*()>>> kinds = {
        {"M02List", [] { return static_cast<void*>(KyM02ListMgr::instance()); }},
        {"M04List", [] { return static_cast<void*>(KyM04ListMgr::instance()); }},
        {"TtsList", [] { return static_cast<void*>(KyTtsListMgr::instance()); }},
        {"CapList", [] { return static_cast<void*>(KyCapList::instance()); }},
    };
    for (const auto& kind : kinds) {
        void* inner = nullptr;
        QTimer::singleShot(50, [&] { inner = kind.second(); });
        void* outer = kind.second();
        QVERIFY2(outer && inner == outer, kind.first);
        size_t sent = 0;
        for (const auto& r : server.received("SqlConfig"))
            sent += r.packetSubtype == kind.first;
        QVERIFY2(sent == 1, kind.first);
    }
    server.setDelay("SqlConfig", 0);
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    QVERIFY(!m02->m02List().empty());
}

void TestTermResults::savesRetryBusyAndReportRefusals()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();

    const KyTermLists lists;
    QVERIFY(lists.load());
    KyM02ListMgr* m02 = lists.m02;
    KyM04ListMgr* m04 = lists.m04;
    KyMicListMgr* m11 = lists.m11;
    KyM12ListMgr* m12 = lists.m12;
    KyTtsListMgr* tts = lists.tts;
    KyPlayTermListMgr* play = lists.play;
    KyCapList* caps = lists.caps;
    KyFAlarmListMgr* alarms = lists.alarms;

    KyMic mic02 = firstOf(m02->m02List());
    KyMic mic04 = firstOf(m04->m04List());
    std::list<KyTts> ttsList;
    tts->copyList(ttsList);
    KyTts tts1 = firstOf(ttsList);
    const KyMic mic11 = kyLockedFront(m11);
    const KyM12 m12rec = kyLockedFront(m12);
    const KyTerminal term = kyLockedFront(play);
    const KyCap cap = kyLockedFront(caps);
    const KyFAlarm alarm = kyLockedFront(alarms);
    QVERIFY(mic11.id && m12rec.id && term.id && cap.id && alarm.id);
    QVERIFY(mic02.id && mic04.id && tts1.id);

    KySignalLog m02Changed(m02, SIGNAL(m02Changed(int)));
    KySignalLog m04Changed(m04, SIGNAL(m04Changed(int)));
    KySignalLog micChanged(m11, SIGNAL(micChanged(int)));
    KySignalLog m12Changed(m12, SIGNAL(m12Changed(int)));
    KySignalLog ttsChanged(tts, SIGNAL(TTsChanged(int)));
    KySignalLog alarmChanged(alarms, SIGNAL(fAlarmChanged(int)));

    const std::vector<Family> families = {
        {"mic02 save", "ModTalkTerminal",
         [&](int v) { KyMic m = mic02; m.vol[3] = v; return m02->saveM02(m); },
         [&](int v) { KyMic m; return m02->getM02(mic02.id, m) && m.vol[3] == v; }, &m02Changed},
        {"mic04 led", "ModM04Led",
         [&](int v) { KyMic m = mic04; m.displayTime = v; return m04->saveM04(m, KyM04ListMgr::SAVE_LED); },
         [&](int v) { KyMic m; return m04->getM04(mic04.id, &m) && m.displayTime == v; }, &m04Changed},
        {"mic11 save", "ModTalkTerminal",
         [&](int v) { KyMic m = mic11; m.vol[0] = v; return m11->saveMic(&m); },
         [&](int v) { KyMic m; return m11->getMic(mic11.id, m) && m.vol[0] == v; }, &micChanged},
        {"m12 save", "ModTalkTerminal",
         [&](int v) { KyM12 m = m12rec; m.vol[2] = v; return m12->saveM12(&m); },
         [&](int v) { KyM12 m; return m12->getM12(m12rec.id, m) && m.vol[2] == v; }, &m12Changed},
        {"tts save", "TtsSet",
         [&](int v) { KyTts t = tts1; t.name = "语音" + std::to_string(v); return tts->saveTts(t); },
         [&](int v) { KyTts t; return tts->getTts(tts1.id, t) && t.name == "语音" + std::to_string(v); },
         &ttsChanged},
        {"play save", "IpAmpSet",
         [&](int v) { KyTerminal t = term; t.broVol = v; return play->saveTerminal(t); },
         [&](int v) { KyTerminal t; return play->getTerminal(term.id, t) && t.broVol == v; }, nullptr},
        {"play power", "IpAmpPower",
         [&](int v) { return play->setPower(s.center(), term.id, nullptr, v & 1); },
         [&](int v) { KyTerminal t; return play->getTerminal(term.id, &t) && t.power == ((v & 1) != 0); }, nullptr},
        {"play defaults", "Terminal",
         [&](int v) { KyTerminal t = term; t.defaultVolumn = v; return play->setTerminal(s.center(), &t); },
         [&](int v) { KyTerminal t; return play->getTerminal(term.id, t) && t.defaultVolumn == v; }, nullptr},
        {"capture save", "CapM03Set",
         [&](int v) { KyCap c = cap; c.capVol = v; return caps->saveCap(s.center(), c); },
         [&](int v) { KyCap c; return caps->getCap(cap.id, c) && c.capVol == v; }, nullptr},
        {"fire alarm save", "SetFRName",
         [&](int v) { KyFAlarm a = alarm; a.name = "消防" + std::to_string(v); return alarms->saveFAlarm(a); },
         [&](int v) { KyFAlarm a; return alarms->getFAlarm(alarm.id, a) && a.name == "消防" + std::to_string(v); },
         &alarmChanged},
    };
    for (const Family& f : families)
        runFamily(server, f);

    // A refused power request with an odd value leaves the power as it was
    // (61 & 1 == 62 & 1 is false, so the check above covers it); a null
    // center is refused without a send.
    server.clearReceived();
    QCOMPARE(play->setPower(nullptr, term.id, "x", 1), -1);
    QCOMPARE(play->setTerminal(s.center(), nullptr), -1);
    QCOMPARE(play->setTerminal(nullptr, &term), -1);
    QCOMPARE(caps->saveCap(nullptr, cap), -1);
    QVERIFY(server.received().empty());
}

void TestTermResults::removalsChangeTheCacheOnlyOnDone()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    const KyTermLists lists;
    QVERIFY(lists.load());
    KyM02ListMgr* m02 = lists.m02;
    KyM04ListMgr* m04 = lists.m04;
    KyTtsListMgr* tts = lists.tts;
    KyCapList* caps = lists.caps;
    KySignalLog m02Deleted(m02, SIGNAL(m02Deleted(int)));
    KySignalLog m04Deleted(m04, SIGNAL(m04Deleted(int)));
    KySignalLog ttsDeleted(tts, SIGNAL(TTsDeleted(int)));
    KySignalLog capDeleted(caps->viewCtrl()->viewSignal(), SIGNAL(delTerminal(int)));

    KyMic mic02 = m02->m02List().back();
    server.setStatus("RemoveDevice", 403);
    QCOMPARE(m02->removeM02(mic02), 1);
    QVERIFY(m02->getM02(mic02.id, &mic02));
    server.setNoAnswer("RemoveDevice", 1);
    KyMic mic04 = m04->m04List().back();
    QCOMPARE(m04->removeM04(mic04), 3);
    QVERIFY(m04->getM04(mic04.id, mic04));
    std::list<KyTts> ttsList;
    tts->copyList(ttsList);
    KyTts tts1 = ttsList.back();
    server.setStatus("RemoveDevice", 404);
    QCOMPARE(tts->deleteTts(tts1), 1);
    QVERIFY(tts->getTts(tts1.id, tts1));
    // The other kinds keep a refused terminal too.
    KyMic mic11 = kyLockedFront(lists.m11);
    KyM12 m12rec = kyLockedFront(lists.m12);
    KyTerminal term = kyLockedFront(lists.play);
    KyFAlarm alarm = kyLockedFront(lists.alarms);
    KyCap cap = kyLockedFront(caps);
    server.setStatus("RemoveDevice", 403, 5);
    QCOMPARE(lists.m11->removeMic(mic11), 1);
    QCOMPARE(lists.m12->removeM12(m12rec), 1);
    QCOMPARE(lists.play->deleteTerminal(term), 1);
    QCOMPARE(lists.alarms->removeFAlarm(alarm), 1);
    QCOMPARE(caps->removeCap(s.center(), cap), 1);
    QVERIFY(lists.m11->getMic(mic11.id, mic11) && lists.m12->getM12(m12rec.id, m12rec));
    QVERIFY(lists.play->getTerminal(term.id, term) && lists.alarms->getFAlarm(alarm.id, alarm));
    QVERIFY(caps->getCap(cap.id, cap));
    QTest::qWait(50);
    QCOMPARE(m02Deleted.count() + m04Deleted.count() + ttsDeleted.count() + capDeleted.count(), 0);

    // Busy x3 then done: four sends, removed, one signal (a capture removal
    // has no signal of its own; the server's notice to others gives one).
    server.setPushTarget(KyTestServer::PushNone);
    server.clearReceived();
    server.setBusy("RemoveDevice", 3);
    QCOMPARE(m02->removeM02(mic02), 0);
    QCOMPARE(server.received("RemoveDevice").size(), size_t(4));
    QVERIFY(!m02->getM02(mic02.id, mic02));
    QCOMPARE(m04->removeM04(mic04), 0);
    QCOMPARE(tts->deleteTts(tts1), 0);
    QCOMPARE(caps->removeCap(s.center(), cap), 0);
    QVERIFY(!caps->getCap(cap.id, cap));
    QCOMPARE(lists.m11->removeMic(mic11), 0);
    QVERIFY(!lists.m11->getMic(mic11.id, mic11));
    QCOMPARE(lists.alarms->removeFAlarm(alarm), 0);
    QVERIFY(!lists.alarms->getFAlarm(alarm.id, alarm));
    QTRY_COMPARE(m02Deleted.ids(), QVector<int>{mic02.id});
    QTRY_COMPARE(m04Deleted.ids(), QVector<int>{mic04.id});
    QTRY_COMPARE(ttsDeleted.ids(), QVector<int>{tts1.id});
    QCOMPARE(capDeleted.count(), 0);
    // The type text travels with a capture removal, not with a mic11 one.
    QStringList types;
    for (const auto& r : server.received("RemoveDevice")) {
        Json::Value body;
        QVERIFY(r.json(body));
        if (body["Id"].asString() == std::to_string(cap.id) || body["Id"].asString() == std::to_string(mic11.id))
            types << QString::fromStdString(body.get("Type", "-").asString());
    }
    QCOMPARE(types, (QStringList{QString::fromStdString(cap.type), "-"}));
}

void TestTermResults::booksAndTriggersRetryBusy()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    const std::vector<std::pair<const char*, std::function<int()>>> ops = {
        {"M11MonitorBook",
         [] { return KyMicListMgr::instance()->saveMicBooks({273, 4001, "Mic02_1002 IpAmp_3001"}); }},
        {"M12CallBook", [] { return KyM12ListMgr::instance()->saveBooks({284, 8001, "Mic02_1002 M12_8002"}); }},
        {"SetFRTrigger", [] { return KyFAlarmListMgr::instance()->saveTrigger({7001, "一号通道", 1, 3, 1, 0}); }},
        {"M02ButtonCall", [] {
             KyMicBtnCall c;
             c.terminalId = 1002;
             c.startCall = "ButtonPopUp";
             return KyM02ListMgr::instance()->saveButtonCalls({c, c});
         }},
        {"M04ButtonCall", [] {
             KyMicBtnCall c;
             c.terminalId = 2001;
             return KyM04ListMgr::instance()->saveButtonCalls(c);
         }},
    };
    for (const auto& op : ops) {
        server.clearReceived();
        server.setBusy(op.first, 3);
        QVERIFY2(op.second() == 0, op.first);
        QVERIFY2(server.received(op.first).size() == 4, op.first);
        server.setStatus(op.first, 403);
        QVERIFY2(op.second() == 1, op.first);
    }

    // A server that stays busy: the save gives up with 2 after the bound,
    // the cache keeps its record and nothing is signalled.
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    QCOMPARE(m02->init(), 0);
    const KyMic before = m02->m02List().front();
    KySignalLog changed(m02, SIGNAL(m02Changed(int)));
    KY_BUSY_RETRY_LIMIT_MS = 400;
    server.setBusy("ModTalkTerminal", 1000);
    KyMic mic = before;
    mic.name = "忙";
    QElapsedTimer clock;
    clock.start();
    const int rc = m02->saveM02(mic);
    const qint64 took = clock.elapsed();
    server.setBusy("ModTalkTerminal", 0);
    KY_BUSY_RETRY_LIMIT_MS = 30000;
    QCOMPARE(rc, 2);
    QVERIFY(took >= 400 && took < 2500);
    QVERIFY(m02->getM02(before.id, mic));
    QCOMPARE(mic.name, before.name);
    QTest::qWait(50);
    QCOMPARE(changed.count(), 0);
}

void TestTermResults::missingAnswerTimesOut()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyCapList* caps = KyCapList::instance();
    QCOMPARE(caps->init(), 0);
    KyCap cap = caps->lockList()->front();
    caps->unlockList();
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(100);
    s.server().setNoAnswer("CapM03Set", 1);
    QElapsedTimer clock;
    clock.start();
    KyCap changed = cap;
    changed.capVol = cap.capVol == 5 ? 6 : 5;
    QCOMPARE(caps->saveCap(s.center(), changed), 3);
    QVERIFY(clock.elapsed() > 2000 && clock.elapsed() < 3600);
    QVERIFY(ticks >= 10);  // the UI thread kept running during the wait
    KyCap now;
    QVERIFY(caps->getCap(cap.id, now));
    QCOMPARE(now.capVol, cap.capVol);
}

QTEST_MAIN(TestTermResults)
#include "test_term_results.moc"
