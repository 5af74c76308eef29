#pragma once

// Shared set-up of the organisation-store tests: the test session (the
// stand-in server with the demo fixture and the console's hub, the current
// hub instance, so the stores use it) and a second console on its own
// connection.

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTest>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyJson.h"
#include "KyManageCenter.h"
#include "KyTestServer.h"
#include "KyTestSession.h"

struct KyOrgEnv {
    std::unique_ptr<KyManageCenter> other;     // second console, made first
    std::unique_ptr<KyTestSession> session;   // the console under test

    bool start()
    {
        other.reset(new KyManageCenter);
        session.reset(new KyTestSession);
        return session->loggedIn() && KyManageCenter::instance() == session->center()
            && other->login("127.0.0.1", session->port(), KyTestSession::kUser, KyTestSession::kPassword) == 0;
    }

    KyTestServer& server() const { return session->server(); }

    // Sends a change from the second console through its own manager.
    int sendFromOther(KyBaseMgr* mgr, int requestType, KyCommandRequest req)
    {
        other->registerManager(mgr);
        const int rc = other->sendRequest(requestType, req);
        other->unregisterManager(mgr);
        return rc;
    }

    // Body of the last request of that Packet-Type the console under test
    // sent (the second console's requests are left out).
    Json::Value lastBody(const std::string& packetType, const std::string& subtype = std::string()) const
    {
        Json::Value body;
        for (const auto& r : server().received(packetType)) {
            if (r.connection == consoleConnection() && (subtype.empty() || r.packetSubtype == subtype))
                r.json(body);
        }
        return body;
    }

    int sent(const std::string& packetType) const
    {
        int n = 0;
        for (const auto& r : server().received(packetType))
            n += r.connection == consoleConnection();
        return n;
    }

    // The console under test logged in first.
    static int consoleConnection() { return 1; }
};

// Records signals in the user-interface thread: emissions from the receive
// thread arrive queued, the caller's own emissions directly.
class KyOrgSignalLog {
public:
    template <class Sender, class Signal>
    void watch(Sender* sender, Signal signal, const std::string& name)
    {
        QObject::connect(sender, signal, &m_ctx, [this, name](int id) { add(name, id); });
    }

    template <class Sender, class Signal>
    void watchText(Sender* sender, Signal signal, const std::string& name)
    {
        QObject::connect(sender, signal, &m_ctx, [this, name](const QString& text) { add(name, text); });
    }

    template <class Sender, class Signal>
    void watchPlain(Sender* sender, Signal signal, const std::string& name)
    {
        QObject::connect(sender, signal, &m_ctx, [this, name]() { add(name); });
    }

    void add(const std::string& name, int id = 0) { m_events.emplace_back(name, id); }
    void add(const std::string& name, const QString& text)
    {
        m_events.emplace_back(name, 0);
        m_texts.push_back(text);
    }

    const std::vector<std::pair<std::string, int>>& events() const { return m_events; }
    const std::vector<QString>& texts() const { return m_texts; }
    int count(const std::string& name) const
    {
        int n = 0;
        for (const auto& e : m_events)
            n += e.first == name;
        return n;
    }
    void clear()
    {
        m_events.clear();
        m_texts.clear();
    }
    // Lets queued emissions of the receive thread arrive.
    static void settle(int ms = 150) { QTest::qWait(ms); }

private:
    QObject m_ctx;
    std::vector<std::pair<std::string, int>> m_events;
    std::vector<QString> m_texts;
};

inline Json::Value kyJsonOf(std::initializer_list<std::pair<const char*, std::string>> members)
{
    Json::Value v(Json::objectValue);
    for (const auto& m : members)
        v[m.first] = m.second;
    return v;
}

#define KY_COMPARE_JSON(actual, expected)                                                           \
    QVERIFY2((actual) == (expected),                                                                \
             ("got " + kyJsonWrite(actual) + " expected " + kyJsonWrite(expected)).c_str())
