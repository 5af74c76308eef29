// CSV log export: GBK bytes, quoting, row numbers across pages, progress,
// result codes, the dialog, and the export sharing the connection with a page.

#include <limits>
#include <memory>

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "KyCharset.h"
#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyLogInfoFormBase.h"
#include "KyLogPageTestSupport.h"
#include "KyModalCatcher.h"
#include "KySettings.h"
#include "KyTalkLogInfoForm.h"
#include "KyTestLogDb.h"
#include "KyTestSession.h"
#include "LogExportDialog.h"
#include "LogExportThread.h"

namespace {

// RFC 4180 records of a whole file: quoted fields, "" inside them.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields << field;
            field.clear();
        } else if (c == '\n') {
            fields << field;   // the empty field after the trailing comma
            records << fields;
            fields.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return records;
}

QString gbkFileText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    std::string utf8;
    if (!gbkToUtf8(f.readAll().toStdString(), &utf8))
        return QStringLiteral("<not GBK>");
    return QString::fromStdString(utf8);
}

struct ExportRun {
    QList<long> progress;
    QList<int> results;
};

// Runs one export thread to its end, collecting its signals on this thread.
ExportRun runExport(const QString& path, int kind, const QStringList& titles = {QStringLiteral("序号")})
{
    ExportRun run;
    QObject ctx;
    auto* thread = new LogExportThread(path, titles, kind);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &LogExportThread::update_signal, &ctx, [&](long n) { run.progress << n; });
    QObject::connect(thread, &LogExportThread::finish_signal, &ctx, [&](int v) { run.results << v; });
    QPointer<LogExportThread> watch(thread);
    thread->start();
    if (!QTest::qWaitFor([&] { return watch.isNull(); }, 60000))
        qWarning("export thread still running after 60 s");
    QCoreApplication::processEvents();
    return run;
}

}  // namespace

class TestExportCsv : public QObject {
    Q_OBJECT

private:
    KyTestLogDb db;
    QTemporaryDir dir;
    std::unique_ptr<KyTestSession> session;

private slots:
    void initTestCase()
    {
        KY_REQUIRE_LOGDB(db);
        db.useForConsole();
        QCOMPARE(openLogDatabase(db.host()), 0);
    }

    void fieldsAndTypeTexts()
    {
        KyLogEntry e;
        e.time = "0";
        e.name = "张\"三\",\n二";
        e.ip = "1.2.3.4";
        e.content = "a\"\"b";
        const std::string line = LogExportThread::csvLine(1, 7, e);
        QCOMPARE(QString::fromStdString(line), "\"7\",\"" + dateText(0) + "\",\"张\"\"三\"\",\n二\",\"1.2.3.4\",\"a\"\"\"\"b\",");

        e.type = "1";
        QVERIFY(LogExportThread::csvLine(2, 1, e).find("\"对讲\"") != std::string::npos);
        QCOMPARE(LogExportThread::talkTypeText("2"), "广播");
        QCOMPARE(LogExportThread::talkTypeText("0"), "UNKNOW");
        QCOMPARE(LogExportThread::talkTypeText("7"), "UNKNOW");
        QCOMPARE(LogExportThread::talkTypeText(""), "UNKNOW");
        e.terminalId = 42;
        e.type = "Mic11";
        QCOMPARE(QString::fromStdString(LogExportThread::csvLine(3, 2, e)),
                 "\"2\",\"" + dateText(0) + "\",\"42\",\"张\"\"三\"\",\n二\",\"Mic11\",\"1.2.3.4\",\"a\"\"\"\"b\",");

        // GBK bytes; a character outside GBK costs only itself.
        QCOMPARE(QByteArray::fromStdString(LogExportThread::toGbk("对讲")), QByteArray("\xb6\xd4\xbd\xb2"));
        QCOMPARE(QByteArray::fromStdString(LogExportThread::toGbk("a😀b\n对")), QByteArray("a?b\n\xb6\xd4"));

        // Dates across minute, hour and day boundaries; numbers of any sign.
        for (qint64 t = 1600041500; t < 1600041800; t += 7)
            QCOMPARE(QString::fromStdString(kyLogDateText(std::to_string(t))), dateText(t));
        QCOMPARE(QString::fromStdString(kyLogDateText("1600000000abc")), dateText(1600000000));
        QCOMPARE(QString::fromStdString(kyLogDateText("")), dateText(0));
        QCOMPARE(kyLeadingNumber("99999999999999999999999"), std::numeric_limits<uint64_t>::max());
        std::string numbers;
        kyAppendCsvField(numbers, -12LL);
        kyAppendCsvField(numbers, 0LL);
        kyAppendCsvField(numbers, std::numeric_limits<long long>::min());
        QCOMPARE(numbers, std::string("\"-12\",\"0\",\"-9223372036854775808\","));

        QCOMPARE(LogExportDialog::exportPath("/d", "x"), QStringLiteral("/d/x.csv"));
        QCOMPARE(LogExportDialog::exportPath("/d", "x.csv"), QStringLiteral("/d/x.csv"));
        QCOMPARE(LogExportDialog::exportPath("/d", "x.CSV"), QStringLiteral("/d/x.CSV.csv"));
        QCOMPARE(LogExportDialog::defaultFileName(2), QStringLiteral("ky_talkback_log"));
        QCOMPARE(LogExportDialog::defaultFileName(9), QString());
    }

    void userLogAcrossPages()
    {
        QVERIFY(db.clearLogs());
        QVERIFY(db.exec("insert into userlog (id,name,ip,time,content) select seq, concat('用户',seq), '10.0.0.1', "
                        "1600000000+seq, concat('内容',seq) from seq_1_to_250"));
        QVERIFY(db.exec("update userlog set name='引号\"和,逗号', content='第一行\n第二行 \"\"' where id=200"));
        const QString path = dir.filePath("user.csv");
        const ExportRun run = runExport(path, 1, {"序号", "Date", "User Name", "IP", "Content"});
        QCOMPARE(run.results, QList<int>{1});
        QCOMPARE(run.progress, (QList<long>{33, 66, 100}));

        const QList<QStringList> records = parseCsv(gbkFileText(path));
        QCOMPARE(records.size(), 251);
        QCOMPARE(records[0], (QStringList{"序号", "Date", "User Name", "IP", "Content", ""}));
        for (int i = 1; i <= 250; ++i) {
            QCOMPARE(records[i].size(), 6);
            QCOMPARE(records[i][0], QString::number(i));
        }
        QCOMPARE(records[1][2], QStringLiteral("用户250"));   // newest first
        QCOMPARE(records[1][1], dateText(1600000250));
        QCOMPARE(records[250][2], QStringLiteral("用户1"));
        QCOMPARE(records[51][2], QStringLiteral("引号\"和,逗号"));
        QCOMPARE(records[51][4], QStringLiteral("第一行\n第二行 \"\""));
    }

    void resultCodes()
    {
        QVERIFY(db.clearLogs());
        const QString empty = dir.filePath("empty.csv");
        ExportRun run = runExport(empty, 3);
        QCOMPARE(run.results, QList<int>{0});
        QCOMPARE(QFileInfo(empty).size(), 0);

        run = runExport(dir.filePath("no/such/folder/x.csv"), 3);
        QCOMPARE(run.results, QList<int>{-1});

        QVERIFY(db.exec("rename table terminallog to terminallog_away"));
        run = runExport(dir.filePath("broken.csv"), 3);
        QVERIFY(db.exec("rename table terminallog_away to terminallog"));
        QCOMPARE(run.results, QList<int>{-2});

        run = runExport(QString(), 3);   // no path, no kind: nothing, no signal
        QVERIFY(run.results.isEmpty());
        run = runExport(dir.filePath("kind.csv"), 4);
        QVERIFY(run.results.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("kind.csv")));
    }

    // The export and a page's queries share one connection; each query holds
    // its lock, so a page read in the middle of an export is never mixed up.
    void exportWhilePagesQuery()
    {
        QVERIFY(db.clearLogs());
        QVERIFY(db.exec("insert into talklog_bak (begin_time,end_time,callerId,calledId,callerName,calledName,type,"
                        "source_name) select seq, seq+1, seq, seq+1, concat('呼叫',seq), 'b', seq%3, 's' "
                        "from seq_1_to_20000"));
        QVERIFY(db.exec("insert into userlog (id,name,ip,time,content) select seq, concat('u',seq), 'ip', seq, 'c' "
                        "from seq_1_to_300"));
        const QString path = dir.filePath("talk.csv");
        ExportRun run;
        QObject ctx;
        auto* thread = new LogExportThread(path, {"序号"}, 2);
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        QObject::connect(thread, &LogExportThread::finish_signal, &ctx, [&](int v) { run.results << v; });
        QPointer<LogExportThread> watch(thread);
        thread->start();
        int pages = 0;
        while (!watch.isNull()) {
            std::vector<KyLogEntry> rows;
            QCOMPARE(dbQueryUserLogPage(rows, 100, 100), 0);
            QCOMPARE(rows.size(), size_t(100));
            QCOMPARE(rows.front().id, 200);
            QCOMPARE(rows.back().id, 101);
            QCOMPARE(dbCountUserLog(), 300);
            ++pages;
            QCoreApplication::processEvents();
        }
        QCOMPARE(run.results, QList<int>{1});
        QVERIFY(pages > 0);
        const QList<QStringList> records = parseCsv(gbkFileText(path));
        QCOMPARE(records.size(), 20001);
        QCOMPARE(records[20000][0], QStringLiteral("20000"));
        QCOMPARE(records[1][4], QStringLiteral("呼叫20000"));
    }

    // Through the talkback page: the dialog gets the header titles, writes
    // the file, closes and reports; the folder is kept for the next time.
    void dialogFromPage()
    {
        session.reset(new KyTestSession);
        const std::string server = "127.0.0.1:3306";
        setLogServer(session->server(), &server);
        QVERIFY(db.clearLogs());
        QVERIFY(db.exec("insert into talklog_bak (begin_time,end_time,callerId,calledId,callerName,calledName,type,"
                        "source_name) values (1600000000,1600000060,3,4,'甲,\"','乙',2,'铃声')"));
        const QString config = dir.filePath("config.ini");
        kySetConfigPath(config);
        const QString folder = dir.filePath("out");
        QVERIFY(QDir().mkpath(folder));

        KyTalkLogInfoForm page;
        KyModalCatcher catcher([&](QDialog* d) {
            auto* export_ = qobject_cast<LogExportDialog*>(d);
            QVERIFY(export_);
            QCOMPARE(d->findChild<QLineEdit*>("file_name_le")->text(), QStringLiteral("ky_talkback_log"));
            d->findChild<QComboBox*>("directoryComboBox")->setEditText(folder);
            QTest::mouseClick(d->findChild<QPushButton*>("fExportBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&page, "fLogDownloadBt"), Qt::LeftButton);
        QTRY_COMPARE(catcher.texts, QStringList{QStringLiteral("日志下载完成！")});
        const QList<QStringList> records = parseCsv(gbkFileText(folder + "/ky_talkback_log.csv"));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0], (QStringList{"序号", "Begin Time", "End Time", "Caller Code", "Caller Name",
                                          "Called Code", "Called Name", "Type", "Content", ""}));
        QCOMPARE(records[1], (QStringList{"1", dateText(1600000000), dateText(1600000060), "3", "甲,\"", "4", "乙",
                                          "广播", "铃声", ""}));
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("LogLastFilePath").toString(), folder);

        // The folder comes back first; an empty log leaves the dialog open with its message.
        LogExportDialog dialog(nullptr, {"序号"}, 3);
        QCOMPARE(dialog.findChild<QComboBox*>("directoryComboBox")->currentText(), folder);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("fExportBtn"), Qt::LeftButton);
        QTRY_VERIFY(dialog.findChild<QWidget*>("message_widget")->isVisible());
        QCOMPARE(dialog.findChild<QLabel*>("msg_lable")->text(), QStringLiteral("日志空！"));
        QCOMPARE(dialog.findChild<QPushButton*>("fCancelBtn")->text(), QStringLiteral("确定"));
        QVERIFY(dialog.findChild<QPushButton*>("fExportBtn")->isHidden());
        QVERIFY(dialog.findChild<QPushButton*>("fCancelBtn")->isEnabled());
        session.reset();
    }

    // Closing the dialog while its export runs: the thread writes on to the
    // end, nothing crashes, and a page query in between reads its own rows.
    void closeWhileExporting()
    {
        QVERIFY(db.clearLogs());
        QVERIFY(db.exec("insert into terminallog (date,terminalId,name,type,ip,action) select seq, seq, 'n', 'IP', "
                        "'ip', 'a' from seq_1_to_30000"));
        const QString folder = dir.filePath("close");
        QVERIFY(QDir().mkpath(folder));
        QPointer<LogExportThread> thread;
        {
            auto* dialog = new LogExportDialog(nullptr, {"序号"}, 3);
            dialog->findChild<QComboBox*>("directoryComboBox")->setEditText(folder);
            dialog->show();
            QTest::mouseClick(dialog->findChild<QPushButton*>("fExportBtn"), Qt::LeftButton);
            thread = dialog->thread();
            QVERIFY(thread);
            QTest::mouseClick(dialog->findChild<QPushButton*>("close_btn"), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
            delete dialog;
        }
        std::vector<KyLogEntry> rows;
        QCOMPARE(dbQueryTerminalLogPage(rows, 0, 100), 0);
        QCOMPARE(rows.front().id, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 60000);
        const QList<QStringList> records = parseCsv(gbkFileText(folder + "/ky_terminal_log.csv"));
        QCOMPARE(records.size(), 30001);
        QCOMPARE(records.last()[0], QStringLiteral("30000"));
    }
};

QTEST_MAIN(TestExportCsv)
#include "test_export_csv.moc"
