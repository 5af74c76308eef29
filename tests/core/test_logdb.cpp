#include <atomic>
#include <thread>

#include <QTcpServer>
#include <QtTest>

#include "KyLogDb.h"
#include "KyMySqlConnection.h"
#include "KySettings.h"
#include "KyTestLogDb.h"

namespace {
const int kTerminalRows = 250;
const int kTalkRows = 230;
const int kUserRows = 120;

std::string terminalName(int id)
{
    return "终端" + std::to_string(id);
}

// A page of the terminal log is right when its ids run down from the expected
// first one and every field belongs to its row.
bool terminalPageIsRight(const std::vector<KyLogEntry>& rows, int start, int count)
{
    const int expected = std::min(count, std::max(0, kTerminalRows - start));
    if (static_cast<int>(rows.size()) != expected)
        return false;
    for (int i = 0; i < expected; ++i) {
        const KyLogEntry& e = rows[i];
        const int id = kTerminalRows - start - i;
        if (e.id != id || e.name != terminalName(id) || e.time != std::to_string(1600000000 + id) ||
            e.terminalId != id % 7 || e.content != "action " + std::to_string(id))
            return false;
    }
    return true;
}

bool talkPageIsRight(const std::vector<KyLogEntry>& rows, int start, int count)
{
    const int expected = std::min(count, std::max(0, kTalkRows - start));
    if (static_cast<int>(rows.size()) != expected)
        return false;
    for (int i = 0; i < expected; ++i) {
        const int id = kTalkRows - start - i;
        if (rows[i].id != id || rows[i].callerId != id + 1000 || rows[i].callerName != "主叫" + std::to_string(id))
            return false;
    }
    return true;
}

int closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();  // closed again when server goes
}
}  // namespace

class TestLogDb : public QObject {
    Q_OBJECT

private:
    KyTestLogDb m_db;

    void fill()
    {
        QVERIFY(m_db.clearLogs());
        QVERIFY(m_db.exec("insert into terminallog (date,terminalId,name,type,ip,action) "
                          "select 1600000000+seq, seq%7, concat('终端',seq), 'IP', concat('10.0.0.',seq%250), "
                          "concat('action ',seq) from seq_1_to_" + std::to_string(kTerminalRows)));
        QVERIFY(m_db.exec("insert into talklog_bak (begin_time,end_time,callerId,calledId,callerName,calledName,"
                          "type,source_name,recordfile) select 1700000000+seq, 1700000060+seq, seq+1000, seq+2000, "
                          "concat('主叫',seq), concat('被叫',seq), seq%3, concat('音源',seq), "
                          "if(seq%2=0, concat('/record/2024/call_',seq,'.mp3'), null) from seq_1_to_" +
                          std::to_string(kTalkRows)));
        QVERIFY(m_db.exec("insert into userlog (name,ip,time,content) select concat('用户',seq), "
                          "concat('127.0.0.',seq), 1650000000+seq, concat('登录 ',seq) from seq_1_to_" +
                          std::to_string(kUserRows)));
    }

private slots:
    void initTestCase()
    {
        KY_REQUIRE_LOGDB(m_db);
        fill();
        m_db.useForConsole();
    }

    void countsPagesAndMappings()
    {
        QCOMPARE(openLogDatabase(m_db.host()), 0);
        QVERIFY(KyMySqlConnection::instance()->isSetUp());
        QVERIFY(KyMySqlConnection::instance()->isConnected());
        QCOMPARE(dbCountTerminalLog(), kTerminalRows);
        QCOMPARE(dbCountTalkLog(), kTalkRows);
        QCOMPARE(dbCountUserLog(), kUserRows);

        std::vector<KyLogEntry> rows;
        for (int start : {0, 100, 200, 250, 400}) {
            QCOMPARE(dbQueryTerminalLogPage(rows, start, 100), 0);
            QVERIFY2(terminalPageIsRight(rows, start, 100), qPrintable(QString("terminal page at %1").arg(start)));
        }
        QCOMPARE(dbQueryTerminalLogPage(rows, 0, 1), 0);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].type, std::string("IP"));
        QCOMPARE(rows[0].ip, std::string("10.0.0.0"));

        // Talkback: every column in place; a NULL recording gives an empty text.
        QCOMPARE(dbQueryTalkLogPage(rows, 0, 100), 0);
        QVERIFY(talkPageIsRight(rows, 0, 100));
        QCOMPARE(dbQueryTalkLogPage(rows, 200, 100), 0);
        QVERIFY(talkPageIsRight(rows, 200, 100));
        QCOMPARE(dbQueryTalkLogPage(rows, 228, 2), 0);
        QCOMPARE(rows.size(), size_t(2));
        const KyLogEntry& even = rows[0];
        QCOMPARE(even.id, 2);
        QCOMPARE(even.time, std::string("1700000002"));
        QCOMPARE(even.endTime, std::string("1700000062"));
        QCOMPARE(even.calledId, 2002);
        QCOMPARE(even.calledName, std::string("被叫2"));
        QCOMPARE(even.type, std::string("2"));
        QCOMPARE(even.content, std::string("音源2"));
        QCOMPARE(even.recordFile, std::string("/record/2024/call_2.mp3"));
        QCOMPARE(rows[1].id, 1);
        QCOMPARE(rows[1].recordFile, std::string());
        // The vector held terminal rows before: nothing of them is left over.
        QCOMPARE(even.name, std::string());
        QCOMPARE(even.ip, std::string());
        QCOMPARE(even.terminalId, 0);

        // User log by column position.
        QCOMPARE(dbQueryUserLogPage(rows, 100, 100), 0);
        QCOMPARE(rows.size(), size_t(20));
        QCOMPARE(rows.front().id, 20);
        QCOMPARE(rows.back().id, 1);
        QCOMPARE(rows.front().name, std::string("用户20"));
        QCOMPARE(rows.front().ip, std::string("127.0.0.20"));
        QCOMPARE(rows.front().time, std::string("1650000020"));
        QCOMPARE(rows.front().content, std::string("登录 20"));
        QCOMPARE(rows.front().endTime, std::string());
        QCOMPARE(rows.front().callerName, std::string());
        QCOMPARE(rows.front().recordFile, std::string());
        QCOMPARE(rows.front().callerId, 0);

        // A failing query leaves the rows empty.
        QVERIFY(!rows.empty());
        QCOMPARE(dbQueryUserLogPage(rows, -1, 100), -1);
        QVERIFY(rows.empty());
    }

    void reconnects()
    {
        QCOMPARE(openLogDatabase(m_db.host()), 0);
        QCOMPARE(dbCountTerminalLog(), kTerminalRows);
        // The server drops the session: the next query connects again.
        QVERIFY(m_db.killConsoleSessions() >= 1);
        QCOMPARE(dbCountTerminalLog(), kTerminalRows);
        QVERIFY(KyMySqlConnection::instance()->isConnected());
        std::vector<KyLogEntry> rows;
        QVERIFY(m_db.killConsoleSessions() >= 1);
        QCOMPARE(dbQueryTerminalLogPage(rows, 0, 100), 0);
        QVERIFY(terminalPageIsRight(rows, 0, 100));

        // A closed connection is opened again with the stored parameters.
        KyMySqlConnection::instance()->close();
        QVERIFY(!KyMySqlConnection::instance()->isConnected());
        QCOMPARE(dbCountUserLog(), kUserRows);
        QVERIFY(KyMySqlConnection::instance()->isConnected());
    }

    void unreachableServer()
    {
        // A connection that was never set up refuses to query.
        KyMySqlConnection fresh;
        KyMySqlResult result;
        QVERIFY(!fresh.query("select 1", &result));
        QVERIFY(!fresh.isSetUp());

        m_db.useForConsole(closedPort());
        QCOMPARE(openLogDatabase(m_db.host()), -1);
        QVERIFY(KyMySqlConnection::instance()->isSetUp());
        QVERIFY(!KyMySqlConnection::instance()->isConnected());
        QCOMPARE(dbCountTerminalLog(), -1);
        QCOMPARE(dbCountTalkLog(), -1);
        std::vector<KyLogEntry> rows(3);
        QCOMPARE(dbQueryTalkLogPage(rows, 0, 100), -1);
        QVERIFY(rows.empty());

        m_db.useForConsole();
        QCOMPARE(openLogDatabase(m_db.host()), 0);
        QCOMPARE(dbCountTalkLog(), kTalkRows);
    }

    void twoThreadsShareTheConnection()
    {
        QCOMPARE(openLogDatabase(m_db.host()), 0);
        std::atomic<int> wrong{0};
        auto terminalPages = [&wrong] {
            std::vector<KyLogEntry> rows;
            for (int i = 0; i < 150; ++i) {
                const int start = (i * 37) % 300;
                if (dbQueryTerminalLogPage(rows, start, 100) != 0 || !terminalPageIsRight(rows, start, 100))
                    ++wrong;
            }
        };
        auto talkPages = [&wrong] {
            std::vector<KyLogEntry> rows;
            for (int i = 0; i < 150; ++i) {
                const int start = (i * 53) % 260;
                if (dbQueryTalkLogPage(rows, start, 100) != 0 || !talkPageIsRight(rows, start, 100))
                    ++wrong;
                if (dbCountTalkLog() != kTalkRows)
                    ++wrong;
            }
        };
        std::thread exporter(terminalPages);
        talkPages();
        exporter.join();
        QCOMPARE(wrong.load(), 0);
    }

    // The export's walk by key: the rows at and below an id, texts longer
    // than usual kept whole, and after the server dropped the session the
    // walk goes on.
    void walksByKey()
    {
        QCOMPARE(openLogDatabase(m_db.host()), 0);
        std::vector<KyLogEntry> rows;
        QCOMPARE(dbQueryTerminalLogUpTo(rows, 100, 100), 0);
        QVERIFY(terminalPageIsRight(rows, kTerminalRows - 100, 100));
        QCOMPARE(dbQueryTerminalLogUpTo(rows, 0, 100), 0);
        QVERIFY(rows.empty());

        std::string source, record;   // 360 and 600 bytes
        for (int i = 0; i < 200; ++i) {
            source += i < 120 ? "音" : "";
            record += "录";
        }
        QVERIFY(m_db.exec("update talklog_bak set source_name='" + source + "', recordfile='" + record +
                          "' where id=" + std::to_string(kTalkRows)));
        QCOMPARE(dbQueryTalkLogUpTo(rows, kTalkRows, 100), 0);
        QVERIFY(talkPageIsRight(rows, 0, 100));
        QCOMPARE(rows[0].content, source);
        QCOMPARE(rows[0].recordFile, record);
        QCOMPARE(rows[0].time, std::to_string(1700000000 + kTalkRows));
        QCOMPARE(rows[0].type, std::to_string(kTalkRows % 3));
        QCOMPARE(rows[1].recordFile, std::string());   // NULL
        QCOMPARE(rows[1].content, "音源" + std::to_string(kTalkRows - 1));

        QCOMPARE(dbQueryUserLogUpTo(rows, 60, 100), 0);
        QVERIFY(m_db.killConsoleSessions() >= 1);
        QCOMPARE(dbQueryUserLogUpTo(rows, 50, 100), 0);
        QCOMPARE(rows.size(), size_t(50));
        QCOMPARE(rows.front().name, std::string("用户50"));
        QCOMPARE(rows.back().content, std::string("登录 1"));
    }
};

QTEST_GUILESS_MAIN(TestLogDb)
#include "test_logdb.moc"
