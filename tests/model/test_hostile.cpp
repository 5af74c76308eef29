// Hostile replies and pushes, and a server that closes the connection: the
// console drops what it cannot parse, goes on, and raises a loss at once. A
// list that comes late still fills its store.
#include <QtTest>

#include <QElapsedTimer>
#include <QSignalSpy>

#include "KyDbpRows.h"
#include "KyFacade.h"
#include "KyJson.h"
#include "KyLevelList.h"
#include "KyM02ListMgr.h"
#include "KyManageCenter.h"
#include "KyNetLosssHandle.h"
#include "KyNetManage.h"
#include "KyResult.h"
#include "KySignalLog.h"
#include "KyTestBadHeaders.h"
#include "KyTestSession.h"

namespace {

std::string repeat(const std::string& s, int n)
{
    std::string out;
    out.reserve(s.size() * n);
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

// The bodies that took the console down: deep JSON (library exception) and
// deep XML (recursive parser).
std::vector<std::string> deepJsonBodies()
{
    return {"{\"a\":" + repeat("[", 999), repeat("[", 10000), "{\"Id\":" + repeat("{\"a\":", 5000) + "1"};
}

std::vector<std::string> deepXmlBodies()
{
    return {"<Result>" + repeat("<Row>", 100000), "<Result><Row>" + repeat("<Field Name=\"x\">", 10000) + "</Row></Result>"};
}

std::string mic02Row(int id, const char* name)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("name", name);
    return kyWriteRows({r});
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void parsersRefuseDeepNesting();
    void deepRepliesAndPushesDropped();
    void closedConnectionLostAtOnce();
    void largeListAndOversizedBody();
    void lateListFillsStore();
    void badHeaderCostsNotTheNextPush();
};

// The parsers refuse deep bodies without throwing and keep reading what
// row sets and bodies really look like.
void TestHostile::parsersRefuseDeepNesting()
{
    Json::Value obj;
    for (const std::string& body : deepJsonBodies())
        QVERIFY(!kyJsonParse(body, obj));
    std::string nested = "{\"a\":" + repeat("[", kyJsonMaxDepth - 2) + repeat("]", kyJsonMaxDepth - 2) + "}";
    QVERIFY(kyJsonParse(nested, obj));
    QVERIFY(kyJsonParse("{\"FileList\":[{\"FileName\":\"/a/b.mp3\",\"Size\":\"12\"}]}", obj));

    std::vector<KyRow> rows;
    for (const std::string& body : deepXmlBodies())
        QVERIFY(!kyParseRows(body, rows));
    // Nesting hidden where the scan might skip it is still counted.
    QVERIFY(!kyParseRows("<Result>" + repeat("<a b=\"/>\">", 40), rows));
    QVERIFY(!kyParseRows("<Result>" + repeat("<a>/>", 40), rows));
    QVERIFY(!kyParseRows("<Result><!-- </a></a> -->" + repeat("<a>", 40), rows));
    QVERIFY(!kyParseRows("<?xml version=\"1.0\"?><!DOCTYPE x><Result/>", rows));

    // Ordinary row sets: declaration, self-closed fields, quotes and '>' in values.
    KyRow r;
    r.add("name", "a>b \"q\" </x>");
    r.add("empty", "");
    const std::string written = kyWriteRows({r, r});
    QVERIFY(kyParseRows(written, rows));
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[1].text("name"), r.text("name"));
    QVERIFY(kyParseRows("\xEF\xBB\xBF  <Result><Row><Field Name='n' x=\"/>\">v</Field></Row></Result>", rows));
    QCOMPARE(rows.at(0).text("n"), std::string("v"));
    QVERIFY(kyParseRows("<Result>" + repeat("<Row/>", 1000) + "</Result>", rows));
    QCOMPARE(rows.size(), size_t(1000));
}

// Sent as replies and as pushes: dropped, the receive thread goes on, the
// next request is answered and the lists keep what they had.
void TestHostile::deepRepliesAndPushesDropped()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyLevelList* levels = KyLevelList::instance();
    QCOMPARE(levels->init(s.center()), 0);
    KyLevel advanced;
    QCOMPARE(levels->getAdvancedLevel(advanced), 0);

    for (const std::string& body : deepJsonBodies()) {
        s.server().setStatus("GetSystemTime", 200, 1, body);
        QCOMPARE(mcRequestSystemTime(s.center()), 0);
        QVERIFY(s.server().waitForReceived("GetSystemTime", 1, 2000));
        s.server().clearReceived();
        s.server().pushToAll("DELETE", "Mic02", body);
    }
    for (const std::string& body : deepXmlBodies()) {
        s.server().setStatus("LevelList", 200, 1, body);
        QCOMPARE(levels->init(s.center()), 0);
        KyLevel still;
        QCOMPARE(levels->getAdvancedLevel(still), 0);
        QCOMPARE(still.level, advanced.level);
        s.server().pushToAll("SqlConfig", "mic02", body);
    }
    QVERIFY(s.loggedIn());

    // Pushes behind the hostile ones still arrive, in order, and requests are answered.
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    QTRY_VERIFY(!m02->m02List().empty());
    const std::list<KyMic> before = m02->m02List();
    const int id = before.front().id;
    s.server().pushToAll("SqlConfig", "mic02", mic02Row(id, "仍在运行"));
    QTRY_COMPARE(QString::fromStdString([&] { KyMic m; m02->getM02(id, m); return m.name; }()), QString("仍在运行"));
    QCOMPARE(m02->m02List().size(), before.size());
    QCOMPARE(mcRequestSystemTime(s.center()), 0);
    QTRY_VERIFY(s.center()->systemTimeSeconds() > 0);
    QCOMPARE(levels->init(s.center()), 0);
}

// A server that closes the connection is a loss at once, idle or during a
// request's wait (which ends with 4); raised once, in this thread.
void TestHostile::closedConnectionLostAtOnce()
{
    KyTestSession s;
    QSignalSpy lost(KyNetLosssHandle::instance(), &KyNetLosssHandle::connectionLost);
    Qt::HANDLE raisedIn = nullptr;
    QObject ctx;
    connect(KyNetLosssHandle::instance(), &KyNetLosssHandle::connectionLost, &ctx,
            [&] { raisedIn = QThread::currentThreadId(); });

    QElapsedTimer t;
    t.start();
    s.server().closeAllConnections();
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 1000);
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(raisedIn, QThread::currentThreadId());
    KyCommandRequest again("GET", "GetSystemTime");
    QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, again), int(KY_NOT_CONNECTED));
    mcSleepProcessingEvents(500);
    QCOMPARE(lost.count(), 1);

    // Logged in again: closed while a request waits.
    QCOMPARE(s.login(), 0);
    s.server().setDelay("GetSystemTime", 3000);
    QTimer::singleShot(300, [&] { s.server().closeAllConnections(); });
    t.restart();
    KyCommandRequest req("GET", "GetSystemTime");
    QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, req), int(KY_NOT_CONNECTED));
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 2, 1000);
    mcSleepProcessingEvents(500);
    QCOMPARE(lost.count(), 2);

    // A logout is no loss, and neither is a close during the login.
    s.server().setDelay("GetSystemTime", 0);
    QCOMPARE(s.login(), 0);
    s.center()->logout();
    mcSleepProcessingEvents(400);
    QCOMPARE(lost.count(), 2);
    s.server().setNoAnswer("Login", 1);
    QTimer::singleShot(300, [&] { s.server().closeAllConnections(); });
    QCOMPARE(s.login(), int(KY_NOT_CONNECTED));
    mcSleepProcessingEvents(400);
    QCOMPARE(lost.count(), 2);
}

// A list of 100,000 full terminal rows (far over the old 16 MiB bound) arrives
// whole; a reply body over the bound is read past and dropped, and the same
// connection answers the request with its real reply.
void TestHostile::largeListAndOversizedBody()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    const std::vector<KyRow> demo = s.server().rows("mic02");
    QVERIFY(!demo.empty());
    std::vector<KyRow> rows(100000, demo.front());
    for (size_t i = 0; i < rows.size(); ++i) {
        for (auto& f : rows[i].fields) {
            if (f.first == "terminalId")
                f.second = std::to_string(100000 + i);
        }
    }
    QVERIFY(kyWriteRows(rows).size() > 3 * (16u << 20));
    s.server().setRows("mic02", rows);
    QCOMPARE(m02->init(), 0);
    QCOMPARE(m02->m02List().size(), rows.size());
    KyMic last;
    QVERIFY(m02->getM02(199999, last));
    QCOMPARE(QString::fromStdString(last.name), QString::fromStdString(demo.front().text("name")));
    s.server().setRows("mic02", demo);

    s.server().sendOversizedBefore("GetSystemTime");
    KyCommandRequest req("GET", "GetSystemTime");
    QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, req), 0);
    QVERIFY(s.loggedIn());
    QCOMPARE(s.server().connectionCount(), 1);
    QCOMPARE(m02->init(), 0);
    QCOMPARE(m02->m02List().size(), demo.size());
}

// A server that answers the list 5 s late: the request times out, then the
// list replaces the store's and its list signal goes out as for any list.
void TestHostile::lateListFillsStore()
{
    KyTestSession s;
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    std::vector<KyRow> rows = s.server().rows("mic02");
    rows.pop_back();
    s.server().setRows("mic02", rows);
    KySignalLog lists(m02, SIGNAL(gotM02List()));
    s.server().setDelay("SqlConfig", 5000);
    QCOMPARE(m02->init(), int(KY_TIMEOUT));
    QCOMPARE(lists.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(lists.count(), 1, 4000);
    QCOMPARE(m02->m02List().size(), rows.size());
}

// Bytes that start no readable header are skipped up to the next message:
// the push behind them is applied and the request's own reply still arrives.
void TestHostile::badHeaderCostsNotTheNextPush()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    QCOMPARE(m02->init(), 0);
    QVERIFY(!m02->m02List().empty());
    const int id = m02->m02List().front().id;
    KySignalLog changed(m02, SIGNAL(m02Changed(int)));
    const std::vector<std::string> bad = kyBadHeaders();
    for (size_t i = 0; i < bad.size(); ++i) {
        const std::string name = "推送" + std::to_string(i);
        const KyCommandRequest push("POST", "SqlConfig", "mic02", mic02Row(id, name.c_str()));
        s.server().injectPushBeforeReply("GetSystemTime", bad[i] + push.toString());
        KyCommandRequest req("GET", "GetSystemTime");
        QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, req), 0);
        QTRY_COMPARE(changed.count(), int(i) + 1);
        QCOMPARE(changed.ids().last(), id);
        KyMic m;
        QVERIFY(m02->getM02(id, m));
        QCOMPARE(QString::fromStdString(m.name), QString::fromStdString(name));
    }
}

QTEST_MAIN(TestHostile)
#include "test_hostile.moc"
