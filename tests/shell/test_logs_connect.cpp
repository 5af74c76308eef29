// A log database that cannot be reached: the first page to try says so, the
// pages after it show one empty page without a message.

#include <memory>

#include <QTcpServer>
#include <QtTest>

#include "KyLogPageTestSupport.h"
#include "KyModalCatcher.h"
#include "KyMySqlConnection.h"
#include "KySettings.h"
#include "KyTalkRecordForm.h"
#include "KyTermLogInfoForm.h"
#include "KyTestSession.h"
#include "KyUserLogInfoForm.h"

class TestLogsConnect : public QObject {
    Q_OBJECT

private slots:
    void unreachableLogServer()
    {
        // A loopback port that nobody listens on.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const int port = probe.serverPort();
        probe.close();
        QTemporaryDir dir;
        const QString config = dir.filePath("config.ini");
        QSettings(config, QSettings::IniFormat).setValue("Setting/MySqlPort", port);
        kySetConfigPath(config);
        loadPortSettings();

        KyTestSession session;
        const std::string server = "127.0.0.1:" + std::to_string(port);
        setLogServer(session.server(), &server);
        QVERIFY(!KyMySqlConnection::instance()->isSetUp());

        KyModalCatcher catcher;
        KyTermLogInfoForm term;
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("Talkback log server connect error!")});
        QCOMPARE(catcher.titles, QStringList{QStringLiteral("Tips")});
        QCOMPARE(labelText(&term, "fPageLabel"), QStringLiteral("0/0"));
        QCOMPARE(labelText(&term, "fDataSourceLabel"), QStringLiteral("TextLabel"));
        QCOMPARE(rowCount(&term), 0);

        catcher.clear();
        KyUserLogInfoForm user;
        KyTalkRecordForm record;
        QCOMPARE(catcher.texts.size() + catcher.others, 0);
        QCOMPARE(labelText(&user, "fPageLabel"), QStringLiteral("1/1"));
        QCOMPARE(labelText(&user, "fDataSourceLabel"), QStringLiteral("[ 日志主机：127.0.0.1 ]"));
        QCOMPARE(rowCount(&user), 0);
        QCOMPARE(labelText(&record, "fPageLabel"), QStringLiteral("1/1"));
        QCOMPARE(labelText(&record, "fDataSourceLabel"), QStringLiteral("[ 录音主机：127.0.0.1 ]"));
        QCOMPARE(user.recordCount(), -1);
    }
};

QTEST_MAIN(TestLogsConnect)
#include "test_logs_connect.moc"
