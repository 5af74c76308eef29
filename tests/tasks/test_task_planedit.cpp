// The sound-source task editor against the stand-in central server and file
// service: defaults, the OK checks in order, the play list, capture choice,
// the TTS limit and a task saved and reopened.

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <QtTest>

#include "KyCFtpClient.h"
#include "KyFtpMng.h"
#include "KyPlanTaskEditDialog.h"
#include "KySsTask.h"
#include "KySsTaskDataMgr.h"
#include "KyTaskEditCommon.h"
#include "KyTaskEditorTestSupport.h"
#include "KyTaskMediaListViewCtrl.h"
#include "ui_fTaskEditDialog.h"

namespace {

QString longText(int n, QChar c)
{
    return QString(n, c);
}

}  // namespace

class TestTaskPlanEdit : public QObject {
    Q_OBJECT

private:
    KyTaskEditorEnv env;

    QString path(const char* relative) const { return env.mediaRoot() + QString::fromUtf8(relative); }

    // Picks files from /music of the picker by double-click.
    static void pickFromMusic(Ui::fTaskEditDialog& ui, const QStringList& names)
    {
        QTableWidget* media = ui.fFileTableWidget;
        QVERIFY(kyRowOfText(media, "music") >= 0);
        kyDoubleClickCell(media, kyRowOfText(media, "music"), 0);
        QCOMPARE(kyColumnTexts(media), QStringList({"..", "sub", "a.mp3", "b.mp3"}));
        for (const QString& name : names)
            kyDoubleClickCell(media, kyRowOfText(media, name), 0);
    }

private slots:
    void initTestCase() { QVERIFY(env.start()); }
    void cleanupTestCase() { env.stop(); }

    void newTaskDefaultsAndToggles()
    {
        KySsTask task;
        KyPlanTaskEditDialog dlg(&task);
        Ui::fTaskEditDialog& ui = dlg.form();
        QCOMPARE(dlg.windowTitle(), QString("New"));
        QCOMPARE(ui.titleNameLabel->text(), QString("New Sound Source Task"));
        QVERIFY(ui.fNameEdit->text().isEmpty());
        QCOMPARE(ui.fNameEdit->maxLength(), 32);
        QCOMPARE(ui.fVolSpinBox->value(), 75);
        QCOMPARE(ui.fVolSlider->value(), 75);
        QVERIFY(ui.fPlayCountCheckBox->isChecked() && ui.fPlayCountLineEdit->isEnabled());
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("1"));
        QVERIFY(!ui.fPlayTimeCheckBox->isChecked() && !ui.fPlayTimeEdit->isEnabled());
        QCOMPARE(ui.fPlayTimeEdit->time(), QTime(0, 1));
        QCOMPARE(ui.fTypeComboBox->count(), 3);
        QCOMPARE(ui.fTypeComboBox->currentText(), QString("File Play Broadcast"));
        QCOMPARE(ui.fTypeComboBox->itemData(2).toInt(), 3);
        QCOMPARE(ui.fStackedWidget->currentIndex(), 0);
        QCOMPARE(ui.fPlayTableWidget->rowCount(), 0);
        QCOMPARE(ui.fSizeLabel->text(), QString("200/200"));
        QCOMPARE(ui.dialogCloseBtn->size(), QSize(23, 25));
        // The picker shows the library's top folder; the capture table every capm03.
        QCOMPARE(kyColumnTexts(ui.fFileTableWidget), QStringList({"music", "top.mp3"}));
        QCOMPARE(ui.fCapTableWidget->rowCount(), int(env.server().rows("capm03").size()));
        QCOMPARE(ui.fCapTableWidget->horizontalHeaderItem(2)->text(), QString("IP"));
        QCOMPARE(KyFtpMng::instance()->ftpClient()->taskMediaListener,
                 static_cast<KyMediaListListener*>(dlg.common().mediaBrowser()));

        // Volume widgets follow each other; the type selects the page.
        ui.fVolSlider->setValue(30);
        QCOMPARE(ui.fVolSpinBox->value(), 30);
        ui.fTypeComboBox->setCurrentIndex(2);
        QCOMPARE(ui.fStackedWidget->currentIndex(), 2);

        // Exclusive boxes; a 00:00:00 duration becomes 00:01:00, an empty count "1".
        ui.fPlayTimeEdit->setTime(QTime(0, 0));
        ui.fPlayCountLineEdit->clear();
        QTest::mouseClick(ui.fPlayTimeCheckBox, Qt::LeftButton);
        QVERIFY(ui.fPlayTimeCheckBox->isChecked() && !ui.fPlayCountCheckBox->isChecked());
        QVERIFY(ui.fPlayTimeEdit->isEnabled() && !ui.fPlayCountLineEdit->isEnabled());
        QCOMPARE(ui.fPlayTimeEdit->time(), QTime(0, 1));
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("1"));
        QTest::mouseClick(ui.fPlayTimeCheckBox, Qt::LeftButton);
        QVERIFY(ui.fPlayTimeCheckBox->isChecked());
        ui.fPlayCountLineEdit->clear();
        QTest::mouseClick(ui.fPlayCountCheckBox, Qt::LeftButton);
        QVERIFY(ui.fPlayCountCheckBox->isChecked() && !ui.fPlayTimeCheckBox->isChecked());
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("1"));

        // The count field takes at most 9999.
        ui.fPlayCountLineEdit->clear();
        QTest::keyClicks(ui.fPlayCountLineEdit, "99999");
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("9999"));
    }

    void okMessagesInOrder()
    {
        KySsTask task;
        task.id = 9;
        task.name = "old";
        task.playVol = 40;
        task.duration = 90;
        task.playTimes = 0;
        task.sourceType = 1;
        task.status = 1;
        task.sourceCategory = 1;
        task.timerPlanId = 5;
        KyPlanTaskEditDialog dlg(&task);
        Ui::fTaskEditDialog& ui = dlg.form();
        QCOMPARE(dlg.windowTitle(), QString("Edit"));
        QCOMPARE(ui.titleNameLabel->text(), QString("Sound Source Task Edit"));
        QCOMPARE(ui.fNameEdit->text(), QString("old"));
        QVERIFY(ui.fPlayTimeCheckBox->isChecked() && ui.fPlayTimeEdit->isEnabled());
        QCOMPARE(ui.fPlayTimeEdit->time(), QTime(0, 1, 30));
        QCOMPARE(ui.fVolSpinBox->value(), 40);
        QVERIFY(ui.fSizeLabel->text().isEmpty());
        dlg.show();
        KyOkPress ok;

        ui.fNameEdit->clear();
        QCOMPARE(ok.press(ui.fOkBtn), QString("The name cannot be empty!"));
        QCOMPARE(task.name, std::string("old"));
        QCOMPARE(task.playVol, 40);
        QVERIFY(dlg.isVisible());

        // Blanks are a name; name and volume are written before the play mode check.
        ui.fNameEdit->setText("  ");
        ui.fVolSpinBox->setValue(55);
        QButtonGroup* group = dlg.findChild<QButtonGroup*>();
        QVERIFY(group);
        group->setExclusive(false);
        ui.fPlayTimeCheckBox->setChecked(false);
        QCOMPARE(ok.press(ui.fOkBtn), QString("Play times or counts must be selected!"));
        QCOMPARE(task.name, std::string("  "));
        QCOMPARE(task.playVol, 55);
        group->setExclusive(true);

        ui.fPlayTimeCheckBox->setChecked(true);
        ui.fPlayTimeEdit->setTime(QTime(0, 0));
        QCOMPARE(ok.press(ui.fOkBtn), QString("Play time con't be 0!"));
        QCOMPARE(task.duration, 0);
        QCOMPARE(task.playTimes, 0);

        ui.fPlayCountCheckBox->setChecked(true);
        ui.fPlayCountLineEdit->setText("0");
        QCOMPARE(ok.press(ui.fOkBtn), QString("Play counts con't be 0!"));
        ui.fPlayCountLineEdit->setText("3");

        QCOMPARE(ok.press(ui.fOkBtn), QString("Please select play file!"));
        QCOMPARE(task.playTimes, 3);
        QCOMPARE(task.duration, 0);
        ui.fTypeComboBox->setCurrentIndex(1);
        QCOMPARE(ok.press(ui.fOkBtn), QString("Please select terminal!"));
        QCOMPARE(task.sourceType, 2);
        ui.fTypeComboBox->setCurrentIndex(2);
        QCOMPARE(ok.press(ui.fOkBtn), QString("Tts content can't be empty!"));
        QCOMPARE(ok.catcher.titles.last(), QString("Tips"));
        QVERIFY(dlg.isVisible());

        ui.fTtsContentTextEdit->insertPlainText(QString::fromUtf8("上课了"));
        QCOMPARE(ui.fSizeLabel->text(), QString("197/200"));
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(task.sourceType, 3);
        QCOMPARE(QString::fromStdString(task.sourceContent), QString::fromUtf8("上课了"));
        // Fields the editor does not own are left as they came.
        QCOMPARE(task.id, 9);
        QCOMPARE(task.status, 1);
        QCOMPARE(task.timerPlanId, 5);
    }

    void filesPickedAndReopened()
    {
        KySsTask task;
        task.name = "bells";
        QString content;
        {
            KyPlanTaskEditDialog dlg(&task);
            Ui::fTaskEditDialog& ui = dlg.form();
            dlg.show();
            // A double-click on a folder only opens it.
            pickFromMusic(ui, {"sub"});
            QCOMPARE(ui.fPlayTableWidget->rowCount(), 0);
            QCOMPARE(kyColumnTexts(ui.fFileTableWidget), QStringList({".."}));
            kyDoubleClickCell(ui.fFileTableWidget, 0, 0);   // up to /music
            kyDoubleClickCell(ui.fFileTableWidget, 0, 0);   // up to the top
            pickFromMusic(ui, {"a.mp3", "b.mp3", "b.mp3"});
            QCOMPARE(kyColumnTexts(ui.fPlayTableWidget), QStringList({"a.mp3", "b.mp3", "b.mp3"}));
            kyDoubleClickCell(ui.fPlayTableWidget, 0, 0);
            QCOMPARE(kyColumnTexts(ui.fPlayTableWidget), QStringList({"b.mp3", "b.mp3"}));
            kyDoubleClickCell(ui.fFileTableWidget, kyRowOfText(ui.fFileTableWidget, "a.mp3"), 0);
            ui.fNameEdit->setText("bells");
            KyOkPress ok;
            QCOMPARE(ok.press(ui.fOkBtn), QString());
            content = path("/music/b.mp3@#$%") + path("/music/b.mp3@#$%") + path("/music/a.mp3");
            QCOMPARE(QString::fromStdString(task.sourceContent), content);
            QCOMPARE(task.sourceType, 1);
            QCOMPARE(task.playTimes, 1);
            QCOMPARE(task.playVol, 75);
        }
        // Reopened: the rows are named after each path's last part, and OK writes the same back.
        task.id = 77;
        KyPlanTaskEditDialog dlg(&task);
        Ui::fTaskEditDialog& ui = dlg.form();
        QCOMPARE(kyColumnTexts(ui.fPlayTableWidget), QStringList({"b.mp3", "b.mp3", "a.mp3"}));
        QCOMPARE(dlg.common().playList().size(), 3);
        QCOMPARE(dlg.common().playList().at(2).path, path("/music/a.mp3"));
        QVERIFY(ui.fSizeLabel->text().isEmpty());
        dlg.show();
        KyOkPress ok;
        task.sourceContent.clear();
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(QString::fromStdString(task.sourceContent), content);
    }

    void captureChosenByIpCell()
    {
        const auto caps = env.server().rows("capm03");
        QVERIFY(caps.size() >= 3);
        KySsTask task;
        task.id = 5;
        task.name = "cap";
        task.sourceType = 2;
        task.sourceContent = std::to_string(caps[1].toInt("terminalId"));
        KyPlanTaskEditDialog dlg(&task);
        Ui::fTaskEditDialog& ui = dlg.form();
        QTableWidget* table = ui.fCapTableWidget;
        QCOMPARE(ui.fStackedWidget->currentIndex(), 1);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(dlg.common().chosenCapRow(), 1);
        QCOMPARE(table->item(2, 2)->text(), QString::fromStdString(caps[2].text("ip")));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));

        // A click on the IP cell of another row chooses that row alone.
        kyClickCell(table, 2, 2);
        QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(table->item(2, 0)->checkState(), Qt::Checked);
        QCOMPARE(table->currentRow(), 2);
        // Clicking the check box of the chosen row keeps it chosen.
        const QRect box = table->visualItemRect(table->item(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 10, box.center().y()));
        QCOMPARE(table->item(2, 0)->checkState(), Qt::Checked);
        KyOkPress ok;
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(task.sourceContent, std::to_string(caps[2].toInt("terminalId")));
        QCOMPARE(task.sourceType, 2);
        QCOMPARE(task.playTimes, 1);

        // A stored terminal that no longer exists leaves every row unchecked.
        task.sourceContent = "999999";
        KyPlanTaskEditDialog gone(&task);
        for (int r = 0; r < gone.form().fCapTableWidget->rowCount(); ++r)
            QCOMPARE(gone.form().fCapTableWidget->item(r, 0)->checkState(), Qt::Unchecked);
        gone.show();
        QCOMPARE(ok.press(gone.form().fOkBtn), QString("Please select terminal!"));
    }

    void ttsLimit()
    {
        KySsTask task;
        task.name = "tts";
        task.sourceType = 3;
        KyPlanTaskEditDialog dlg(&task);
        Ui::fTaskEditDialog& ui = dlg.form();
        QTextEdit* edit = ui.fTtsContentTextEdit;
        QCOMPARE(ui.fSizeLabel->text(), QString("200/200"));
        QTest::keyClicks(edit, longText(199, 'a'));
        QCOMPARE(ui.fSizeLabel->text(), QString("1/200"));
        QTest::keyClicks(edit, "bcd");
        QCOMPARE(edit->toPlainText(), longText(199, 'a') + "b");
        QCOMPARE(ui.fSizeLabel->text(), QString("0/200"));

        // Pasted in the middle: the surplus just before the cursor goes.
        QTextCursor c = edit->textCursor();
        c.setPosition(10);
        edit->setTextCursor(c);
        QApplication::clipboard()->setText("XYZ");
        edit->paste();
        QCOMPARE(edit->toPlainText().length(), 200);
        QCOMPARE(edit->toPlainText(), longText(199, 'a') + "b");
        QCOMPARE(edit->textCursor().position(), 10);
        c.setPosition(10);
        edit->setTextCursor(c);
        QTest::keyClick(edit, Qt::Key_Backspace);
        edit->insertPlainText(QString::fromUtf8("中"));
        QCOMPARE(edit->toPlainText(), longText(9, 'a') + QString::fromUtf8("中") + longText(189, 'a') + "b");

        // A stored text of 250 opens in full and keeps its first 200 at the first change.
        task.id = 3;
        const QString stored = longText(100, 'x') + longText(150, 'y');
        task.sourceContent = stored.toStdString();
        KyPlanTaskEditDialog old(&task);
        QTextEdit* oldEdit = old.form().fTtsContentTextEdit;
        QCOMPARE(oldEdit->toPlainText(), stored);
        QCOMPARE(old.form().fSizeLabel->text(), QString("0/200"));
        QTextCursor start = oldEdit->textCursor();
        start.setPosition(0);
        oldEdit->setTextCursor(start);
        QTest::keyClicks(oldEdit, "Z");
        QCOMPARE(oldEdit->toPlainText(), "Z" + stored.left(199));
        QCOMPARE(old.form().fSizeLabel->text(), QString("0/200"));
        old.show();
        KyOkPress ok;
        QCOMPARE(ok.press(old.form().fOkBtn), QString());
        QCOMPARE(QString::fromStdString(task.sourceContent), "Z" + stored.left(199));

        // 20 Chinese characters open with 180 left.
        task.sourceContent = QString(20, QChar(0x4E2D)).toStdString();
        KyPlanTaskEditDialog chinese(&task);
        QCOMPARE(chinese.form().fSizeLabel->text(), QString("180/200"));
    }

    void savedThroughTheStoreAndReopened()
    {
        KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
        QVERIFY(KyFileTestRig::waitUntil([&] { return !store->taskList().empty(); }));
        KySsTask task;
        for (const KySsTask& t : store->taskList()) {
            if (t.sourceCategory == 1) {
                task = t;
                break;
            }
        }
        QVERIFY(task.id > 0);
        {
            KyPlanTaskEditDialog dlg(&task);
            Ui::fTaskEditDialog& ui = dlg.form();
            dlg.show();
            ui.fNameEdit->setText(QString::fromUtf8("午间音乐"));
            ui.fVolSpinBox->setValue(64);
            QTest::mouseClick(ui.fPlayTimeCheckBox, Qt::LeftButton);
            ui.fPlayTimeEdit->setTime(QTime(0, 2, 5));
            ui.fTypeComboBox->setCurrentIndex(0);
            // Start from an empty play list.
            while (ui.fPlayTableWidget->rowCount() > 0)
                kyDoubleClickCell(ui.fPlayTableWidget, 0, 0);
            pickFromMusic(ui, {"a.mp3"});
            KyOkPress ok;
            QCOMPARE(ok.press(ui.fOkBtn), QString());
        }
        QSignalSpy changed(store, &KySsTaskDataMgr::taskChanged);
        QCOMPARE(store->saveTask(task, 1), 0);
        QVERIFY(KyFileTestRig::waitUntil([&] {
            KySsTask cached;
            return store->getTask(task.id, cached) && cached.playVol == 64;
        }));
        KySsTask reread;
        QVERIFY(store->getTask(task.id, reread));
        QCOMPARE(QString::fromStdString(reread.name), QString::fromUtf8("午间音乐"));
        QCOMPARE(reread.duration, 125);
        QCOMPARE(reread.playTimes, 0);
        QCOMPARE(QString::fromStdString(reread.sourceContent), path("/music/a.mp3"));

        KyPlanTaskEditDialog again(&reread);
        Ui::fTaskEditDialog& ui = again.form();
        QCOMPARE(ui.fNameEdit->text(), QString::fromUtf8("午间音乐"));
        QCOMPARE(ui.fVolSpinBox->value(), 64);
        QVERIFY(ui.fPlayTimeCheckBox->isChecked());
        QCOMPARE(ui.fPlayTimeEdit->time(), QTime(0, 2, 5));
        QCOMPARE(kyColumnTexts(ui.fPlayTableWidget), QStringList({"a.mp3"}));
    }
};

QTEST_MAIN(TestTaskPlanEdit)
#include "test_task_planedit.moc"
