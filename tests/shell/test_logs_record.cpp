// Recordings page: cells, double-click download through the stand-in record
// service with pop-up notices keyed by file name, refusals and failures.

#include <memory>

#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

#include "KyFileTestRig.h"
#include "KyLogPageTestSupport.h"
#include "KyModalCatcher.h"
#include "KySettings.h"
#include "KyTalkRecordForm.h"
#include "KyTestSession.h"
#include "MsgTips.h"
#include "MsgTipsGroup.h"

namespace {
const char* kRecDir = "/data/media/talk_record_file/";

KyRow talkRow(int id, int type, const std::string& recordFile)
{
    KyRow r;
    r.add("id", std::to_string(id));
    r.add("begin_time", std::to_string(1600000000 + id));
    r.add("end_time", std::to_string(1600000060 + id));
    r.add("callerId", std::to_string(100 + id));
    r.add("calledId", std::to_string(200 + id));
    r.add("callerName", "主叫" + std::to_string(id));
    r.add("calledName", "被叫" + std::to_string(id));
    r.add("type", std::to_string(type));
    r.add("source_name", "");
    r.add("recordfile", recordFile);
    return r;
}

// Picks folder in the next folder chooser, or cancels it when folder is empty.
void chooseFolder(QDialog* d, const QString& folder)
{
    auto* chooser = qobject_cast<QFileDialog*>(d);
    QVERIFY(chooser);
    if (folder.isEmpty()) {
        chooser->reject();
        return;
    }
    // The folder itself: its view as the root and no name typed.
    chooser->setDirectory(folder);
    if (auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
    QMetaObject::invokeMethod(chooser, "accept");
}
}  // namespace

class TestLogsRecord : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KyFileTestRig> rig;
    std::unique_ptr<KyTestFileService> record;
    std::unique_ptr<KyTestSession> session;
    QString config;
    QString target;
    QWidget host;

    int rowOf(KyTalkRecordForm& page, int id)
    {
        for (int r = 0; r < rowCount(&page); ++r)
            if (page.cellInt(r, 0) == id)
                return r;
        return -1;
    }

private slots:
    void initTestCase()
    {
        rig.reset(new KyFileTestRig(TcpSocketClient::instance()));
        record.reset(new KyTestFileService(rig->tmp.path() + "/rec"));
        QVERIFY(record->start(0, QStringLiteral("127.0.0.2")) != 0);
        rig->worker->setRecordServer(QStringLiteral("127.0.0.2"), record->port());
        KyFileTestRig::writeFile(record->folder() + "/talk_record_file/c1.wav", QByteArray(200000, 'r'));
        KyFileTestRig::writeFile(record->folder() + "/talk_record_file/c2.wav", "second");

        config = rig->tmp.path() + "/config.ini";
        kySetConfigPath(config);
        target = rig->tmp.path() + "/target";
        QVERIFY(QDir().mkpath(target));

        session.reset(new KyTestSession);
        setLogServer(session->server(), nullptr);
        session->server().setRows("talklog", {talkRow(1, 0, std::string(kRecDir) + "c1.wav"), talkRow(2, 1, ""),
                                              talkRow(3, 2, std::string(kRecDir) + "c2.wav"),
                                              talkRow(4, 9, std::string(kRecDir) + "..")});
        host.resize(800, 600);
    }

    void noticeTexts()
    {
        const QString name = QStringLiteral("c1.wav");
        QCOMPARE(KyTalkRecordForm::startedText(name), QStringLiteral("录音文件 c1.wav 下载中... [0%]"));
        QCOMPARE(KyTalkRecordForm::failedText(name, 40), QStringLiteral("录音文件 c1.wav 下载失败！ [40%]"));
        // 23 characters: k = 7, breaks at 9 and then at 23 of the lengthened text.
        const QString text = KyTalkRecordForm::startedText(name);
        QCOMPARE(text.size(), 23);
        QCOMPARE(KyTalkRecordForm::breakNoticeText(text), text.left(9) + "\n" + text.mid(9, 13) + "\n" + text.mid(22));
        // Too short: blanks first, up to the second position.
        QCOMPARE(KyTalkRecordForm::breakNoticeText("abc"), QStringLiteral("abc\n       \n"));
    }

    void cellsAndDownloads()
    {
        KyTalkRecordForm page(&host);
        QCOMPARE(labelText(&page, "fDataSourceLabel"), QStringLiteral("[ 录音主机：Local ]"));
        QVERIFY(button(&page, "fLogDownloadBt")->isHidden());
        QTRY_COMPARE(rowCount(&page), 4);
        QTRY_COMPARE(labelText(&page, "fPageLabel"), QStringLiteral("1/1"));
        const int r1 = rowOf(page, 1), r2 = rowOf(page, 2), r3 = rowOf(page, 3), r4 = rowOf(page, 4);
        QCOMPARE(r1, 3);   // newest first
        QCOMPARE(cellText(&page, r1, 6), QStringLiteral("Tts"));
        QCOMPARE(cellText(&page, r2, 6), QStringLiteral("Talkback"));
        QCOMPARE(cellText(&page, r3, 6), QStringLiteral("Broadcast"));
        QCOMPARE(cellText(&page, r4, 6), QStringLiteral("9"));
        QCOMPARE(cellText(&page, r1, 0), dateText(1600000001));
        QCOMPARE(cellText(&page, r1, 8), QStringLiteral("双击下载"));
        QCOMPARE(cellText(&page, r2, 8), QStringLiteral("------"));
        MsgTipsGroup* notices = page.noticeGroup();
        QCOMPARE(notices->count(), 6);

        KyModalCatcher catcher;
        for (int col = 0; col < 8; ++col)
            page.slot_cellDoubleClicked(r1, col);
        QCOMPARE(catcher.texts.size() + catcher.others, 0);
        page.slot_cellDoubleClicked(r2, 8);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("录音文件不存在！")});

        // A cancelled chooser starts nothing and keeps the stored folder.
        catcher.setHandler([](QDialog* d) { chooseFolder(d, QString()); });
        page.slot_cellDoubleClicked(r1, 8);
        QVERIFY(!notices->freeTip() || !notices->tipWithText("c1.wav"));
        QVERIFY(!QSettings(config, QSettings::IniFormat).contains("MediaLastFilePath"));

        // A slow download: its notice counts and a second click is refused.
        record->setReplyDelay("GetFile", 800);
        catcher.setHandler([this](QDialog* d) { chooseFolder(d, target); });
        catcher.clear();
        page.slot_cellDoubleClicked(r1, 8);
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("MediaLastFilePath").toString(), target);
        MsgTips* tip = notices->tipWithText("c1.wav");
        QVERIFY(tip && tip->isShowing());
        QCOMPARE(tip->label()->text(), KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::startedText("c1.wav")));
        page.slot_cellDoubleClicked(r1, 8);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("录音文件下载中，请等待任务完成！")});
        QTRY_COMPARE_WITH_TIMEOUT(tip->label()->text(),
                                  KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::finishedText("c1.wav")), 10000);
        QCOMPARE(QFileInfo(target + "/c1.wav").size(), 200000);
        // A notice for another file runs beside it.
        page.slot_cellDoubleClicked(r3, 8);
        MsgTips* second = notices->tipWithText("c2.wav");
        QVERIFY(second && second != tip);
        QTRY_COMPARE_WITH_TIMEOUT(second->label()->text(),
                                  KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::finishedText("c2.wav")), 10000);
        // Hidden after 4000 ms and free again: the same file can be fetched anew.
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isShowing(), 7000);
        QVERIFY(!notices->tipWithText("c1.wav"));

        // The transfer fails: failed text in the warning look.
        record->setReplyDelay("GetFile", 0);
        record->setNoReply("GetFile");
        QFile::remove(target + "/c1.wav");
        page.slot_cellDoubleClicked(r1, 8);
        tip = notices->tipWithText("c1.wav");
        QVERIFY(tip);
        QTRY_COMPARE_WITH_TIMEOUT(tip->label()->text(),
                                  KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::failedText("c1.wav", 0)), 10000);
        QVERIFY(tip->panel()->styleSheet().contains("#fdf6ec"));

        // A name that would leave the folder is never queued: failure at once.
        catcher.clear();
        page.slot_cellDoubleClicked(r4, 8);
        MsgTips* refused = notices->tipWithText("..");
        QVERIFY(refused && refused->isShowing());
        QCOMPARE(refused->label()->text(), KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::failedText("..", 0)));
        for (const QString& file : QDir(rig->tmp.path()).entryList(QDir::Files))
            QVERIFY2(file.startsWith("config.ini"), qPrintable(file));

        // Every notice busy: refused with a message.
        QTRY_VERIFY_WITH_TIMEOUT(!notices->tipWithText("c2.wav"), 7000);
        for (int i = 0; i < notices->count(); ++i) {
            if (!notices->tipAt(i)->isShowing()) {
                notices->tipAt(i)->setTipText(QStringLiteral("busy%1").arg(i));
                notices->tipAt(i)->showFor(-1);
            }
        }
        page.slot_cellDoubleClicked(r3, 8);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("下载任务已满，请等待之前的任务结束。")});
    }

    void progressKeyedByName()
    {
        KyTalkRecordForm page(&host);
        MsgTips* tip = page.noticeGroup()->freeTip();
        tip->setTipText(QStringLiteral("a.wav"));
        tip->showFor(-1);
        page.slot_updateRecordDownloadMsgTip(QStringLiteral("b.wav"), 50, 0);   // no such notice
        QCOMPARE(tip->label()->text(), QString());
        page.slot_updateRecordDownloadMsgTip(QStringLiteral("a.wav"), 50, 0);
        QCOMPARE(tip->label()->text(), KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::progressText("a.wav", 50)));
        QCOMPARE(tip->timerId(), 0);
        page.slot_updateRecordDownloadMsgTip(QStringLiteral("a.wav"), 70, -1);
        QCOMPARE(tip->label()->text(), KyTalkRecordForm::breakNoticeText(KyTalkRecordForm::failedText("a.wav", 70)));
        QVERIFY(tip->timerId() != 0);
    }

    void cleanupTestCase()
    {
        session.reset();
        record->stop();
    }
};

QTEST_MAIN(TestLogsRecord)
#include "test_logs_record.moc"
