// Readers walking the cached lists in their own thread while replies and
// pushes replace and change them in the receive thread (run under TSan).

#include <atomic>
#include <thread>

#include <QtTest>

#include "KyMicGroupListMgr.h"
#include "KyOrgTestSupport.h"
#include "KyRegionListMgr.h"
#include "KySchemeDataMgr.h"
#include "KyServiceLogMgr.h"
#include "KySsTaskDataMgr.h"

class TestOrgThreads : public QObject {
    Q_OBJECT

private slots:
    void readersDuringPushes()
    {
        KyOrgEnv env;
        QVERIFY(env.start());
        env.server().setPushTarget(KyTestServer::PushAll);
        auto* groups = KyMicGroupListMgr::instance();
        auto* regions = KyRegionListMgr::instance();
        auto* tasks = KySsTaskDataMgr::instance();
        auto* schemes = KySchemeDataMgr::instance();
        auto* logs = KyServiceLogMgr::instance();
        QVERIFY(schemes->lockSchemes(0) == nullptr);
        QTRY_VERIFY(schemes->findScheme(1, 0, nullptr));

        std::atomic<bool> stop{false};
        std::atomic<long> walked{0};
        std::thread reader([&] {
            while (!stop) {
                long n = 0;
                for (const KyMicGroup& g : groups->groupList())
                    n += g.members.size();
                for (const KyRegion& r : regions->regionList())
                    n += r.members.size() + r.name.size();
                for (const KySsTask& t : tasks->taskList())
                    n += t.execTimeList.size() + t.name.size();
                if (std::list<KyScheme>* list = schemes->lockSchemes(0)) {
                    for (const KyScheme& s : *list)
                        n += s.name.size();
                    schemes->unlock();
                }
                KyScheme s;
                n += schemes->findScheme(1, 0, &s) ? 1 : 0;
                n += groups->maxGroupId() + regions->maxRegionId();
                for (const KyLogEntry& e : logs->termLogList())
                    n += e.content.size();
                walked += n > 0;
            }
        });

        KySsTaskManage otherTasks;
        KySchemeManage otherSchemes;
        KySsTask t;
        t.name = "并发任务";
        t.executeTime = "早#$%100!!!晚#$%200";
        KyScheme plan;
        plan.id = 1;
        for (int round = 0; round < 15; ++round) {
            t.id = 0;
            QCOMPARE(env.sendFromOther(&otherTasks, KySsTaskManage::RT_ADD, KySsTaskManage::saveRequest(t, 0)), 0);
            plan.name = "默认方案" + std::to_string(round);
            QCOMPARE(env.sendFromOther(&otherSchemes, KySchemeManage::RT_MODIFY,
                                       KySchemeManage::modifyRequest(plan, 0)), 0);
            QCOMPARE(groups->requestList(), 0);
            QCOMPARE(regions->requestList(), 0);
            QCOMPARE(tasks->requestList(), 0);
            QCOMPARE(schemes->requestList(0), 0);
            QCOMPARE(logs->requestLogs(5, round), 0);
        }
        KyOrgSignalLog::settle(200);
        stop = true;
        reader.join();
        QVERIFY(walked > 0);
        QCOMPARE(tasks->taskList().size(), env.server().rows("soundsource").size());
        KyScheme last;
        QVERIFY(schemes->findScheme(1, 0, &last));
        QCOMPARE(last.name, std::string("默认方案14"));
    }
};

QTEST_MAIN(TestOrgThreads)
#include "test_org_threads.moc"
