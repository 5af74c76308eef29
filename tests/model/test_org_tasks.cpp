// Tasks: execution-time parsing, request bodies, results, delete outcomes
// and pushes.

#include <QtTest>

#include "KyExecTime.h"
#include "KyOrgTestSupport.h"
#include "KySsTaskDataMgr.h"
#include "KyTestRow.h"

class TestOrgTasks : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KySsTaskDataMgr* tasks = nullptr;
    KyOrgSignalLog log;

    static KySsTask timerTask()
    {
        KySsTask t;
        t.name = "课间操音乐";
        t.sourceCategory = 3;
        t.sourceType = 1;
        t.timerPlanId = 1;
        t.sourceContent = "/music/广播操.mp3@#$%/music/眼保健操.mp3";
        t.playVol = 85;
        t.duration = 0;
        t.playTimes = 2;
        t.openAmp = 5;
        t.week = 31;
        t.startDate = 1714492800;
        t.endDate = 2000000000;
        t.executeTime = "上午#$%35400!!!下午#$%54000";
        t.terminalId = "3001 3002";
        return t;
    }

    static Json::Value fullBody(const char* action, const KySsTask& t)
    {
        return kyJsonOf({{"Action", action}, {"Id", std::to_string(t.id)}, {"Name", t.name},
                         {"SourceCategory", "3"}, {"SourceType", "1"}, {"TimerPlanId", "1"},
                         {"SourceContent", t.sourceContent}, {"PlayVol", "85"}, {"Duration", "0"},
                         {"PlayTimes", "2"}, {"OpenAmp", "5"}, {"Week", "31"}, {"StartDate", "1714492800"},
                         {"EndDate", "2000000000"}, {"ExecuteTime", t.executeTime}, {"TerminalId", "3001 3002"}});
    }

    int newestTaskId() const
    {
        int id = 0;
        for (const KySsTask& t : tasks->taskList())
            id = std::max(id, t.id);
        return id;
    }

private slots:
    void execTimeParsing()
    {
        auto parsed = kyParseExecTimes("Morning#$%30600!!!Noon#$%43200");
        QCOMPARE(int(parsed.size()), 2);
        QCOMPARE(parsed.front().labelText(), std::string("Morning"));
        QCOMPARE(parsed.front().seconds, int64_t(30600));
        QCOMPARE(parsed.front().origin, 2);
        QCOMPARE(parsed.back().seconds, int64_t(43200));

        QVERIFY(kyParseExecTimes("").empty());
        QVERIFY(kyParseExecTimes("!!!").empty());
        QVERIFY(kyParseExecTimes("!!!!!!#$%").empty());
        QVERIFY(kyParseExecTimes("#$%").empty());
        QVERIFY(kyParseExecTimes("a#$%1#$%2").empty());   // three parts
        QVERIFY(kyParseExecTimes("late#$%").empty());     // one part
        parsed = kyParseExecTimes("#$%30600");
        QCOMPARE(int(parsed.size()), 1);
        QCOMPARE(parsed.front().labelText(), std::string());
        parsed = kyParseExecTimes("!!!x!!!b#$%5!!!c#$%-7!!!");
        QCOMPARE(int(parsed.size()), 2);
        QCOMPARE(parsed.front().labelText(), std::string("b"));
        QCOMPARE(parsed.back().seconds, int64_t(-7));

        // Labels are cut to 31 bytes, never inside a character.
        parsed = kyParseExecTimes(std::string(40, 'L') + "#$%60");
        QCOMPARE(parsed.front().labelText(), std::string(31, 'L'));
        parsed = kyParseExecTimes(std::string(31, 'k') + "#$%60");
        QCOMPARE(parsed.front().labelText(), std::string(31, 'k'));
        const QString chinese = QString::fromUtf8("第一节课上课铃声提醒广播");   // 12 characters, 36 bytes
        parsed = kyParseExecTimes(chinese.toStdString() + "#$%28800");
        QCOMPARE(parsed.front().labelText().size(), size_t(30));
        QCOMPARE(QString::fromStdString(parsed.front().labelText()), chinese.left(10));
        KyExecTime t;
        t.setLabel("a" + QString(16, QChar(0xE9)).toStdString());   // 1 + 32 bytes
        QCOMPARE(t.labelText().size(), size_t(31));
        QCOMPARE(QString::fromStdString(t.labelText()), "a" + QString(15, QChar(0xE9)));
        QCOMPARE(KyExecTime().seconds, int64_t(-1));
    }

    void initTestCase()
    {
        QVERIFY(env.start());
        tasks = KySsTaskDataMgr::instance();
        log.watchPlain(tasks, &KySsTaskDataMgr::gotTaskList, "gotTaskList");
        log.watch(tasks, &KySsTaskDataMgr::taskChanged, "taskChanged");
        log.watch(tasks, &KySsTaskDataMgr::taskDeleted, "taskDeleted");
        log.watchText(tasks, &KySsTaskDataMgr::taskDeleteFailed, "taskDeleteFailed");
    }

    void init()
    {
        env.server().setPushTarget(KyTestServer::PushOthers);
        KyOrgSignalLog::settle(50);
        log.clear();
    }

    void listLoaded()
    {
        const auto rows = env.server().rows("soundsource");
        QCOMPARE(tasks->taskList().size(), rows.size());
        KySsTask t;
        QVERIFY(tasks->getTask(rows.front().toInt("id"), t));
        QCOMPARE(t.executeTime, rows.front().text("executeTime"));
        QCOMPARE(t.execTimeList.size(), kyParseExecTimes(t.executeTime).size());
        QCOMPARE(int(t.terminalIdList.size()), QString::fromStdString(t.terminalId).split(' ', Qt::SkipEmptyParts).size());
        QCOMPARE(t.startDate, rows.front().toInt("startDate"));
    }

    // Every field goes out as text, dates included; the reply's row enters
    // the cache; start and stop carry only the action and the id.
    void taskBodiesAndReplies()
    {
        KySsTask t = timerTask();
        QCOMPARE(tasks->saveTask(t, 0), 0);
        KY_COMPARE_JSON(env.lastBody("SoundSource"), fullBody("Add", t));
        QTRY_COMPARE(log.count("taskChanged"), 1);
        const int id = log.events().back().second;
        QCOMPARE(id, newestTaskId());
        KySsTask stored;
        QVERIFY(tasks->getTask(id, stored));
        QCOMPARE(stored.name, t.name);
        QCOMPARE(int(stored.execTimeList.size()), 2);
        QCOMPARE(stored.execTimeList.back().seconds, int64_t(54000));
        QCOMPARE(stored.terminalIdList, (std::list<int32_t>{3001, 3002}));
        QCOMPARE(stored.endDate, 2000000000);

        stored.playVol = 85;
        stored.name = "课间操音乐（改）";
        QCOMPARE(tasks->saveTask(stored, 1), 0);
        Json::Value mod = fullBody("Mod", stored);
        mod["Name"] = stored.name;
        KY_COMPARE_JSON(env.lastBody("SoundSource"), mod);
        QTRY_COMPARE(log.count("taskChanged"), 2);
        QVERIFY(tasks->getTask(id, stored));
        QCOMPARE(stored.name, std::string("课间操音乐（改）"));

        QCOMPARE(tasks->saveTask(stored, 3), 0);
        KY_COMPARE_JSON(env.lastBody("SoundSourceSwitch"), kyJsonOf({{"Action", "Start"}, {"Id", std::to_string(id)}}));
        QCOMPARE(tasks->saveTask(stored, 4), 0);
        KY_COMPARE_JSON(env.lastBody("SoundSourceSwitch"), kyJsonOf({{"Action", "Stop"}, {"Id", std::to_string(id)}}));
        QCOMPARE(tasks->saveTask(stored, 5), -1);
        QCOMPARE(tasks->saveTask(stored, -1), -1);

        QCOMPARE(tasks->saveTask(stored, 2), 0);
        Json::Value del = fullBody("Del", stored);
        del["Name"] = stored.name;
        KY_COMPARE_JSON(env.lastBody("SoundSource"), del);
        QTRY_COMPARE(log.count("taskDeleted"), 1);
        QCOMPARE(log.events().back().second, id);
        QVERIFY(!tasks->getTask(id, stored));
    }

    // The server's answer is what the caller gets; busy is retried; only the
    // server's reply changes the cache.
    void taskSaveResults()
    {
        KySsTask t = timerTask();
        env.server().setBusy("SoundSource", 2);
        const int before = env.sent("SoundSource");
        QCOMPARE(tasks->saveTask(t, 0), 0);
        QCOMPARE(env.sent("SoundSource") - before, 3);
        QTRY_COMPARE(log.count("taskChanged"), 1);
        const int id = log.events().back().second;
        log.clear();

        KySsTask changed;
        QVERIFY(tasks->getTask(id, changed));
        changed.name = "不应出现";
        env.server().setStatus("SoundSource", 403);
        QCOMPARE(tasks->saveTask(changed, 1), 1);
        env.server().setNoAnswer("SoundSource", 1);
        QCOMPARE(tasks->saveTask(changed, 1), 3);
        env.server().setStatus("SoundSourceSwitch", 404);
        QCOMPARE(tasks->saveTask(changed, 3), 1);
        KyOrgSignalLog::settle();
        QVERIFY(log.events().empty());
        KySsTask cached;
        QVERIFY(tasks->getTask(id, cached));
        QCOMPARE(cached.name, t.name);

        // A running task is not deleted: the reason comes back, the cache stays.
        QCOMPARE(tasks->saveTask(cached, 3), 0);
        QCOMPARE(tasks->saveTask(cached, 2), 1);
        QTRY_COMPARE(log.count("taskDeleteFailed"), 1);
        QVERIFY(!log.texts().back().isEmpty());
        QVERIFY(tasks->getTask(id, cached));
        QCOMPARE(tasks->saveTask(cached, 4), 0);
        QCOMPARE(tasks->saveTask(cached, 2), 0);
        QTRY_COMPARE(log.count("taskDeleted"), 1);
        QVERIFY(!tasks->getTask(id, cached));
    }

    // Changes made by the second console arrive as pushes.
    void pushesFromOtherConsole()
    {
        KySsTaskManage other;
        KySsTask t = timerTask();
        t.name = "其他控制台任务";
        QCOMPARE(env.sendFromOther(&other, KySsTaskManage::RT_ADD, KySsTaskManage::saveRequest(t, 0)), 0);
        QTRY_COMPARE(log.count("taskChanged"), 1);
        const int id = log.events().back().second;
        KySsTask seen;
        QVERIFY(tasks->getTask(id, seen));
        QCOMPARE(seen.name, t.name);
        QCOMPARE(int(seen.execTimeList.size()), 2);

        seen.name = "其他控制台任务2";
        QCOMPARE(env.sendFromOther(&other, KySsTaskManage::RT_MODIFY, KySsTaskManage::saveRequest(seen, 1)), 0);
        QTRY_COMPARE(log.count("taskChanged"), 2);
        QVERIFY(tasks->getTask(id, seen));
        QCOMPARE(seen.name, std::string("其他控制台任务2"));

        QCOMPARE(env.sendFromOther(&other, KySsTaskManage::RT_DELETE, KySsTaskManage::saveRequest(seen, 2)), 0);
        QTRY_COMPARE(log.count("taskDeleted"), 1);
        QVERIFY(!tasks->getTask(id, seen));
        // The same deletion pushed again changes nothing.
        env.server().pushToAll("DELETE", "SoundSource", "{\"Id\":\"" + std::to_string(id) + "\",\"Result\":\"\"}\n");
        KyOrgSignalLog::settle();
        QCOMPARE(log.count("taskDeleted"), 1);
    }

    // Rows without a usable id are no tasks, in a list or pushed (however
    // often); an id named twice is one task (the later row); bytes after the
    // list's end cost none of its rows.
    void rowsWithoutUsableIds()
    {
        const auto rows = env.server().rows("soundsource");
        const std::vector<KyRow> bad = {kyTestRow({{"name", "无号"}}), kyTestRow({{"id", ""}}),
                                        kyTestRow({{"id", "abc"}, {"name", "abc"}}), kyTestRow({{"id", "-4"}})};
        std::vector<KyRow> list = bad;
        list.push_back(kyTestRow({{"id", "71"}, {"name", "旧"}}));
        list.push_back(kyTestRow({{"id", "72"}, {"name", "乙"}}));
        list.push_back(kyTestRow({{"id", "71"}, {"name", "新"}}));
        env.server().setStatus("SqlConfig", 200, 1, kyWriteRows(list) + "<Result><Row>");
        QCOMPARE(tasks->requestList(), 0);
        std::vector<std::pair<int, std::string>> stored;
        for (const KySsTask& t : tasks->taskList())
            stored.emplace_back(t.id, t.name);
        QVERIFY(stored == (std::vector<std::pair<int, std::string>>{{72, "乙"}, {71, "新"}}));
        for (int i = 0; i < 3; ++i)
            env.server().pushToAll("SqlConfig", "soundsource", kyWriteRows(bad));
        KyOrgSignalLog::settle();
        QCOMPARE(log.count("taskChanged"), 0);
        QCOMPARE(tasks->taskList().size(), size_t(2));
        QCOMPARE(tasks->requestList(), 0);
        QCOMPARE(tasks->taskList().size(), rows.size());
    }

    void emptyListReply()
    {
        const auto rows = env.server().rows("soundsource");
        env.server().setRows("soundsource", {});
        QCOMPARE(tasks->requestList(), 0);
        QTRY_COMPARE(log.count("gotTaskList"), 1);
        QVERIFY(tasks->taskList().empty());
        env.server().setRows("soundsource", rows);
        QCOMPARE(tasks->requestList(), 0);
        QCOMPARE(tasks->taskList().size(), rows.size());
    }
};

QTEST_MAIN(TestOrgTasks)
#include "test_org_tasks.moc"
