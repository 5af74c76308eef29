// Scheme store: per-kind lists and notifications, the store updated before
// it notifies, results, copy-back of this request's own reply.

#include <mutex>

#include <QtTest>

#include "KyDbpRows.h"
#include "KyManageContext.h"
#include "KyOrgTestSupport.h"
#include "KyQtViewCtrl.h"
#include "KySchemeDataMgr.h"

namespace {
// What a view notification saw of the store at the moment it was emitted.
struct Seen {
    int kind;
    std::string what;
    int id;
    bool inStore;     // addTerminal/updateTerminal/delTerminal: id cached
    std::string name; // name cached then
    int listSize;     // haveTerminals: list size (-1 without list)
};
}

class TestOrgSchemes : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KySchemeDataMgr* store = nullptr;
    std::mutex seenMutex;
    std::vector<Seen> seen;

    // Connected directly, so the check runs where the store emits.
    void watchKind(int kind)
    {
        KyQtViewSignal* sig = store->viewCtrl(kind)->viewSignal();
        auto note = [this, kind](const char* what, int id) {
            Seen s{kind, what, id, false, std::string(), -1};
            KyScheme found;
            s.inStore = store->findScheme(id, kind, &found);
            s.name = found.name;
            std::lock_guard<std::mutex> lock(seenMutex);
            seen.push_back(s);
        };
        connect(sig, &KyQtViewSignal::addTerminal, sig, [note](int id) { note("add", id); }, Qt::DirectConnection);
        connect(sig, &KyQtViewSignal::updateTerminal, sig, [note](int id) { note("update", id); }, Qt::DirectConnection);
        connect(sig, &KyQtViewSignal::delTerminal, sig, [note](int id) { note("del", id); }, Qt::DirectConnection);
        connect(sig, &KyQtViewSignal::haveTerminals, sig, [this, kind]() {
            std::list<KyScheme>* list = store->lockSchemes(kind);
            Seen s{kind, "have", 0, false, std::string(), list ? int(list->size()) : -1};
            if (list)
                store->unlock();
            std::lock_guard<std::mutex> lock(seenMutex);
            seen.push_back(s);
        }, Qt::DirectConnection);
    }

    std::vector<Seen> takeSeen()
    {
        std::lock_guard<std::mutex> lock(seenMutex);
        std::vector<Seen> out;
        out.swap(seen);
        return out;
    }

    int seenCount()
    {
        std::lock_guard<std::mutex> lock(seenMutex);
        return int(seen.size());
    }

    int listSize(int kind)
    {
        std::list<KyScheme>* list = store->lockSchemes(kind);
        if (!list)
            return -1;
        const int n = int(list->size());
        store->unlock();
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(env.start());
        store = KySchemeDataMgr::instance();
        QVERIFY(KyManageContext::instance() && KyManageContext::instance()->schemeStore() == store);
        for (int kind = 0; kind < 4; ++kind)
            watchKind(kind);
    }

    void init()
    {
        env.server().setPushTarget(KyTestServer::PushOthers);
        KyOrgSignalLog::settle(50);
        takeSeen();
    }

    // No list yet: the lock call requests it and holds nothing; the reply
    // fills the kind's list before haveTerminals, on that kind only.
    void listsPerKind()
    {
        QVERIFY(store->lockSchemes(0) == nullptr);
        QCOMPARE(env.lastBody("SqlConfig", "TimerPlanList")["Sql"].asString(),
                 std::string("select * from timerplan where kind = 0"));
        QTRY_COMPARE(seenCount(), 1);
        auto events = takeSeen();
        QCOMPARE(events[0].what, std::string("have"));
        QCOMPARE(events[0].kind, 0);
        QCOMPARE(events[0].listSize, int(env.server().rows("timerplan").size()));
        QCOMPARE(listSize(0), events[0].listSize);
        // The mutex is recursive and released once per lock.
        QVERIFY(store->lockSchemes(0) != nullptr);
        QVERIFY(store->lockSchemes(0) != nullptr);
        store->unlock();
        store->unlock();

        QVERIFY(store->lockSchemes(2) == nullptr);
        QCOMPARE(env.lastBody("SqlConfig", "TimerPlanList")["Sql"].asString(),
                 std::string("select * from timerplan where kind = 2"));
        QTRY_COMPARE(seenCount(), 1);
        events = takeSeen();
        QCOMPARE(events[0].kind, 2);
        QCOMPARE(events[0].listSize, 0);
        QCOMPARE(listSize(2), 0);

        QVERIFY(store->lockSchemes(4) == nullptr);
        QVERIFY(store->lockSchemes(-1) == nullptr);
        QVERIFY(store->viewCtrl(4) == nullptr);
        QVERIFY(!store->findScheme(1, 7, nullptr));
        KyScheme s;
        QVERIFY(store->findScheme(1, 0, &s));
        QCOMPARE(s.name, env.server().rows("timerplan").front().text("name"));
    }

    // Add, modify, enable and delete: bodies, results, the record gets the
    // reported scheme, notifications after the store changed.
    void changesAndNotifications()
    {
        KyScheme rec;
        rec.id = -1;
        rec.name = "考试周方案";
        rec.comment = "期末考试期间";
        rec.enable = 0;
        QCOMPARE(store->addScheme(rec, 0), 0);
        KY_COMPARE_JSON(env.lastBody("TimerPlan"),
                        kyJsonOf({{"Action", "Add"}, {"Id", "-1"}, {"Name", "考试周方案"}, {"Comment", "期末考试期间"},
                                  {"Enable", "1"}, {"Kind", "0"}}));
        QVERIFY(rec.id > 1);
        QCOMPARE(rec.enable, 1);
        QTRY_COMPARE(seenCount(), 1);
        auto events = takeSeen();
        QCOMPARE(events[0].what, std::string("add"));
        QCOMPARE(events[0].id, rec.id);
        QVERIFY(events[0].inStore);

        rec.name = "考试周方案B";
        QCOMPARE(store->modifyScheme(rec, 0), 0);
        KY_COMPARE_JSON(env.lastBody("TimerPlan"),
                        kyJsonOf({{"Action", "Mod"}, {"Id", std::to_string(rec.id)}, {"Name", "考试周方案B"},
                                  {"Comment", "期末考试期间"}, {"Enable", "1"}, {"Kind", "0"}}));
        QTRY_COMPARE(seenCount(), 1);
        events = takeSeen();
        QCOMPARE(events[0].what, std::string("update"));
        QCOMPARE(events[0].name, std::string("考试周方案B"));

        // A refused enable leaves the caller's record and the cache as they were.
        env.server().setStatus("TimerPlan", 403);
        QCOMPARE(store->enableScheme(rec, 0), 1);
        QCOMPARE(rec.enable, 1);
        KyScheme cached;
        QVERIFY(store->findScheme(rec.id, 0, &cached));
        QCOMPARE(cached.enable, 1);
        env.server().setNoAnswer("TimerPlan", 1);
        QCOMPARE(store->enableScheme(rec, 0), 3);
        QCOMPARE(rec.enable, 1);
        KyOrgSignalLog::settle();
        QCOMPARE(seenCount(), 0);
        QCOMPARE(store->enableScheme(rec, 0), 0);
        QCOMPARE(env.lastBody("TimerPlan")["Enable"].asString(), std::string("0"));
        QCOMPARE(rec.enable, 0);
        QTRY_COMPARE(seenCount(), 1);
        QVERIFY(store->findScheme(rec.id, 0, &cached));
        QCOMPARE(cached.enable, 0);
        takeSeen();

        // The default scheme still has tasks: refused, nothing removed.
        QCOMPARE(store->deleteScheme(1, 0), 1);
        KyOrgSignalLog::settle();
        QCOMPARE(seenCount(), 0);
        QVERIFY(store->findScheme(1, 0, nullptr));

        const int id = rec.id;
        QCOMPARE(store->deleteScheme(id, 0), 0);
        KY_COMPARE_JSON(env.lastBody("TimerPlan"), kyJsonOf({{"Action", "Del"}, {"Id", std::to_string(id)}, {"Kind", "0"}}));
        QTRY_COMPARE(seenCount(), 1);
        events = takeSeen();
        QCOMPARE(events[0].what, std::string("del"));
        QVERIFY(!events[0].inStore);
        // The page's own removal after 0 finds nothing left and stays quiet.
        QCOMPARE(store->onSchemeDeleted(id, 0), 0);
        KyOrgSignalLog::settle();
        QCOMPARE(seenCount(), 0);
    }

    // Scheme changes are sent once: busy comes back as 2 and changes nothing.
    void busySchemeChanges()
    {
        KyScheme rec;
        rec.name = "忙时方案";
        const int before = env.sent("TimerPlan");
        env.server().setBusy("TimerPlan", 1);
        QCOMPARE(store->addScheme(rec, 0), 2);
        QCOMPARE(rec.id, 0);
        KyScheme plan;
        QVERIFY(store->findScheme(1, 0, &plan));
        env.server().setBusy("TimerPlan", 1);
        QCOMPARE(store->enableScheme(plan, 0), 2);
        QCOMPARE(env.sent("TimerPlan") - before, 2);
        KyScheme cached;
        QVERIFY(store->findScheme(1, 0, &cached));
        QCOMPARE(cached.enable, plan.enable);
        env.server().setBusy("TimerPlan", 1);
        QCOMPARE(store->deleteScheme(1, 0), 2);
        QVERIFY(store->findScheme(1, 0, nullptr));
        KyOrgSignalLog::settle();
        QCOMPARE(seenCount(), 0);
    }

    // Another console's scheme pushed while this add waits does not end up
    // in the caller's record.
    void recordGetsOwnReply()
    {
        KyRow foreign;
        foreign.add("id", "777");
        foreign.add("name", "别处方案");
        foreign.add("comment", "");
        foreign.add("enable", "1");
        foreign.add("kind", "0");
        const std::string body = kyWriteRows({foreign});
        const std::string push = "POST DBP/1.0\r\nCSeq:1\r\nPacket-Type:SqlConfig\r\nPacket-Subtype:timerplan\r\n"
                                 "Content-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body;
        env.server().injectPushBeforeReply("TimerPlan", push);
        KyScheme rec;
        rec.name = "本机方案";
        QCOMPARE(store->addScheme(rec, 0), 0);
        QVERIFY(rec.id != 777);
        QCOMPARE(rec.name, std::string("本机方案"));
        QVERIFY(store->findScheme(777, 0, nullptr));
        QVERIFY(store->findScheme(rec.id, 0, nullptr));
        QCOMPARE(store->deleteScheme(rec.id, 0), 0);
    }

    // Pushes from the second console, into a kind's list made on demand.
    void pushesFromOtherConsole()
    {
        KySchemeManage other;
        KyScheme s;
        s.name = "音量方案";
        QCOMPARE(env.sendFromOther(&other, KySchemeManage::RT_ADD, KySchemeManage::addRequest(s, 3)), 0);
        QTRY_COMPARE(seenCount(), 1);
        auto events = takeSeen();
        QCOMPARE(events[0].kind, 3);
        QCOMPARE(events[0].what, std::string("add"));
        QVERIFY(events[0].inStore);
        const int id = events[0].id;

        s.id = id;
        s.name = "音量方案2";
        QCOMPARE(env.sendFromOther(&other, KySchemeManage::RT_MODIFY, KySchemeManage::modifyRequest(s, 3)), 0);
        QTRY_COMPARE(seenCount(), 1);
        events = takeSeen();
        QCOMPARE(events[0].what, std::string("update"));
        QCOMPARE(events[0].name, std::string("音量方案2"));

        QCOMPARE(env.sendFromOther(&other, KySchemeManage::RT_DELETE, KySchemeManage::deleteRequest(id, 3)), 0);
        QTRY_COMPARE(seenCount(), 1);
        events = takeSeen();
        QCOMPARE(events[0].kind, 3);
        QCOMPARE(events[0].what, std::string("del"));
        QVERIFY(!store->findScheme(id, 3, nullptr));
    }

    // A kind's list made by a push is not the server's list: the first lock
    // fetches the kind in full, and only then is the list handed out.
    void pushedListFetchedInFull()
    {
        KySchemeManage other;
        KyScheme s;
        s.name = "功放方案甲";
        env.server().setPushTarget(KyTestServer::PushNone);
        QCOMPARE(env.sendFromOther(&other, KySchemeManage::RT_ADD, KySchemeManage::addRequest(s, 1)), 0);
        env.server().setPushTarget(KyTestServer::PushOthers);
        s.name = "功放方案乙";
        QCOMPARE(env.sendFromOther(&other, KySchemeManage::RT_ADD, KySchemeManage::addRequest(s, 1)), 0);
        QTRY_COMPARE(seenCount(), 1);
        QCOMPARE(takeSeen()[0].what, std::string("add"));
        QVERIFY(!store->findScheme(12345, 1, nullptr));

        const int lists = int(env.server().received("SqlConfig").size());
        QVERIFY(store->lockSchemes(1) == nullptr);
        QCOMPARE(env.lastBody("SqlConfig", "TimerPlanList")["Sql"].asString(),
                 std::string("select * from timerplan where kind = 1"));
        QTRY_COMPARE(seenCount(), 1);
        auto events = takeSeen();
        QCOMPARE(events[0].what, std::string("have"));
        QCOMPARE(events[0].listSize, 2);
        QCOMPARE(listSize(1), 2);
        QCOMPARE(int(env.server().received("SqlConfig").size()), lists + 1);
    }

    // A list that comes after its request timed out fills the kind it was
    // asked for, though another kind was asked for (and answered) since.
    void lateListKeepsItsKind()
    {
        env.server().setDelay("SqlConfig", 4000);
        QCOMPARE(store->requestList(1), 3);
        env.server().setDelay("SqlConfig", 0);
        QCOMPARE(store->requestList(2), 0);
        QCOMPARE(takeSeen().size(), size_t(1));
        QTRY_COMPARE_WITH_TIMEOUT(seenCount(), 1, 3000);
        const auto events = takeSeen();
        QCOMPARE(events[0].kind, 1);
        QCOMPARE(events[0].listSize, 2);
        QCOMPARE(listSize(2), 0);
    }
};

QTEST_MAIN(TestOrgSchemes)
#include "test_org_schemes.moc"
