// A reader thread walks the terminal lists through the getters while the
// receive thread applies pushes and replies (meant for the ThreadSanitizer run).
#include <QtTest>

#include <atomic>
#include <thread>

#include "KyDbpRows.h"
#include "KyTermTestSupport.h"
#include "KyTestSession.h"

class TestTermThreads : public QObject {
    Q_OBJECT
private slots:
    void readerWalksListsWhilePushesArrive();
};

void TestTermThreads::readerWalksListsWhilePushesArrive()
{
    KyTestSession s;
    QVERIFY(s.loggedIn());
    KyTestServer& server = s.server();
    const KyTermLists lists;
    QVERIFY(lists.load());

    std::atomic<bool> stop{false};
    std::atomic<long> walks{0};
    std::atomic<long> badRecords{0};
    std::thread reader([&] {
        while (!stop) {
            for (const KyMic& m : lists.m02->m02List())
                badRecords += m.id <= 0;
            if (auto* l = lists.play->lockList()) {
                for (const KyTerminal& t : *l)
                    badRecords += t.id <= 0;
                lists.play->unlockList();
            }
            if (auto* l = lists.m11->lockList()) {
                badRecords += static_cast<long>(std::count_if(l->begin(), l->end(), [](const KyMic& m) { return m.id <= 0; }));
                lists.m11->unlockList();
            }
            if (auto* l = lists.caps->lockList()) {
                badRecords += static_cast<long>(std::count_if(l->begin(), l->end(), [](const KyCap& c) { return c.name.empty(); }));
                lists.caps->unlockList();
            }
            auto* la = lists.alarms->lockList();
            badRecords += static_cast<long>(std::count_if(la->begin(), la->end(), [](const KyFAlarm& a) { return a.name.empty(); }));
            lists.alarms->unlockList();
            ++walks;
            std::list<KyTts> copy;
            lists.tts->copyList(copy);
            KyTerminal t;
            lists.play->getTerminal(3001, &t);
            lists.m11->monitorList();
            std::this_thread::yield();
        }
    });

    for (int round = 0; round < 40; ++round) {
        const std::string id = std::to_string(1500 + round);
        server.pushToAll("SqlConfig", "mic02", kyWriteRows({KyRow{{{"terminalId", id}, {"name", "推送" + id}}}}));
        server.pushToAll("SqlConfig", "ipamp",
                         kyWriteRows({KyRow{{{"terminalId", std::to_string(3500 + round)}, {"broVol", "9"}}}}));
        server.pushToAll("SqlConfig", "capm03", kyWriteRows({KyRow{{{"terminalId", "6001"}, {"capVol", id}}}}));
        if (round % 2)
            server.pushToAll("DELETE", "Mic02", "{\"Id\":\"" + id + "\"}");
        if (round % 10 == 0) {
            QCOMPARE(lists.play->init(), 0);
            QCOMPARE(lists.m11->requestMicBooks({272, 4001}), 0);
            QCOMPARE(lists.tts->init(), 0);
        }
        QTest::qWait(5);
    }
    // Odd rounds were deleted again; the last even one stays with its name.
    KyMic kept;
    QTRY_VERIFY(lists.m02->getM02(1538, kept));
    QVERIFY(!lists.m02->getM02(1539, kept));
    QCOMPARE(kept.name, std::string("推送1538"));
    KyCap cap;
    QTRY_VERIFY(lists.caps->getCap(6001, cap) && cap.capVol == 1539);
    stop = true;
    reader.join();
    QVERIFY(walks > 0);
    QCOMPARE(badRecords.load(), 0L);
}

QTEST_MAIN(TestTermThreads)
#include "test_term_threads.moc"
