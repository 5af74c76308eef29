// The request wait end to end: result codes, events during the wait, the
// reply stored before the caller is released, nested requests, replies that
// trickle or progress, the loss.
#include <QtTest>

#include <QElapsedTimer>
#include <QTimer>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyNetManage.h"
#include "KyProbeMgr.h"
#include "KyResult.h"
#include "KyTestSession.h"

namespace {

KyCommandRequest paramsQuery()
{
    return KyCommandRequest::sqlQuery("SystemParameter", "select * from parameter");
}

KyCommandRequest timeQuery()
{
    return KyCommandRequest("GET", "GetSystemTime");
}

} // namespace

class TestNetWait : public QObject {
    Q_OBJECT
private slots:
    void busyRefusedAndDone();
    void timeOutWhileUiTimerFires();
    void notConnectedAnswersAtOnce();
    void replyStoredBeforeRelease();
    void nestedRequestFromSlotEnds();
    void boundedWait();
};

void TestNetWait::busyRefusedAndDone()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    s.center()->registerManager(&probe);   // idempotent: one reply per request below

    // 503 three times, then 200: four sends, result 0, one reply handed over.
    s.server().clearReceived();
    s.server().setBusy("SqlConfig", 3);
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequestRetry(s.center(), KyProbeMgr::RT_PARAMS, req, 10), 0);
    QCOMPARE(int(s.server().received("SqlConfig").size()), 4);
    QCOMPARE(int(probe.replies().size()), 1);
    QCOMPARE(int(probe.failed().size()), 3);
    QCOMPARE(probe.failed()[0].code, int(KY_BUSY));

    // Without the retry a busy answer is returned as 2.
    s.server().setBusy("SqlConfig", 1);
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_BUSY));

    // A server that stays busy: the retry gives up after the limit with 2.
    const int oldLimit = KY_BUSY_RETRY_LIMIT_MS;
    KY_BUSY_RETRY_LIMIT_MS = 400;
    s.server().setBusy("SqlConfig", 1000000);
    QElapsedTimer t;
    t.start();
    req = paramsQuery();
    QCOMPARE(mcSendRequestRetry(s.center(), KyProbeMgr::RT_PARAMS, req, 50), int(KY_BUSY));
    QVERIFY(t.elapsed() >= 400 && t.elapsed() < 2000);
    KY_BUSY_RETRY_LIMIT_MS = oldLimit;
    s.server().setBusy("SqlConfig", 0);

    // Refused: 1, the failure (with its body) goes to onFailedRequest, not onReply.
    probe.clear();
    s.server().setStatus("SqlConfig", 403, 1, "{\"Result\":\"refused\"}\n");
    KyDbpMessage reply;
    req = paramsQuery();
    QCOMPARE(mcSendRequestRetry(s.center(), KyProbeMgr::RT_PARAMS, req, 10, &reply), int(KY_REFUSED));
    QCOMPARE(reply.statusCode, 403);
    QVERIFY(probe.replies().empty());
    QCOMPARE(int(probe.failed().size()), 1);
    QCOMPARE(probe.failed()[0].msg.body, std::string("{\"Result\":\"refused\"}\n"));

    // Done: the caller gets a copy of its own reply.
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
    QCOMPARE(reply.packetType, std::string("SqlConfig"));
    QCOMPARE(reply.cseq, req.cseq());
    QVERIFY(reply.body.find("<Result") != std::string::npos);

    // No hub, or no manager for the request type: -1 without sending.
    s.server().clearReceived();
    QCOMPARE(mcSendRequest(nullptr, KyProbeMgr::RT_PARAMS, req), int(KY_NO_OBJECT));
    QCOMPARE(mcSendRequestRetry(nullptr, KyProbeMgr::RT_PARAMS, req, 10), int(KY_NO_OBJECT));
    QCOMPARE(mcRequestSystemTime(nullptr), int(KY_NO_OBJECT));
    QCOMPARE(mcSendRequest(s.center(), 999, req), int(KY_NO_OBJECT));
    QVERIFY(s.server().received("SqlConfig").empty());
    s.center()->unregisterManager(&probe);
}

void TestNetWait::timeOutWhileUiTimerFires()
{
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    s.server().setNoAnswer("SqlConfig", 1);

    int ticks = 0;
    QTimer uiTimer;
    connect(&uiTimer, &QTimer::timeout, [&] { ++ticks; });
    uiTimer.start(20);
    QElapsedTimer t;
    t.start();
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_TIMEOUT));
    const qint64 elapsed = t.elapsed();
    uiTimer.stop();
    QVERIFY2(elapsed > 2000 && elapsed <= 3500, qPrintable(QString::number(elapsed)));
    QVERIFY2(ticks >= 50, qPrintable(QString::number(ticks)));   // the timer kept firing
    QVERIFY(probe.replies().empty());

    // The next request is served normally.
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);
    s.center()->unregisterManager(&probe);
}

void TestNetWait::notConnectedAnswersAtOnce()
{
    KyTestSession s(false);
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    QElapsedTimer t;
    t.start();
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_NOT_CONNECTED));
    QCOMPARE(mcSendRequestRetry(s.center(), KyProbeMgr::RT_PARAMS, req, 10), int(KY_NOT_CONNECTED));
    QCOMPARE(mcRequestSystemTime(s.center()), int(KY_NOT_CONNECTED));
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));   // far below the 2 s wait

    // The server closes the connection: requests answer 4 at once.
    QCOMPARE(s.login(), 0);
    s.server().closeAllConnections();
    QTRY_VERIFY_WITH_TIMEOUT(!s.center()->net()->isConnected(), 2000);
    QVERIFY(!s.loggedIn());
    t.restart();
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_NOT_CONNECTED));
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));   // far below the 2 s wait

    // A request that is waiting when the connection closes ends with 4, not a time-out.
    QCOMPARE(s.login(), 0);
    s.server().setDelay("SqlConfig", 2500);
    QTimer::singleShot(300, [&] { s.server().closeAllConnections(); });
    t.restart();
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_NOT_CONNECTED));
    QVERIFY(t.elapsed() < 1500);
    s.center()->unregisterManager(&probe);
}

void TestNetWait::replyStoredBeforeRelease()
{
    KyTestSession s;
    KyProbeMgr probe;
    probe.replyDelayMs = 300;
    s.center()->registerManager(&probe);
    for (int i = 0; i < 3; ++i) {
        KyCommandRequest req = paramsQuery();
        QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);
        const auto replies = probe.replies();
        QCOMPARE(int(replies.size()), i + 1);   // stored when the wait ended
        QCOMPARE(replies.back().msg.cseq, req.cseq());
    }
    s.center()->unregisterManager(&probe);
}

void TestNetWait::nestedRequestFromSlotEnds()
{
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    s.server().setNoAnswer("SqlConfig", 1);

    int innerResult = -100;
    qint64 innerElapsed = -1;
    QTimer::singleShot(100, [&] {
        QElapsedTimer t;
        t.start();
        KyCommandRequest inner = timeQuery();
        innerResult = mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, inner);
        innerElapsed = t.elapsed();
    });
    QElapsedTimer t;
    t.start();
    KyCommandRequest outer = paramsQuery();
    const int outerResult = mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, outer);
    QCOMPARE(outerResult, int(KY_TIMEOUT));
    QCOMPARE(innerResult, 0);
    // The inner request waited for the outer one's time-out at most, then was answered.
    QVERIFY2(innerElapsed > 1500 && innerElapsed < 3800, qPrintable(QString::number(innerElapsed)));
    QVERIFY(t.elapsed() < 4500);
    QVERIFY(!s.center()->systemTime().empty());
    s.center()->unregisterManager(&probe);
}

// Only a reply that makes real progress keeps its wait past the normal
// time-out; a raised loss ends the wait in progress and every later one.
void TestNetWait::boundedWait()
{
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);

    // Header at once, then a body byte every 1.5 s (whole at 3 s): timed out
    // within the normal wait. The next reply comes behind it: the caller gets
    // its own, and the late one (no list) is dropped.
    s.server().setStatus("SqlConfig", 200, 1, "ab");
    s.server().setTrickle("SqlConfig", 1, 1500);
    QElapsedTimer t;
    t.start();
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_TIMEOUT));
    QVERIFY2(t.elapsed() > 2000 && t.elapsed() <= 3500, qPrintable(QString::number(t.elapsed())));
    s.server().setTrickle("SqlConfig", 0, 0);
    KyDbpMessage reply;
    KyCommandRequest next = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, next, &reply), 0);
    QCOMPARE(reply.cseq, next.cseq());
    QCOMPARE(int(probe.replies().size()), 1);
    QCOMPARE(probe.replies()[0].msg.cseq, next.cseq());

    // 48 KiB every 0.9 s: whole after 3.6 s, kept waiting by its progress.
    const std::string body(4 * 48 * 1024, 'x');
    s.server().setStatus("SqlConfig", 200, 1, body);
    s.server().setTrickle("SqlConfig", 48 * 1024, 900);
    t.restart();
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
    QVERIFY2(t.elapsed() > 3000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(reply.body.size(), body.size());
    s.server().setTrickle("SqlConfig", 0, 0);

    // No reply for the loss time (shortened to 1.5 s) while a request waits:
    // it ends with 4 before its time-out, and so does the next one, at once.
    s.server().setNoAnswer("SqlConfig", 1);
    KyTestSession::shortenIntervals(KyNetManage::kDefaultKeepAliveMs, 1500);
    t.restart();
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_NOT_CONNECTED));
    QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    t.restart();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), int(KY_NOT_CONNECTED));
    QVERIFY2(t.elapsed() < 100, qPrintable(QString::number(t.elapsed())));
    s.center()->unregisterManager(&probe);
}

QTEST_MAIN(TestNetWait)
#include "test_net_wait.moc"
