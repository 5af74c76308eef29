// The stand-in server's protocol side: login, hub exchanges, recording and
// every fault knob, seen through a bare socket client.
#include <QtTest>

#include <ctime>

#include "KyRawClient.h"
#include "KyTestServer.h"

namespace {

KyCommandRequest keepAlive()
{
    return KyCommandRequest("GET", "KeepAlive");
}

KyCommandRequest paramQuery()
{
    return KyCommandRequest::sqlQuery("SystemParameter", "select * from parameter");
}

} // namespace

class TestTestServerProtocol : public QObject {
    Q_OBJECT

private:
    KyTestServer m_server;
    int m_port = 0;

    void loggedIn(KyRawClient& c)
    {
        QVERIFY(c.connectTo(m_port));
        QCOMPARE(c.login("admin", "admin123").statusCode, 200);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.loadFixture(KyTestServer::demoFixturePath()));
        m_port = m_server.start();
        QVERIFY(m_port > 0);
    }

    void init()
    {
        m_server.clearReceived();
    }

    void refusesNonLoopbackHosts()
    {
        KyTestServer other;
        QCOMPARE(other.start(0, "0.0.0.0"), -1);
        QCOMPARE(other.start(0, "not an address"), -1);
    }

    void digestMatchesKnownValues()
    {
        // RFC 2202 case 1 and 2, and the handshake example value.
        QCOMPARE(KyRawClient::digest(std::string(20, '\x0b'), "Hi There"),
                 std::string("b617318655057264e28bc0b6fb378c8ef146be00"));
        QCOMPARE(KyRawClient::digest("Jefe", "what do ya want for nothing?"),
                 std::string("effcdf6ae5eb2fa2d27416d5f184df9c259a7c79"));
        QCOMPARE(KyRawClient::digest("123456", "5f2c8e4a9b1d7c3e6a0f4b8d2e9c1a7f"),
                 std::string("6ec71cad98b24ac41bb26da9190bf040ae6ea204"));
    }

    void login()
    {
        KyRawClient c;
        QVERIFY(c.connectTo(m_port));
        // Anything but LOGIN before the login is refused.
        QCOMPARE(c.request(paramQuery()).statusCode, 401);
        QCOMPARE(c.request(keepAlive()).statusCode, 401);

        Json::Value step1(Json::objectValue);
        step1["User"] = "admin";
        KyDbpMessage r1 = c.request(KyRawClient::loginStep(step1));
        QCOMPARE(r1.statusCode, 200);
        QCOMPARE(r1.packetType, std::string("Login"));
        std::string nonce = kyJsonText(KyRawClient::json(r1.body), "Nonce");
        QCOMPARE(nonce.size(), size_t(32));
        QVERIFY(nonce.find_first_not_of("0123456789abcdef") == std::string::npos);
        // A fresh nonce per attempt.
        KyDbpMessage again = c.request(KyRawClient::loginStep(step1));
        std::string nonce2 = kyJsonText(KyRawClient::json(again.body), "Nonce");
        QVERIFY(nonce2 != nonce);

        Json::Value step2 = step1;
        step2["Nonce"] = nonce;   // superseded by nonce2
        step2["Digest"] = KyRawClient::digest("admin123", nonce);
        QCOMPARE(c.request(KyRawClient::loginStep(step2)).statusCode, 401);

        c.request(KyRawClient::loginStep(step1));
        QCOMPARE(c.login("admin", "wrong").statusCode, 401);
        QCOMPARE(c.request(paramQuery()).statusCode, 401);

        // Right password: level and name come back; a replay of the spent nonce is refused.
        KyDbpMessage r = c.login("admin", "admin123");
        QCOMPARE(r.statusCode, 200);
        Json::Value ok = KyRawClient::json(r.body);
        QCOMPARE(kyJsonText(ok, "Level"), std::string("1"));
        QCOMPARE(kyJsonText(ok, "Name"), std::string("admin"));
        auto steps = m_server.received("Login");
        Json::Value last;
        QVERIFY(steps.back().json(last));
        QCOMPARE(c.request(KyRawClient::loginStep(last)).statusCode, 401);

        // Unknown user: a nonce anyway, refused at step 2.
        KyRawClient u;
        QVERIFY(u.connectTo(m_port));
        Json::Value who(Json::objectValue);
        who["User"] = "nobody";
        QCOMPARE(kyJsonText(KyRawClient::json(u.request(KyRawClient::loginStep(who)).body), "Nonce").size(),
                 size_t(32));
        QCOMPARE(u.login("nobody", "").statusCode, 401);

        // A user added by the test, with its level.
        m_server.addUser("tester", "123456", 3);
        KyRawClient t;
        QVERIFY(t.connectTo(m_port));
        QCOMPARE(kyJsonText(KyRawClient::json(t.login("tester", "123456").body), "Level"), std::string("3"));
    }

    void hubExchanges()
    {
        KyRawClient c;
        loggedIn(c);
        KyDbpMessage ka = c.request(keepAlive());
        QCOMPARE(ka.firstLine, std::string("DBP/1.0 200 OK"));
        QCOMPARE(ka.packetType, std::string("KeepAlive"));
        QVERIFY(ka.body.empty());

        KyDbpMessage t = c.request(KyCommandRequest("GET", "GetSystemTime"));
        QCOMPARE(t.statusCode, 200);
        long long now = std::time(nullptr);
        long long told = kyToInt64(kyJsonText(KyRawClient::json(t.body), "SystemTime"), 0);
        QVERIFY(told >= now - 5 && told <= now + 1);

        // Subtype echoed; an unknown request is refused, not dropped.
        KyDbpMessage p = c.request(paramQuery());
        QCOMPARE(p.packetSubtype, std::string("SystemParameter"));
        QCOMPARE(c.request(KyCommandRequest("POST", "NoSuchThing", "", "{}")).statusCode, 400);

        // Keep-alives can be left unanswered, other requests still are answered.
        m_server.setKeepAliveAnswered(false);
        int cseq = c.send(keepAlive());
        QCOMPARE(c.request(paramQuery()).statusCode, 200);
        KyDbpMessage m;
        QVERIFY(!c.next(m, 300));
        m_server.setKeepAliveAnswered(true);
        QCOMPARE(c.request(keepAlive()).cseq, cseq + 2);
    }

    void recording()
    {
        KyRawClient c;
        loggedIn(c);
        KyCommandRequest req = KyCommandRequest::sqlQuery("M02ButtonCall", "select * from m02buttoncall where terminalId = 1001");
        req.setCSeq(3);
        c.sendRaw(req.toString().substr(0, 20));
        QTest::qWait(50);
        c.sendRaw(req.toString().substr(20) + keepAlive().toString());
        QVERIFY(m_server.waitForReceived("KeepAlive", 1, 2000));
        auto all = m_server.received();
        QCOMPARE(all.size(), size_t(4));   // two login steps, the query, the keep-alive
        const auto& q = all[2];
        QCOMPARE(q.method, std::string("GET"));
        QCOMPARE(q.packetType, std::string("SqlConfig"));
        QCOMPARE(q.packetSubtype, std::string("M02ButtonCall"));
        QCOMPARE(q.cseq, 3);
        QCOMPARE(q.raw, req.toString());
        Json::Value body;
        QVERIFY(q.json(body));
        QCOMPARE(kyJsonText(body, "Sql"), std::string("select * from m02buttoncall where terminalId = 1001"));
        QCOMPARE(all[1].connection, q.connection);
        QCOMPARE(m_server.received("SqlConfig").size(), size_t(1));
        QVERIFY(!m_server.waitForReceived("SqlLog", 1, 50));
        m_server.clearReceived();
        QVERIFY(m_server.received().empty());
    }

    void busyAndStatusKnobs()
    {
        KyRawClient c;
        loggedIn(c);
        m_server.setBusy("SqlConfig", 2);
        QCOMPARE(c.request(paramQuery()).firstLine, std::string("DBP/1.0 503 Busy"));
        QCOMPARE(c.request(paramQuery()).statusCode, 503);
        QCOMPARE(c.request(paramQuery()).statusCode, 200);
        m_server.setBusy("GetSystemTime", -1);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(c.request(KyCommandRequest("GET", "GetSystemTime")).statusCode, 503);
        m_server.setBusy("GetSystemTime", 0);
        QCOMPARE(c.request(KyCommandRequest("GET", "GetSystemTime")).statusCode, 200);

        // A refused change leaves the tables as they were.
        auto before = m_server.rows("mic02");
        m_server.setStatus("ModTalkTerminal", 403, 1, "{\"Result\":\"no\"}\n");
        Json::Value mod(Json::objectValue);
        mod["Id"] = "1001";
        mod["Name"] = "改名";
        KyDbpMessage refused = c.request(KyCommandRequest::post("ModTalkTerminal", mod));
        QCOMPARE(refused.statusCode, 403);
        QCOMPARE(refused.body, std::string("{\"Result\":\"no\"}\n"));
        QCOMPARE(m_server.rows("mic02")[0].text("name"), before[0].text("name"));
        QCOMPARE(c.request(KyCommandRequest::post("ModTalkTerminal", mod)).statusCode, 200);
        QCOMPARE(m_server.rows("mic02")[0].text("name"), std::string("改名"));

        // "" applies to any request but the login and keep-alives.
        m_server.setStatus("", 409, 2);
        QCOMPARE(c.request(keepAlive()).statusCode, 200);
        QCOMPARE(c.request(paramQuery()).statusCode, 409);
        QCOMPARE(c.request(KyCommandRequest("GET", "GetSystemTime")).statusCode, 409);
        QCOMPARE(c.request(paramQuery()).statusCode, 200);
    }

    void delayAndNoAnswer()
    {
        KyRawClient c;
        loggedIn(c);
        m_server.setDelay("SqlConfig", 400);
        QElapsedTimer timer;
        timer.start();
        int late = c.send(paramQuery());
        // A keep-alive sent later is answered first.
        KyDbpMessage m;
        int ka = c.send(keepAlive());
        QVERIFY(c.next(m));
        QCOMPARE(m.cseq, ka);
        QVERIFY(c.next(m));
        QCOMPARE(m.cseq, late);
        QVERIFY(timer.elapsed() >= 390);
        m_server.setDelay("SqlConfig", 0);

        m_server.setNoAnswer("SqlConfig", 1);
        c.send(paramQuery());
        QVERIFY(!c.next(m, 300));
        QCOMPARE(c.request(paramQuery()).statusCode, 200);
        m_server.setNoAnswer("GetSystemTime");
        c.send(KyCommandRequest("GET", "GetSystemTime"));
        c.send(KyCommandRequest("GET", "GetSystemTime"));
        QVERIFY(!c.next(m, 300));
        m_server.setNoAnswer("GetSystemTime", 0);
        QCOMPARE(c.request(KyCommandRequest("GET", "GetSystemTime")).statusCode, 200);
    }

    void closeAll()
    {
        KyRawClient a, b;
        loggedIn(a);
        loggedIn(b);
        QTRY_COMPARE(m_server.connectionCount(), 2);
        m_server.closeAllConnections();
        QCOMPARE(m_server.connectionCount(), 0);
        QVERIFY(a.waitClosed(1000));
        QVERIFY(b.waitClosed(1000));
        KyRawClient c;
        loggedIn(c);
        QCOMPARE(m_server.connectionCount(), 1);
    }

    void writeModes()
    {
        KyRawClient c;
        loggedIn(c);
        m_server.setWriteMode(KyTestServer::ByteByByte);
        c.chunks.clear();
        KyDbpMessage r = c.request(KyCommandRequest("GET", "GetSystemTime"));
        QCOMPARE(r.statusCode, 200);
        size_t total = 0;
        for (size_t n : c.chunks)
            total += n;
        QVERIFY2(c.chunks.size() > total / 4, "reads were not split");

        m_server.setWriteMode(KyTestServer::Coalesced);
        c.chunks.clear();
        m_server.injectPushBeforeReply("SqlConfig", KyCommandRequest("POST", "DELETE", "Region", "{\"Id\":\"6\"}\n").toString());
        std::vector<KyDbpMessage> before;
        r = c.request(paramQuery(), &before);
        QCOMPARE(r.statusCode, 200);
        QCOMPARE(before.size(), size_t(1));
        QCOMPARE(before[0].pushName(), std::string("DELETE_Region"));
        QCOMPARE(c.chunks.size(), size_t(1));
        m_server.setWriteMode(KyTestServer::Normal);
    }

    void injectedMessages()
    {
        KyRawClient c;
        loggedIn(c);
        m_server.injectPushBeforeReply("SqlConfig", KyCommandRequest("POST", "SqlConfig", "mic02", "<Result/>").toString());
        std::vector<KyDbpMessage> before;
        KyDbpMessage r = c.request(paramQuery(), &before);
        QCOMPARE(r.statusCode, 200);
        QCOMPARE(before.size(), size_t(1));
        QVERIFY(!before[0].isReply);
        QCOMPARE(before[0].pushName(), std::string("SqlConfig_mic02"));

        // One-shot: the next reply comes alone.
        before.clear();
        c.request(paramQuery(), &before);
        QVERIFY(before.empty());

        m_server.sendStaleReplyBefore("SqlConfig");
        r = c.request(paramQuery(), &before);
        QCOMPARE(r.statusCode, 200);
        QCOMPARE(before.size(), size_t(1));
        QVERIFY(before[0].isReply);
        QVERIFY(before[0].cseq != r.cseq && before[0].cseq > 0);
        std::vector<KyRow> rows;
        QVERIFY(kyParseRows(before[0].body, rows) && rows.empty());
        QVERIFY(kyParseRows(r.body, rows) && rows.size() == 4);

        before.clear();
        size_t dropped = c.framer.dropped();
        m_server.sendMalformedBefore("SqlConfig");
        r = c.request(paramQuery(), &before);
        QCOMPARE(r.statusCode, 200);
        QVERIFY(before.empty());
        QVERIFY(c.framer.dropped() > dropped);
    }

    void cleanupTestCase()
    {
        m_server.stop();
        QCOMPARE(m_server.connectionCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTestServerProtocol)
#include "test_testserver_protocol.moc"
