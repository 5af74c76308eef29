// The two-step login over loopback: right and wrong passwords, a replayed
// nonce, a silent server and unreachable servers.
#include <QtTest>

#include <QElapsedTimer>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "KyDbpFramer.h"
#include "KyHmac.h"
#include "KyJson.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyNetManage.h"
#include "KySocket.h"
#include "KyTestSession.h"
#include "KyUser.h"

namespace {

// Sends raw text on a new connection and returns the replies framed, until
// count arrived or 3 s passed.
std::vector<KyDbpMessage> rawExchange(int port, const std::string& text, size_t count = 1)
{
    std::vector<KyDbpMessage> out;
    KySocket sock;
    if (!sock.connectTo("127.0.0.1", port, 3000) || !sock.sendAll(text))
        return out;
    KyDbpFramer framer;
    char buf[4096];
    QElapsedTimer t;
    t.start();
    while (out.size() < count && t.elapsed() < 3000) {
        if (sock.waitReadable(200) <= 0)
            continue;
        long n = sock.receive(buf, sizeof buf);
        if (n <= 0)
            break;
        framer.feed(buf, static_cast<size_t>(n), out);
    }
    return out;
}

} // namespace

class TestNetLogin : public QObject {
    Q_OBJECT
private slots:
    void rightPasswordAndDigest();
    void wrongPasswordAndReplayedNonce();
    void silentAndUnreachableServers();
};

void TestNetLogin::rightPasswordAndDigest()
{
    kyUserRecord() = KyUser();
    KyTestSession s(false);
    s.server().addUser("操作员", "密码123", 3);
    QCOMPARE(currentUser()->level, 1);   // until the login fills it
    QCOMPARE(s.login("操作员", "密码123"), 0);
    QVERIFY(s.loggedIn());
    QCOMPARE(currentUser()->level, 3);
    QCOMPARE(currentUser()->name, std::string("操作员"));

    const auto steps = s.server().received("Login");
    QCOMPARE(int(steps.size()), 2);
    QCOMPARE(steps[0].method, std::string("LOGIN"));
    Json::Value one, two;
    QVERIFY(steps[0].json(one));
    QVERIFY(steps[1].json(two));
    QCOMPARE(kyJsonText(one, "User"), std::string("操作员"));
    QCOMPARE(one.size(), 1u);
    const std::string nonce = kyJsonText(two, "Nonce");
    const std::string digest = kyJsonText(two, "Digest");
    QCOMPARE(digest.size(), size_t(40));
    QCOMPARE(QString::fromStdString(digest), QString::fromStdString(digest).toLower());
    QCOMPARE(digest, kyLoginDigest("密码123", nonce));
    QCOMPARE(kyJsonText(two, "User"), std::string("操作员"));
    // The password never crosses the wire.
    for (const auto& r : s.server().received())
        QVERIFY(r.raw.find("密码123") == std::string::npos);

    // The demo administrator.
    QCOMPARE(s.login(), 0);
    QCOMPARE(currentUser()->name, std::string(KyTestSession::kUser));
}

void TestNetLogin::wrongPasswordAndReplayedNonce()
{
    KyTestSession s(false);
    QCOMPARE(s.login(KyTestSession::kUser, "wrong"), 1);
    QVERIFY(!s.loggedIn());
    QVERIFY(!s.center()->net()->isConnected());
    QTRY_COMPARE_WITH_TIMEOUT(s.server().connectionCount(), 0, 2000);
    QCOMPARE(s.login("nobody", "x"), 1);   // unknown user: refused at the second step
    QCOMPARE(int(s.server().received("Login").size()), 4);

    // A second step replayed with a nonce that was already used is refused.
    s.server().clearReceived();
    QCOMPARE(s.login(), 0);
    const auto steps = s.server().received("Login");
    QCOMPARE(int(steps.size()), 2);
    auto replies = rawExchange(s.port(), steps[1].raw);
    QCOMPARE(int(replies.size()), 1);
    QCOMPARE(replies[0].statusCode, 401);
    // Also on a connection that asked for a nonce of its own first.
    KyCommandRequest first("LOGIN", "Login", "", steps[0].body);
    first.setCSeq(1);
    replies = rawExchange(s.port(), first.toString() + steps[1].raw, 2);
    QCOMPARE(int(replies.size()), 2);
    QCOMPARE(replies[0].statusCode, 200);
    QCOMPARE(replies[1].statusCode, 401);
    // The step replayed by the hub's own connection is still logged in.
    QVERIFY(s.loggedIn());
}

void TestNetLogin::silentAndUnreachableServers()
{
    KyTestSession s(false);
    // The server never answers the first step: 3 after the wait, no thread left.
    s.server().setNoAnswer("Login", 1);
    QElapsedTimer t;
    t.start();
    QCOMPARE(s.login(), 3);
    QVERIFY(t.elapsed() > 2000 && t.elapsed() < 3500);
    QVERIFY(!s.center()->net()->isConnected());
    QTRY_COMPARE_WITH_TIMEOUT(s.server().connectionCount(), 0, 2000);
    s.server().setNoAnswer("Login", 0);
    QCOMPARE(s.login(), 0);

    // Nothing listens on the port: 4 at once.
    const int refusedPort = s.port();
    s.center()->logout();
    s.server().stop();
    t.restart();
    QCOMPARE(s.center()->login("127.0.0.1", refusedPort, KyTestSession::kUser, KyTestSession::kPassword), 4);
    QVERIFY(t.elapsed() < 1000);

    // A listener whose accept queue is full never completes the connect: 4 after about 3 s.
    int lfd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QCOMPARE(::bind(lfd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    socklen_t len = sizeof addr;
    getsockname(lfd, reinterpret_cast<sockaddr*>(&addr), &len);
    QCOMPARE(::listen(lfd, 0), 0);
    const int port = ntohs(addr.sin_port);
    std::vector<std::unique_ptr<KySocket>> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.emplace_back(new KySocket);
        fillers.back()->connectTo("127.0.0.1", port, 300);
    }
    t.restart();
    QCOMPARE(s.center()->login("127.0.0.1", port, KyTestSession::kUser, KyTestSession::kPassword), 4);
    QVERIFY2(t.elapsed() >= 2500 && t.elapsed() < 4000, qPrintable(QString::number(t.elapsed())));
    ::close(lfd);
}

QTEST_MAIN(TestNetLogin)
#include "test_net_login.moc"
