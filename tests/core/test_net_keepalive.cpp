// Keep-alive and loss of connection with shortened intervals.
#include <QtTest>

#include <QElapsedTimer>
#include <QSignalSpy>

#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyNetLosssHandle.h"
#include "KyNetManage.h"
#include "KyTestSession.h"

class TestNetKeepAlive : public QObject {
    Q_OBJECT
private slots:
    void keepAlivesAfterLoginOnly();
    void lossOnceWhenRepliesStop();
};

void TestNetKeepAlive::keepAlivesAfterLoginOnly()
{
    KyTestSession::shortenIntervals(300, 60000);
    KyTestSession s(false);
    mcSleepProcessingEvents(700);
    QVERIFY(s.server().received("KeepAlive").empty());   // nothing before the login

    QElapsedTimer t;
    t.start();
    QCOMPARE(s.login(), 0);
    QVERIFY(s.server().waitForReceived("KeepAlive", 1, 2000));
    QVERIFY2(t.elapsed() >= 250, qPrintable(QString::number(t.elapsed())));   // one interval after login
    mcSleepProcessingEvents(1000);
    const auto keepAlives = s.server().received("KeepAlive");
    QVERIFY2(keepAlives.size() >= 2 && keepAlives.size() <= 6, qPrintable(QString::number(keepAlives.size())));
    for (const auto& k : keepAlives) {
        QCOMPARE(k.method, std::string("GET"));
        QVERIFY(k.body.empty());
        QVERIFY(k.raw.find("Content-Length:0\r\n\r\n") != std::string::npos);
    }

    // Keep-alives never hold up a request, and stop with the logout.
    KyCommandRequest req("GET", "GetSystemTime");
    QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, req), 0);
    s.center()->logout();
    mcSleepProcessingEvents(200);   // one sent just before the logout may still be on its way
    const size_t count = s.server().received("KeepAlive").size();
    mcSleepProcessingEvents(700);
    QCOMPARE(s.server().received("KeepAlive").size(), count);
}

void TestNetKeepAlive::lossOnceWhenRepliesStop()
{
    KyTestSession::shortenIntervals(150, 900);
    KyTestSession s;
    QSignalSpy lost(KyNetLosssHandle::instance(), &KyNetLosssHandle::connectionLost);

    // Replies keep coming (keep-alives answered): no loss, even without pushes.
    mcSleepProcessingEvents(2000);
    QCOMPARE(lost.count(), 0);

    // Keep-alives unanswered while pushes still arrive: the loss comes once.
    s.server().setKeepAliveAnswered(false);
    QElapsedTimer t;
    t.start();
    while (lost.count() == 0 && t.elapsed() < 4000) {
        s.server().pushToAll("SqlConfig", "mic02", "<Result/>");
        mcSleepProcessingEvents(100);
    }
    QCOMPARE(lost.count(), 1);
    QVERIFY2(t.elapsed() >= 700 && t.elapsed() < 2500, qPrintable(QString::number(t.elapsed())));
    mcSleepProcessingEvents(1500);
    QCOMPARE(lost.count(), 1);

    // A new login arms it again; a server that closes the connection is lost
    // too (at once).
    s.server().setKeepAliveAnswered(true);
    QCOMPARE(s.login(), 0);
    mcSleepProcessingEvents(1200);
    QCOMPARE(lost.count(), 1);
    s.server().closeAllConnections();
    QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 2, 3000);
}

QTEST_MAIN(TestNetKeepAlive)
#include "test_net_keepalive.moc"
