// The hub: manager order and registration, dispatch of replies and pushes,
// the server time.
#include <QtTest>

#include <QElapsedTimer>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyProbeMgr.h"
#include "KyResult.h"
#include "KyTestSession.h"

namespace {

KyDbpMessage message(bool reply, int status, const std::string& type, const std::string& sub, const std::string& body)
{
    KyDbpMessage m;
    m.isReply = reply;
    m.statusCode = status;
    m.packetType = type;
    m.packetSubtype = sub;
    m.body = body;
    return m;
}

} // namespace

class TestHub : public QObject {
    Q_OBJECT
private slots:
    void registrationAndDispatch();
    void systemTime();
};

void TestHub::registrationAndDispatch()
{
    KyManageCenter center;
    QCOMPARE(KyManageCenter::instance(), &center);
    KyProbeMgr a("A", "SqlConfig_");
    KyProbeMgr b("B", "SqlConfig_mic");
    center.registerManager(&b);
    center.registerManager(&a);
    center.registerManager(&b);
    center.registerManager(nullptr);
    QCOMPARE(center.managerByName("A"), &a);
    QCOMPARE(center.managerForRequestType(KyProbeMgr::RT_PARAMS), &b);   // first in order owns it
    QCOMPARE(center.managerForRequestType(42), static_cast<KyBaseMgr*>(nullptr));

    // Pushes go to the first manager in order that takes them, exactly once.
    center.dispatch(message(false, 0, "SqlConfig", "mic02", "<Result/>"), 0);
    center.dispatch(message(false, 0, "SqlConfig", "ipamp", "<Result/>"), 0);
    center.dispatch(message(false, 0, "Unknown", "x", ""), 0);
    QCOMPARE(b.pushes(), std::vector<std::string>{"SqlConfig_mic02"});
    QCOMPARE(a.pushes(), std::vector<std::string>{"SqlConfig_ipamp"});

    // Replies by request type: 200 to onReply, anything else to onFailedRequest.
    center.dispatch(message(true, 200, "SqlConfig", "", "ok"), KyProbeMgr::RT_OTHER);
    center.dispatch(message(true, 503, "SqlConfig", "", ""), KyProbeMgr::RT_OTHER);
    center.dispatch(message(true, 409, "SqlConfig", "", "{}"), KyProbeMgr::RT_OTHER);
    center.dispatch(message(true, 200, "SqlConfig", "", ""), 777);   // no owner: dropped
    QCOMPARE(int(b.replies().size()), 1);
    QCOMPARE(b.replies()[0].requestType, int(KyProbeMgr::RT_OTHER));
    QCOMPARE(int(b.failed().size()), 2);
    QCOMPARE(b.failed()[0].code, int(KY_BUSY));
    QCOMPARE(b.failed()[1].code, int(KY_REFUSED));
    QVERIFY(a.replies().empty() && a.failed().empty());

    center.unregisterManager(&b);
    QCOMPARE(center.managerForRequestType(KyProbeMgr::RT_PARAMS), &a);
    center.dispatch(message(false, 0, "SqlConfig", "mic02", ""), 0);
    QCOMPARE(int(a.pushes().size()), 2);
}

void TestHub::systemTime()
{
    KyManageCenter center;
    QVERIFY(center.systemTime().empty());
    QCOMPARE(center.systemTimeSeconds(), -1LL);
    const int rt = KyManageCenter::RT_SYSTEM_TIME;
    center.dispatch(message(true, 200, "GetSystemTime", "", "{\"SystemTime\":\"1700000000\"}\n"), rt);
    QCOMPARE(center.systemTime(), std::string("1700000000"));
    QCOMPARE(center.systemTimeSeconds(), 1700000000LL);
    center.dispatch(message(true, 200, "GetSystemTime", "", "{\"SystemTime\":1700000001}\n"), rt);
    QCOMPARE(center.systemTimeSeconds(), 1700000001LL);
    // Failures and unparsable bodies leave the last value.
    center.dispatch(message(true, 503, "GetSystemTime", "", "{\"SystemTime\":\"5\"}"), rt);
    center.dispatch(message(true, 200, "GetSystemTime", "", "<Result/>"), rt);
    QCOMPARE(center.systemTime(), std::string("1700000001"));
    // An empty value reads "----" and counts as not received; so does text.
    center.dispatch(message(true, 200, "GetSystemTime", "", "{\"SystemTime\":\"\"}\n"), rt);
    QCOMPARE(center.systemTime(), std::string("----"));
    QCOMPARE(center.systemTimeSeconds(), -1LL);
    center.dispatch(message(true, 200, "GetSystemTime", "", "{}\n"), rt);
    QCOMPARE(center.systemTime(), std::string("----"));
    center.dispatch(message(true, 200, "GetSystemTime", "", "{\"SystemTime\":\"abc\"}\n"), rt);
    QCOMPARE(center.systemTimeSeconds(), -1LL);

    // End to end: mcRequestSystemTime returns at once, the reply fills the text later.
    KyTestSession s;
    s.server().setDelay("GetSystemTime", 500);
    QElapsedTimer t;
    t.start();
    QCOMPARE(mcRequestSystemTime(s.center()), 0);
    QVERIFY(t.elapsed() < 100);
    QVERIFY(s.center()->systemTime().empty());
    QTRY_VERIFY_WITH_TIMEOUT(!s.center()->systemTime().empty(), 3000);
    const long long now = QDateTime::currentSecsSinceEpoch();
    QVERIFY(qAbs(s.center()->systemTimeSeconds() - now) < 5);
    s.server().setDelay("GetSystemTime", 0);
    s.server().setStatus("GetSystemTime", 200, 1, "{\"SystemTime\":\"\"}\n");
    QCOMPARE(mcRequestSystemTime(s.center()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(s.center()->systemTime(), std::string("----"), 3000);
}

QTEST_MAIN(TestHub)
#include "test_hub.moc"
