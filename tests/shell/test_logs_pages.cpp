// Log pages: paging arithmetic, bounds, refresh, both roads (real MariaDB and
// the stand-in server's log service).

#include <memory>

#include <QtTest>

#include "KyLogPageTestSupport.h"
#include "KyModalCatcher.h"
#include "KyTalkLogInfoForm.h"
#include "KyTermLogInfoForm.h"
#include "KyTestLogDb.h"
#include "KyTestSession.h"
#include "KyUserLogInfoForm.h"

class TestLogsPages : public QObject {
    Q_OBJECT

private:
    KyTestLogDb db;
    std::unique_ptr<KyTestSession> session;

    bool fillUserLog(int from, int to)
    {
        return db.exec("insert into userlog (id,name,ip,time,content) select seq, concat('用户',seq), "
                       "concat('192.168.1.',seq%250), 1600000000+seq, concat('内容 ',seq) from seq_" +
                       std::to_string(from) + "_to_" + std::to_string(to));
    }

    int sqlLogRequests() const { return static_cast<int>(session->server().received("SqlLog").size()); }

private slots:
    void initTestCase()
    {
        KY_REQUIRE_LOGDB(db);
        db.useForConsole();
        session.reset(new KyTestSession);
        QVERIFY(session->loggedIn());
    }

    void pageCountArithmetic()
    {
        QCOMPARE(KyLogInfoFormBase::pageCountOf(-1), 1);
        QCOMPARE(KyLogInfoFormBase::pageCountOf(0), 1);
        QCOMPARE(KyLogInfoFormBase::pageCountOf(1), 1);
        QCOMPARE(KyLogInfoFormBase::pageCountOf(100), 1);
        QCOMPARE(KyLogInfoFormBase::pageCountOf(101), 2);
        QCOMPARE(KyLogInfoFormBase::pageCountOf(250), 3);
    }

    void directRoadPagingAndRefresh()
    {
        const std::string server = "127.0.0.1:3306";
        setLogServer(session->server(), &server);
        QVERIFY(db.clearLogs());
        QVERIFY(fillUserLog(1, 101));

        KyUserLogInfoForm page;
        QVERIFY(page.directRoad());
        QCOMPARE(labelText(&page, "fDataSourceLabel"), QStringLiteral("[ 日志主机：127.0.0.1 ]"));
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/2"));
        QCOMPARE(rowCount(&page), 100);
        QCOMPARE(cellText(&page, 0, 0), dateText(1600000101));   // newest first
        QCOMPARE(cellText(&page, 0, 1), QStringLiteral("用户101"));
        QCOMPARE(cellText(&page, 0, 2), QStringLiteral("192.168.1.101"));
        QCOMPARE(cellText(&page, 99, 3), QStringLiteral("内容 2"));
        // The dates are whole, not elided.
        QAbstractItemView* view = page.findChild<QTableWidget*>(QStringLiteral("fTableWidget"));
        const int width = static_cast<QTableWidget*>(view)->columnWidth(0);
        QVERIFY2(width >= view->sizeHintForColumn(0), qPrintable(QString::number(width)));

        QTest::mouseClick(button(&page, "fPrevious"), Qt::LeftButton);   // page 1: nothing
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/2"));
        QCOMPARE(rowCount(&page), 100);
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("2/2"));
        QCOMPARE(rowCount(&page), 1);
        QCOMPARE(cellText(&page, 0, 1), QStringLiteral("用户1"));
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);        // last page: nothing
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("2/2"));
        QCOMPARE(rowCount(&page), 1);

        // Rows added since the load are counted again by a refresh.
        QVERIFY(fillUserLog(102, 250));
        QPushButton* refresh = button(&page, "fRefreshButton");
        QTest::mouseClick(refresh, Qt::LeftButton);
        QVERIFY(!refresh->isEnabled());
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/3"));
        QCOMPARE(cellText(&page, 0, 1), QStringLiteral("用户250"));
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);
        QTest::mouseClick(refresh, Qt::LeftButton);   // disabled: ignored
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("2/3"));
        QTRY_VERIFY_WITH_TIMEOUT(refresh->isEnabled(), 3000);
        QTest::mouseClick(refresh, Qt::LeftButton);
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/3"));

        // Empty log: one page, no rows; 100 rows: still one page.
        KyTermLogInfoForm term;
        QCOMPARE(labelText(&term, "fPageLabel"), QStringLiteral("1/1"));
        QCOMPARE(rowCount(&term), 0);
        QVERIFY(db.exec("insert into terminallog (date,terminalId,name,type,ip,action) select 1600000000+seq, seq, "
                        "concat('终端',seq), 'IP', '10.1.1.1', '上线' from seq_1_to_100"));
        QTest::mouseClick(button(&term, "fRefreshButton"), Qt::LeftButton);
        QCOMPARE(labelText(&term, "fPageLabel"), QStringLiteral("1/1"));
        QCOMPARE(rowCount(&term), 100);
        QCOMPARE(cellText(&term, 0, 1), QStringLiteral("100"));
        QCOMPARE(cellText(&term, 0, 3), QStringLiteral("IP"));
        QCOMPARE(cellText(&term, 0, 5), QStringLiteral("上线"));
    }

    void directRoadTalkCells()
    {
        const std::string server = "127.0.0.1:3306";
        setLogServer(session->server(), &server);
        QVERIFY(db.clearLogs());
        QVERIFY(db.exec("insert into talklog_bak (begin_time,end_time,callerId,calledId,callerName,calledName,type,"
                        "source_name) values (0,60,1,2,'甲','乙',0,''),(1600000000,1600000060,3,4,'a','b',1,'x'),"
                        "(1600000100,1600000160,5,6,'c','d',2,'铃声'),(1600000200,1600000260,7,8,'e','f',7,'y')"));
        KyTalkLogInfoForm page;
        QCOMPARE(rowCount(&page), 4);
        QCOMPARE(cellText(&page, 3, 6), QStringLiteral("EmergencyHelp"));
        QCOMPARE(cellText(&page, 3, 0), dateText(0));
        QCOMPARE(cellText(&page, 3, 1), dateText(60));
        QCOMPARE(cellText(&page, 2, 6), QStringLiteral("Talkback"));
        QCOMPARE(cellText(&page, 1, 6), QStringLiteral("Broadcast"));
        QCOMPARE(cellText(&page, 1, 7), QStringLiteral("铃声"));
        QCOMPARE(cellText(&page, 0, 6), QStringLiteral("7"));
        QCOMPARE(cellText(&page, 0, 2), QStringLiteral("7"));
        QCOMPARE(cellText(&page, 0, 5), QStringLiteral("f"));

        // Export of an empty page is refused with a message.
        QVERIFY(db.clearLogs());
        QTest::mouseClick(button(&page, "fRefreshButton"), Qt::LeftButton);
        QCOMPARE(rowCount(&page), 0);
        KyModalCatcher catcher;
        QTest::mouseClick(button(&page, "fLogDownloadBt"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("日志记录不存在!")});
        QCOMPARE(catcher.others, 0);
    }

    void serviceRoad()
    {
        setLogServer(session->server(), nullptr);
        session->server().setRows("userlog", userRows(101));
        session->server().clearReceived();

        KyUserLogInfoForm page;
        QVERIFY(!page.directRoad());
        QCOMPARE(labelText(&page, "fDataSourceLabel"), QStringLiteral("[ 日志主机：Local ]"));
        QTRY_COMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/2"));
        QTRY_COMPARE(rowCount(&page), 100);
        QCOMPARE(cellText(&page, 0, 1), QStringLiteral("操作员101"));
        QCOMPARE(cellText(&page, 0, 0), dateText(1600000101));
        QCOMPARE(cellText(&page, 0, 2), QStringLiteral("10.0.0.101"));

        QTest::mouseClick(button(&page, "fPrevious"), Qt::LeftButton);
        const int before = sqlLogRequests();
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);
        QCOMPARE(sqlLogRequests(), before + 1);
        QVERIFY(session->server().received("SqlLog").back().body.find("limit 100, 100") != std::string::npos);
        QTRY_COMPARE(rowCount(&page), 1);
        QCOMPARE(labelText(&page, "fPageLabel"), QStringLiteral("2/2"));
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);   // last page: no request
        QCOMPARE(sqlLogRequests(), before + 1);

        // A refresh asks for the count again, so added rows make a third page.
        session->server().setRows("userlog", userRows(201));
        QTest::mouseClick(button(&page, "fRefreshButton"), Qt::LeftButton);
        QTRY_COMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/3"));
        QTRY_COMPARE(cellText(&page, 0, 1), QStringLiteral("操作员201"));

        // Busy answers are repeated until the page arrives.
        session->server().setBusy("SqlLog", 2);
        QTest::mouseClick(button(&page, "fNext"), Qt::LeftButton);
        QTRY_COMPARE(labelText(&page, "fPageLabel"), QStringLiteral("2/3"));
        QTRY_COMPARE(cellText(&page, 0, 1), QStringLiteral("操作员101"));

        // No export on this road.
        KyModalCatcher catcher;
        QTest::mouseClick(button(&page, "fLogDownloadBt"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("日志主机不存在，请选配主机!")});
    }

    void cleanupTestCase()
    {
        session.reset();
    }
};

QTEST_MAIN(TestLogsPages)
#include "test_logs_pages.moc"
