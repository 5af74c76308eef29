// Server configuration and the logs read through the central server.

#include <QtTest>

#include "KyOrgTestSupport.h"
#include "KyServerConfigMgr.h"
#include "KyServiceLogMgr.h"
#include "KyTestParameters.h"

class TestOrgConfig : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KyServerConfigMgr* config = nullptr;
    KyServiceLogMgr* logs = nullptr;
    KyOrgSignalLog log;

    std::string parameter(const std::string& name) const { return parameterValue(env.server(), name); }
    void setParameter(const std::string& name, const std::string* value) { setParameterRow(env.server(), name, value); }

private slots:
    void initTestCase()
    {
        QVERIFY(env.start());
        config = KyServerConfigMgr::instance();
        logs = KyServiceLogMgr::instance();
        log.watchPlain(config, &KyServerConfigMgr::gotServerList, "gotServerList");
        log.watchPlain(config, &KyServerConfigMgr::gotBackupMd5, "gotBackupMd5");
        log.watch(logs, &KyServiceLogMgr::gotUserLogSize, "userSize");
        log.watch(logs, &KyServiceLogMgr::gotTalkLogSize, "talkSize");
        log.watch(logs, &KyServiceLogMgr::gotTermLogSize, "termSize");
        log.watch(logs, &KyServiceLogMgr::gotTalkRecordSize, "recordSize");
        log.watchPlain(logs, &KyServiceLogMgr::gotUserLogList, "userList");
        log.watchPlain(logs, &KyServiceLogMgr::gotTalkLogList, "talkList");
        log.watchPlain(logs, &KyServiceLogMgr::gotTermLogList, "termList");
        log.watchPlain(logs, &KyServiceLogMgr::gotTalkRecordList, "recordList");
    }

    void init()
    {
        KyOrgSignalLog::settle(50);
        log.clear();
    }

    void parametersAndLogServer()
    {
        env.server().setBusy("SqlConfig", 2);
        QCOMPARE(config->getSystemParameter(), 0);
        KY_COMPARE_JSON(env.lastBody("SqlConfig", "SystemParameter"), kyJsonOf({{"Sql", "select * from parameter"}}));
        QTRY_COMPARE(log.count("gotServerList"), 1);
        const auto rows = env.server().rows("parameter");
        const auto params = config->systemParameters();
        QCOMPARE(params.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(params[i].name, rows[i].text("name"));
            QCOMPARE(params[i].value, rows[i].text("value"));
            QCOMPARE(params[i].kind, KySystemParameter::kindOfName(rows[i].text("name")));
        }
        QCOMPARE(KySystemParameter::kindOfName("Record_Server"), 0);
        QCOMPARE(KySystemParameter::kindOfName("Talk_Log_Server"), 1);
        QCOMPARE(KySystemParameter::kindOfName("Vad_Ptt_Time_Out"), 2);
        QCOMPARE(KySystemParameter::kindOfName("System_Name"), 4);
        QCOMPARE(KySystemParameter::kindOfName("system_name"), 5);

        const std::string logServer = "127.0.0.1:3306";
        setParameter("Talk_Log_Server", &logServer);
        std::string host = "stale";
        QCOMPARE(config->getLogServer(host), 3306);
        QCOMPARE(host, std::string("127.0.0.1"));
        KY_COMPARE_JSON(env.lastBody("SqlConfig", "Log_Server"),
                        kyJsonOf({{"Sql", "select * from parameter where name = 'Talk_Log_Server'"}}));
        setParameter("Talk_Log_Server", nullptr);
        QCOMPARE(config->getLogServer(host), 0);
        QCOMPARE(host, std::string());
    }

    // Every change request: exact body, the server's result, busy retried.
    void parameterChanges()
    {
        QCOMPARE(config->setSystemParameter("教学楼广播系统", 173), 0);
        KY_COMPARE_JSON(env.lastBody("SystemParameter"),
                        kyJsonOf({{"Action", "Mod"}, {"Name", "System_Name"}, {"Value", "教学楼广播系统"}}));
        QCOMPARE(parameter("System_Name"), std::string("教学楼广播系统"));
        QCOMPARE(config->setSystemParameter("127.0.0.1:8100", 176), 0);
        KY_COMPARE_JSON(env.lastBody("SystemParameter"),
                        kyJsonOf({{"Action", "Mod"}, {"Name", "Record_Server"}, {"Value", "127.0.0.1:8100"}}));
        env.server().setBusy("SystemParameter", 2);
        const int before = env.sent("SystemParameter");
        QCOMPARE(config->setSystemParameter("127.0.0.1:3307", 179), 0);
        QCOMPARE(env.sent("SystemParameter") - before, 3);
        KY_COMPARE_JSON(env.lastBody("SystemParameter"),
                        kyJsonOf({{"Action", "Mod"}, {"Name", "Talk_Log_Server"}, {"Value", "127.0.0.1:3307"}}));
        QCOMPARE(config->setVadPttTimeOut("45"), 0);
        KY_COMPARE_JSON(env.lastBody("SystemParameter"),
                        kyJsonOf({{"Action", "Mod"}, {"Name", "Vad_Ptt_Time_Out"}, {"Value", "45"}}));
        QCOMPARE(parameter("Vad_Ptt_Time_Out"), std::string("45"));

        QCOMPARE(config->setSystemParameter("n3w-Pass", 180), 0);
        KY_COMPARE_JSON(env.lastBody("ModTalkManagerInfo"),
                        kyJsonOf({{"Action", "Mod"}, {"Name", "admin"}, {"PassWord", "n3w-Pass"}}));
        env.server().setStatus("SystemParameter", 403);
        QCOMPARE(config->setSystemParameter("x", 173), 1);
        env.server().setNoAnswer("SystemParameter", 1);
        QCOMPARE(config->setVadPttTimeOut("50"), 3);
        const int sent = int(env.server().received().size());
        QCOMPARE(config->setSystemParameter("x", 175), -1);
        QCOMPARE(config->sendRequest2(181, "a", "b"), -1);
        QCOMPARE(int(env.server().received().size()), sent);
    }

    void backupAndRestore()
    {
        QCOMPARE(config->sendRequest(181, "KYO_2024-05-06.backup"), 0);
        KY_COMPARE_JSON(env.lastBody("DataBackup"), kyJsonOf({{"BackupFile", "KYO_2024-05-06.backup"}}));
        QTRY_COMPARE(log.count("gotBackupMd5"), 1);
        QCOMPARE(config->backupFile(), std::string("KYO_2024-05-06.backup"));
        const std::string md5 = config->backupMd5();
        QCOMPARE(md5.size(), size_t(32));
        QVERIFY(md5.find_first_not_of("0123456789abcdef") == std::string::npos);

        QCOMPARE(config->sendRequest2(182, "KYO_2024-05-06.backup", md5), 0);
        KY_COMPARE_JSON(env.lastBody("DataRecovery"),
                        kyJsonOf({{"RecoveryFile", "KYO_2024-05-06.backup"}, {"Md5", md5}}));
        QCOMPARE(config->sendRequest2(182, "KYO_2024-05-06.backup", std::string(32, '0')), 1);
        QCOMPARE(config->sendRequest2(182, "KYO_1999-01-01.backup", md5), 1);
        env.server().setStatus("DataBackup", 403);
        QCOMPARE(config->sendRequest(181, "KYO_2024-05-07.backup"), 1);
        KyOrgSignalLog::settle();
        QCOMPARE(log.count("gotBackupMd5"), 1);
        QCOMPARE(config->backupFile(), std::string("KYO_2024-05-06.backup"));
    }

    // The eight kinds: exact queries, counts, newest-first pages of 100.
    void serviceLogs()
    {
        static const char* const subtypes[] = {"UserLogCount", "UserLog", "TalkLogCount", "TalkLog",
                                               "TermLogCount", "TermLog", "RecordCount", "Record"};
        static const char* const sqls[] = {
            "select count(*) from userlog;", "select * from userlog order by id DESC limit 0, 100 ",
            "select count(*) from talklog;", "select * from talklog order by id DESC limit 0, 100",
            "select count(*) from terminallog;", "select * from terminallog order by id DESC limit 0, 100",
            "select count(*) from talklog;", "select * from talklog order by id DESC limit 0, 100"};
        for (int kind = 0; kind < 8; ++kind) {
            QCOMPARE(logs->requestLogs(kind, 0), 0);
            KY_COMPARE_JSON(env.lastBody("SqlLog", subtypes[kind]), kyJsonOf({{"Sql", sqls[kind]}}));
        }
        QCOMPARE(logs->requestLogs(8, 0), -1);
        QTRY_COMPARE(int(log.events().size()), 8);
        const std::vector<std::pair<std::string, int>> expected = {
            {"userSize", int(env.server().rows("userlog").size())}, {"userList", 0},
            {"talkSize", int(env.server().rows("talklog").size())}, {"talkList", 0},
            {"termSize", int(env.server().rows("terminallog").size())}, {"termList", 0},
            {"recordSize", int(env.server().rows("talklog").size())}, {"recordList", 0}};
        QCOMPARE(log.events(), expected);

        const auto userRows = env.server().rows("userlog");
        const auto user = logs->userLogList();
        QCOMPARE(int(user.size()), 100);
        QCOMPARE(user.front().id, int(userRows.size()));
        QCOMPARE(std::prev(user.end())->id, int(userRows.size()) - 99);
        const KyRow& newestUser = userRows.back();
        QCOMPARE(user.front().name, newestUser.at(1));
        QCOMPARE(user.front().ip, newestUser.at(2));
        QCOMPARE(user.front().time, newestUser.at(3));
        QCOMPARE(user.front().content, newestUser.at(4));

        const auto term = logs->termLogList();
        const KyRow newestTerm = env.server().rows("terminallog").back();
        QCOMPARE(term.front().id, newestTerm.toInt("id"));
        QCOMPARE(term.front().time, newestTerm.text("date"));
        QCOMPARE(term.front().terminalId, newestTerm.toInt("terminalId"));
        QCOMPARE(term.front().content, newestTerm.text("action"));
        QCOMPARE(term.front().ip, newestTerm.text("ip"));

        // Second page of recordings; a record is found only on the stored page.
        const auto talkRows = env.server().rows("talklog");
        QCOMPARE(logs->requestLogs(7, 100), 0);
        QTRY_COMPARE(log.count("recordList"), 2);
        const auto records = logs->talkRecordList();
        QCOMPARE(records.front().id, int(talkRows.size()) - 100);
        const KyRow* row = nullptr;
        for (const KyRow& r : talkRows)
            if (r.toInt("id") == records.front().id)
                row = &r;
        QVERIFY(row);
        KyLogEntry rec;
        QVERIFY(logs->getTalkRecord(records.front().id, rec));
        QCOMPARE(rec.time, row->text("begin_time"));
        QCOMPARE(rec.endTime, row->text("end_time"));
        QCOMPARE(rec.callerId, row->toInt("callerId"));
        QCOMPARE(rec.calledName, row->text("calledName"));
        QCOMPARE(rec.type, row->text("type"));
        QCOMPARE(rec.content, row->text("source_name"));
        QCOMPARE(rec.recordFile, row->text("recordfile"));
        QVERIFY(!logs->getTalkRecord(int(talkRows.size()), rec));
        QCOMPARE(logs->talkLogList().front().id, int(talkRows.size()));

        // A failed page request keeps the stored page.
        env.server().setStatus("SqlLog", 403);
        QCOMPARE(logs->requestLogs(1, 200), 1);
        QCOMPARE(logs->userLogList().front().id, int(userRows.size()));
    }
};

QTEST_MAIN(TestOrgConfig)
#include "test_org_config.moc"
