// CSeq matching over loopback: late and stale replies, pushes between a
// request and its reply, malformed input, hostile segmentation, and the CSeq
// sequence itself.
#include <QtTest>

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

std::string pushText(const std::string& type, const std::string& sub, const std::string& body)
{
    return "POST DBP/1.0\r\nCSeq:7001\r\nPacket-Type:" + type + "\r\nPacket-Subtype:" + sub +
           "\r\nContent-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body;
}

} // namespace

class TestNetCSeq : public QObject {
    Q_OBJECT
private slots:
    void lateReplyIsDropped();
    void pushesStaleAndMalformedBetweenRequestAndReply();
    void segmentationOverLoopback();
    void cseqRisesByOneAndRestarts();
};

void TestNetCSeq::lateReplyIsDropped()
{
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);

    // The first query is answered after its time-out; its reply arrives while
    // the second request (GetSystemTime, answered later still) waits.
    s.server().setDelay("SqlConfig", 3600);
    KyCommandRequest first = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, first), int(KY_TIMEOUT));
    s.server().setDelay("SqlConfig", 0);
    s.server().setDelay("GetSystemTime", 1500);
    KyCommandRequest second("GET", "GetSystemTime");
    KyDbpMessage reply;
    QCOMPARE(mcSendRequest(s.center(), KyManageCenter::RT_SYSTEM_TIME, second, &reply), 0);
    QCOMPARE(reply.packetType, std::string("GetSystemTime"));
    QCOMPARE(reply.cseq, second.cseq());
    QVERIFY(probe.replies().empty());   // the late reply reached no manager
    QVERIFY(probe.failed().empty());
    s.center()->unregisterManager(&probe);
}

void TestNetCSeq::pushesStaleAndMalformedBetweenRequestAndReply()
{
    KyTestSession s;
    KyProbeMgr first("First", "SqlConfig_mic");
    KyProbeMgr second("Second", "DELETE_");
    s.center()->registerManager(&first);
    s.center()->registerManager(&second);

    // A push between request and reply is dispatched as a push (also when its
    // CSeq equals the pending one) and the request completes with its reply.
    s.server().injectPushBeforeReply("SqlConfig", pushText("SqlConfig", "mic02", "<Result/>"));
    KyCommandRequest req = paramsQuery();
    KyDbpMessage reply;
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
    QCOMPARE(reply.cseq, req.cseq());
    QCOMPARE(first.pushes(), std::vector<std::string>{"SqlConfig_mic02"});
    QCOMPARE(int(first.replies().size()), 1);

    req = paramsQuery();
    const std::string sameCSeq = "POST DBP/1.0\r\nCSeq:" + std::to_string(req.cseq() + 1) +
                                 "\r\nPacket-Type:DELETE\r\nPacket-Subtype:Region\r\nContent-Length:11\r\n\r\n{\"Id\":\"5\"}\n";
    s.server().injectPushBeforeReply("SqlConfig", sameCSeq);
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
    QCOMPARE(reply.packetType, std::string("SqlConfig"));
    // Offered in order until one takes it: "First" declines, "Second" takes it.
    QCOMPARE(second.pushes(), std::vector<std::string>{"DELETE_Region"});
    QCOMPARE(int(first.pushes().size()), 1);
    QCOMPARE(int(first.replies().size()), 2);

    // A push nobody takes is dropped; the connection stays usable.
    s.server().injectPushBeforeReply("SqlConfig", pushText("Nobody", "Knows", "x"));
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);

    // A reply with a CSeq that is not pending is dropped, not taken as ours.
    s.server().sendStaleReplyBefore("SqlConfig");
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
    QCOMPARE(reply.cseq, req.cseq());
    QVERIFY(reply.body.find("<Row") != std::string::npos);   // not the stale empty row set
    QCOMPARE(int(first.replies().size()), 4);

    // A malformed header is dropped and the reply behind it still arrives.
    s.server().sendMalformedBefore("SqlConfig");
    req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);
    QCOMPARE(int(first.replies().size()), 5);
    QVERIFY(s.loggedIn());
    s.center()->unregisterManager(&first);
    s.center()->unregisterManager(&second);
}

void TestNetCSeq::segmentationOverLoopback()
{
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    KyDbpMessage normal;
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &normal), 0);
    QVERIFY(normal.body.size() > 100);

    for (auto mode : {KyTestServer::ByteByByte, KyTestServer::Coalesced}) {
        s.server().setWriteMode(mode);
        s.server().injectPushBeforeReply("SqlConfig", pushText("SqlConfig", "mic02", "<Result>\r\n\r\n</Result>"));
        KyDbpMessage reply;
        req = paramsQuery();
        QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req, &reply), 0);
        QCOMPARE(reply.body, normal.body);
        QCOMPARE(probe.pushes().back(), std::string("SqlConfig_mic02"));
    }
    QCOMPARE(int(probe.pushes().size()), 2);
    s.center()->unregisterManager(&probe);
}

void TestNetCSeq::cseqRisesByOneAndRestarts()
{
    KyTestSession::shortenIntervals(250, 60000);
    KyTestSession s;
    KyProbeMgr probe;
    s.center()->registerManager(&probe);
    for (int i = 0; i < 6; ++i) {
        KyCommandRequest req = paramsQuery();
        QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);
        QCOMPARE(mcRequestSystemTime(s.center()), 0);
        mcSleepProcessingEvents(120);
    }
    QVERIFY(s.server().waitForReceived("KeepAlive", 2, 2000));

    auto checkSequence = [&](int connection) {
        std::vector<int> seqs;
        std::vector<std::string> types;
        for (const auto& r : s.server().received())
            if (r.connection == connection) {
                seqs.push_back(r.cseq);
                types.push_back(r.packetType);
            }
        QVERIFY(seqs.size() >= 2 + 12 + 2);
        QCOMPARE(types[0], std::string("Login"));
        QCOMPARE(types[1], std::string("Login"));
        for (size_t i = 0; i < seqs.size(); ++i)
            QCOMPARE(seqs[i], int(i) + 1);
    };
    const int firstConnection = s.server().received().front().connection;
    checkSequence(firstConnection);

    // A new connection starts again at 1.
    QCOMPARE(s.login(), 0);
    KyCommandRequest req = paramsQuery();
    QCOMPARE(mcSendRequest(s.center(), KyProbeMgr::RT_PARAMS, req), 0);
    QCOMPARE(req.cseq(), 3);
    const int secondConnection = s.server().received().back().connection;
    QVERIFY(secondConnection != firstConnection);
    s.center()->logout();
    std::vector<int> seqs;
    for (const auto& r : s.server().received())
        if (r.connection == secondConnection)
            seqs.push_back(r.cseq);
    QCOMPARE(seqs.front(), 1);
    for (size_t i = 0; i < seqs.size(); ++i)
        QCOMPARE(seqs[i], int(i) + 1);
    s.center()->unregisterManager(&probe);
}

QTEST_MAIN(TestNetCSeq)
#include "test_net_cseq.moc"
