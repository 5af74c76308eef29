// Mic groups and broadcast regions against the stand-in server.

#include <QElapsedTimer>
#include <QtTest>

#include "KyFacade.h"
#include "KyMicGroupListMgr.h"
#include "KyOrgTestSupport.h"
#include "KyRegionListMgr.h"

class TestOrgGroups : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KyMicGroupListMgr* groups = nullptr;
    KyRegionListMgr* regions = nullptr;
    KyOrgSignalLog log;

    KyMicGroup sampleGroup(int id)
    {
        KyMicGroup g;
        g.id = id;
        g.name = "夜间值班组";
        g.callWaitRule = 3;
        g.ringTime = 45;
        g.members = {4001, 4005, 4012};
        return g;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(env.start());
        groups = KyMicGroupListMgr::instance();
        regions = KyRegionListMgr::instance();
        log.watchPlain(groups, &KyMicGroupListMgr::gotGroupList, "gotGroupList");
        log.watch(groups, &KyMicGroupListMgr::groupChanged, "groupChanged");
        log.watch(groups, &KyMicGroupListMgr::groupDeleted, "groupDeleted");
        log.watchPlain(regions, &KyRegionListMgr::gotRegionList, "gotRegionList");
        log.watch(regions, &KyRegionListMgr::regionChanged, "regionChanged");
        log.watch(regions, &KyRegionListMgr::regionDeleted, "regionDeleted");
    }

    void init()
    {
        env.server().setPushTarget(KyTestServer::PushOthers);
        KY_BUSY_RETRY_LIMIT_MS = 30000;
        KyOrgSignalLog::settle(50);
        log.clear();
    }

    // The first use loaded both lists; rows map field by field.
    void listsLoadedFromServer()
    {
        const auto groupRows = env.server().rows("callservergroup");
        const auto cached = groups->groupList();
        QCOMPARE(cached.size(), groupRows.size());
        KyMicGroup first;
        QVERIFY(groups->getGroup(groupRows.front().toInt("groupId"), &first));
        QCOMPARE(first.name, groupRows.front().text("name"));
        QCOMPARE(first.ringTime, groupRows.front().toInt("ringTime"));
        QCOMPARE(first.members, kySplitIdsForTest(groupRows.front().text("terminalId")));
        int maxId = 0;
        for (const KyRow& r : groupRows)
            maxId = std::max(maxId, r.toInt("groupId"));
        QCOMPARE(groups->maxGroupId(), maxId);

        const auto regionRows = env.server().rows("region");
        QCOMPARE(regions->regionList().size(), regionRows.size());
        KyRegion r;
        QVERIFY(regions->getRegion(regionRows.front().toInt("regionId"), &r));
        QCOMPARE(r.comment, regionRows.front().text("comment"));
        QVERIFY(!r.members.empty());
        QCOMPARE(r.members.front().id, kySplitIdsForTest(regionRows.front().text("terminalId")).front());
        QVERIFY(!regions->getRegion(-5, &r));
    }

    // Add, modify and delete: exact bodies, result 0, one signal each, cache
    // and server agree.
    void groupSavesDone()
    {
        KyMicGroup g = sampleGroup(groups->maxGroupId() + 7);
        QCOMPARE(groups->saveGroup(&g, 4), 0);
        KY_COMPARE_JSON(env.lastBody("CallService"),
                        kyJsonOf({{"Action", "Add"}, {"Id", std::to_string(g.id)}, {"Name", "夜间值班组"},
                                  {"Mic11Id", "4001 4005 4012"}, {"CallWaitRule", "3"}, {"RingTime", "45"}}));
        QCOMPARE(log.count("groupChanged"), 1);
        KyMicGroup cached;
        QVERIFY(groups->getGroup(g.id, &cached));
        QCOMPARE(cached.members, g.members);

        g.name = "早班组";
        g.members = {4002};
        QCOMPARE(groups->saveGroup(&g, 5), 0);
        QCOMPARE(env.lastBody("CallService")["Action"].asString(), std::string("Mod"));
        QCOMPARE(env.lastBody("CallService")["Mic11Id"].asString(), std::string("4002"));
        QVERIFY(groups->getGroup(g.id, &cached));
        QCOMPARE(cached.name, std::string("早班组"));
        QCOMPARE(log.count("groupChanged"), 2);

        QCOMPARE(groups->saveGroup(&g, 6), 0);
        QCOMPARE(env.lastBody("CallService")["Action"].asString(), std::string("Del"));
        QVERIFY(!groups->getGroup(g.id, &cached));
        QCOMPARE(log.count("groupDeleted"), 1);
        bool onServer = false;
        for (const KyRow& r : env.server().rows("callservergroup"))
            onServer = onServer || r.toInt("groupId") == g.id;
        QVERIFY(!onServer);
        QCOMPARE(groups->saveGroup(nullptr, 4), -1);
    }

    // Busy is retried; refused, conflicting and timed-out saves change
    // nothing and emit nothing.
    void groupSaveResults()
    {
        KyMicGroup g = sampleGroup(groups->maxGroupId() + 3);
        env.server().setBusy("CallService", 3);
        const int before = env.sent("CallService");
        QCOMPARE(groups->saveGroup(&g, 4), 0);
        QCOMPARE(env.sent("CallService") - before, 4);
        QCOMPARE(log.count("groupChanged"), 1);
        log.clear();

        KyMicGroup changed = g;
        changed.name = "不应保存";
        env.server().setStatus("CallService", 403);
        QCOMPARE(groups->saveGroup(&changed, 5), 1);
        KyMicGroup twin = g;   // same id again: the server answers 409
        QCOMPARE(groups->saveGroup(&twin, 4), 1);
        env.server().setNoAnswer("CallService", 1);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(groups->saveGroup(&changed, 6), 3);
        QVERIFY(clock.elapsed() > 2000 && clock.elapsed() < 4500);
        KY_BUSY_RETRY_LIMIT_MS = 300;
        env.server().setBusy("CallService", 1000);
        QCOMPARE(groups->saveGroup(&changed, 5), 2);
        env.server().setBusy("CallService", 0);
        KyOrgSignalLog::settle();
        QVERIFY(log.events().empty());
        KyMicGroup cached;
        QVERIFY(groups->getGroup(g.id, &cached));
        QCOMPARE(cached.name, g.name);
        KY_BUSY_RETRY_LIMIT_MS = 30000;
        QCOMPARE(groups->saveGroup(&g, 6), 0);
    }

    // The cache rules of applyGroup/applyRegion: a cached id is overwritten
    // (5) or removed (6), an unknown one appended (4, 5); an add of a cached
    // id and a delete of an unknown one change nothing and stay quiet.
    void applyRules()
    {
        KyMicGroup g = sampleGroup(groups->maxGroupId() + 50);
        groups->applyGroup(&g, 6);
        QVERIFY(!groups->getGroup(g.id, nullptr));
        groups->applyGroup(&g, 5);
        KyMicGroup renamed = g;
        renamed.name = "改名组";
        renamed.members = {4009};
        groups->applyGroup(&renamed, 4);
        KyMicGroup cached;
        QVERIFY(groups->getGroup(g.id, &cached));
        QCOMPARE(cached.name, g.name);
        groups->applyGroup(&renamed, 5);
        QVERIFY(groups->getGroup(g.id, &cached));
        QCOMPARE(cached.name, renamed.name);
        QCOMPARE(cached.members, renamed.members);
        groups->applyGroup(&renamed, 6);
        QVERIFY(!groups->getGroup(g.id, nullptr));
        groups->applyGroup(nullptr, 4);

        KyRegion r;
        r.id = regions->maxRegionId() + 50;
        r.name = "临时区域";
        r.comment = "备注";
        regions->applyRegion(&r, 4);
        KyRegion other = r;
        other.comment = "新备注";
        other.members.resize(2);
        regions->applyRegion(&other, 5);
        KyRegion cachedRegion;
        QVERIFY(regions->getRegion(r.id, &cachedRegion));
        QCOMPARE(cachedRegion.comment, other.comment);
        QCOMPARE(int(cachedRegion.members.size()), 2);
        regions->applyRegion(&other, 6);
        regions->applyRegion(&other, 6);

        // The caller's own changes are announced at once, in order.
        const std::vector<std::pair<std::string, int>> expected = {
            {"groupChanged", g.id}, {"groupChanged", g.id}, {"groupDeleted", g.id},
            {"regionChanged", r.id}, {"regionChanged", r.id}, {"regionDeleted", r.id}};
        QCOMPARE(log.events(), expected);
    }

    void regionSaves()
    {
        KyRegion r;
        r.id = regions->maxRegionId() + 2;
        r.name = "东区教学楼";
        for (int id : {3001, 3004, 3009}) {
            KyBaseTerminal t;
            t.id = id;
            t.name = "功放";
            r.members.push_back(t);
        }
        env.server().setBusy("BroadRegion", 2);
        QCOMPARE(regions->saveRegion(&r, 4), 0);
        KY_COMPARE_JSON(env.lastBody("BroadRegion"),
                        kyJsonOf({{"Action", "Add"}, {"Id", std::to_string(r.id)}, {"Name", "东区教学楼"},
                                  {"TerminalId", "3001 3004 3009"}}));
        QCOMPARE(log.count("regionChanged"), 1);

        KyRegion refused = r;
        refused.name = "改名失败";
        env.server().setStatus("BroadRegion", 403);
        QCOMPARE(regions->saveRegion(&refused, 5), 1);
        env.server().setNoAnswer("BroadRegion", 1);
        QCOMPARE(regions->saveRegion(&refused, 6), 3);
        KyOrgSignalLog::settle();
        QCOMPARE(log.count("regionChanged"), 1);
        QCOMPARE(log.count("regionDeleted"), 0);
        KyRegion cached;
        QVERIFY(regions->getRegion(r.id, &cached));
        QCOMPARE(cached.name, r.name);
        QCOMPARE(int(cached.members.size()), 3);

        QCOMPARE(regions->saveRegion(&r, 6), 0);
        QCOMPARE(env.lastBody("BroadRegion")["Action"].asString(), std::string("Del"));
        QCOMPARE(log.count("regionDeleted"), 1);
        QVERIFY(!regions->getRegion(r.id, &cached));
    }

    // A deletion made by the second console reaches this one as a push.
    void deletionsFromOtherConsole()
    {
        const KyMicGroup victim = groups->groupList().back();
        KyMicGroupManage otherGroups;
        QCOMPARE(env.sendFromOther(&otherGroups, KyMicGroupManage::RT_SAVE,
                                   KyMicGroupManage::saveRequest(victim, 6)), 0);
        QTRY_COMPARE(log.count("groupDeleted"), 1);
        QCOMPARE(log.events().back().second, victim.id);
        QVERIFY(!groups->getGroup(victim.id, nullptr));

        const KyRegion gone = regions->regionList().back();
        KyRegionManage otherRegions;
        QCOMPARE(env.sendFromOther(&otherRegions, KyRegionManage::RT_SAVE,
                                   KyRegionManage::saveRequest(gone, 6)), 0);
        QTRY_COMPARE(log.count("regionDeleted"), 1);
        QVERIFY(!regions->getRegion(gone.id, nullptr));

        // A notification for an id this console does not hold emits nothing.
        env.server().pushToAll("DELETE", "MicGroup", "{\"Id\":\"987654\"}\n");
        env.server().pushToAll("DELETE", "Region", "not json");
        KyOrgSignalLog::settle();
        QCOMPARE(log.count("groupDeleted"), 1);
        QCOMPARE(log.count("regionDeleted"), 1);
    }

    // A list reply without rows empties the cache and is announced.
    void emptyListReplies()
    {
        const auto groupRows = env.server().rows("callservergroup");
        const auto regionRows = env.server().rows("region");
        env.server().setRows("callservergroup", {});
        env.server().setRows("region", {});
        QCOMPARE(groups->requestList(), 0);
        QCOMPARE(regions->requestList(), 0);
        QTRY_COMPARE(log.count("gotGroupList"), 1);
        QTRY_COMPARE(log.count("gotRegionList"), 1);
        QVERIFY(groups->groupList().empty());
        QVERIFY(regions->regionList().empty());
        QCOMPARE(groups->maxGroupId(), 0);
        QCOMPARE(regions->maxRegionId(), 0);

        env.server().setRows("callservergroup", groupRows);
        env.server().setRows("region", regionRows);
        QCOMPARE(groups->requestList(), 0);
        QCOMPARE(groups->groupList().size(), groupRows.size());
    }

private:
    static std::vector<int> kySplitIdsForTest(const std::string& text)
    {
        std::vector<int> ids;
        for (const QString& piece : QString::fromStdString(text).split(' ', Qt::SkipEmptyParts))
            ids.push_back(piece.toInt());
        return ids;
    }
};

QTEST_MAIN(TestOrgGroups)
#include "test_org_groups.moc"
