#pragma once

#include <memory>
#include <string>

#include "KyTestServer.h"

class KyManageCenter;

// A stand-in central server with the demo fixture on an ephemeral port of a
// loopback address (host; KyLoginInfo's ServerIp is set to it), the hub and
// the context, logged in as the demo administrator.
//
//   KyTestSession s;                 // QVERIFY(s.loggedIn());
//   mcSendRequest(s.center(), ...);  // s.server().received("...")
//
// The destructor logs out, destroys the context and the hub, stops the
// server and puts the keep-alive and loss intervals back.
class KyTestSession {
public:
    static const char* const kUser;
    static const char* const kPassword;

    // login = false leaves the hub unconnected (call login() yourself).
    explicit KyTestSession(bool login = true, const std::string& host = "127.0.0.1");
    ~KyTestSession();
    KyTestSession(const KyTestSession&) = delete;
    KyTestSession& operator=(const KyTestSession&) = delete;

    KyTestServer& server() { return m_server; }
    KyManageCenter* center() const { return m_center.get(); }
    int port() const { return m_port; }
    const std::string& host() const { return m_host; }

    // Logs in again (default: the demo administrator); the hub's result code.
    int login(const std::string& user = kUser, const std::string& password = kPassword);
    bool loggedIn() const;
    int loginResult() const { return m_loginResult; }

    // Shortened keep-alive interval and loss time (ms) for this session.
    static void shortenIntervals(int keepAliveMs, int lossMs);

private:
    KyTestServer m_server;
    std::string m_host;
    std::unique_ptr<KyManageCenter> m_center;
    int m_port = -1;
    int m_loginResult = -1;
};
