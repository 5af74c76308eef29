// The manual, timer and SDK task editor against the stand-in central server
// and file service: defaults, the OK checks in order, schedule, dates, targets
// and the region shortcut, the play list, the all-play-terminal request and a
// task saved and reopened.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <QtTest>
#include <cstdlib>
#include <ctime>

#include "KyCFtpClient.h"
#include "KyExecTimeDialog.h"
#include "KyFtpMng.h"
#include "KyRegionListMgr.h"
#include "KySsTask.h"
#include "KySsTaskDataMgr.h"
#include "KyTaskEditCommon.h"
#include "KyTaskEditorTestSupport.h"
#include "KyTaskMediaListViewCtrl.h"
#include "KyTaskVocabulary.h"
#include "KyTimerTaskEditDialog.h"
#include "ui_fExectTimeDialog.h"
#include "ui_fTimerTaskEditDialog.h"

namespace {

const QColor kChosen(254, 230, 192);

KySsTask newTask(int kind)
{
    KySsTask t;
    t.sourceCategory = kind;
    if (kind == 3)
        t.timerPlanId = 1;
    return t;
}

QList<QCheckBox*> days(Ui::fTimerTaskEditDialog& ui)
{
    return {ui.fMondayCb, ui.fTuesdayCb, ui.fWednesdayCb, ui.fThursdayCb, ui.fFridayCb, ui.fSaturdayCb, ui.fSundayCb};
}

QStringList ticked(QTableWidget* table)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->checkState() == Qt::Checked)
            out << table->item(r, 1)->text();
    }
    return out;
}

int rowOfId(QTableWidget* table, int id)
{
    return kyRowOfText(table, QString::number(id), 1);
}

// Fills the execution-time dialog that the editor opens next and confirms it.
KyModalCatcher::Handler enterExecTime(const QString& label, const QTime& time)
{
    return [=](QDialog* d) {
        auto* dlg = qobject_cast<KyExecTimeDialog*>(d);
        if (!dlg) {
            d->reject();
            return;
        }
        dlg->form().fNameEdit->setText(label);
        dlg->form().fExecTimeEdit->setTime(time);
        QTest::mouseClick(dlg->form().fOkBtn, Qt::LeftButton);
    };
}

void setZone(const char* zone)
{
    qputenv("TZ", zone);
    tzset();
}

}  // namespace

class TestTaskTimerEdit : public QObject {
    Q_OBJECT

private:
    KyTaskEditorEnv env;

    QString path(const char* relative) const { return env.mediaRoot() + QString::fromUtf8(relative); }

    static void pick(Ui::fTimerTaskEditDialog& ui, const QString& folder, const QStringList& names)
    {
        QTableWidget* media = ui.fFileTableWidget;
        if (!folder.isEmpty())
            kyDoubleClickCell(media, kyRowOfText(media, folder), 0);
        for (const QString& name : names) {
            kyClickCell(media, kyRowOfText(media, name), 0);
            QTest::mouseClick(ui.fAddPlayListBtn, Qt::LeftButton);
        }
    }

    void checkPlayListAligned(KyTimerTaskEditDialog& dlg)
    {
        const QList<KyMediaFile_t>& list = dlg.common().playList();
        QTableWidget* table = dlg.form().fPlayTableWidget;
        QCOMPARE(list.size(), table->rowCount());
        for (int r = 0; r < list.size(); ++r)
            QCOMPARE(list.at(r).fileName, table->item(r, 0)->text());
    }

private slots:
    void initTestCase() { QVERIFY(env.start()); }
    void cleanupTestCase() { env.stop(); }

    void newTimerTaskRequestsListsAndDefaults()
    {
        env.server().clearReceived();
        KySsTask task = newTask(3);
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        // No capture list was cached: it was requested; the all-play list too.
        bool capRequested = false, playRequested = false;
        for (const auto& r : env.server().received("SqlConfig")) {
            capRequested |= r.packetSubtype == "CapList";
            playRequested |= r.packetSubtype == "AllPlayTerminalList";
        }
        QVERIFY(capRequested && playRequested);
        QCOMPARE(ui.fCapTableWidget->rowCount(), int(env.server().rows("capm03").size()));
        const int players = int(env.server().rows("mic02").size() + env.server().rows("mic04").size()
                                + env.server().rows("ipamp").size());
        QCOMPARE(ui.fTerminalTable->rowCount(), players);
        QCOMPARE(ui.fRegionTable->rowCount(), int(env.server().rows("region").size()));
        QCOMPARE(ui.fTerminalTable->item(0, 1)->text(), QString("1001"));
        QCOMPARE(ui.fTerminalTable->item(players - 1, 1)->text(), QString("3012"));
        QVERIFY(ui.fTerminalTable->isColumnHidden(1));
        QVERIFY(ticked(ui.fTerminalTable).isEmpty());

        QCOMPARE(dlg.windowTitle(), QString::fromUtf8("新建"));
        QCOMPARE(ui.titleNameLabel->text(), QString::fromUtf8("新建任务"));
        QCOMPARE(ui.fNameEdit->text(), QString::fromUtf8("新建任务"));
        QCOMPARE(ui.fVolSpinBox->value(), 75);
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("1"));
        QVERIFY(ui.fPlayCountCheckBox->isChecked() && !ui.fPlayTimeEdit->isEnabled());
        QCOMPARE(ui.fPlayTimeEdit->time(), QTime(0, 1));
        QCOMPARE(ui.fPreOpenAmpSpinBox->value(), 3);
        QCOMPARE(ui.fPreOpenAmpSpinBox->maximum(), 99);
        for (QCheckBox* day : days(ui))
            QVERIFY(day->isChecked());
        QCOMPARE(ui.fStartDateEdit->date(), QDate::currentDate());
        QCOMPARE(ui.fStopDateEdit->date(), QDate::currentDate());
        QVERIFY(!ui.fStopDateCb->isChecked() && !ui.fStopDateEdit->isEnabled());
        QVERIFY(ui.checkBox->isChecked() && !ui.checkBox->isEnabled());
        QCOMPARE(ui.fSizeLabel->text(), QString("200/200"));
        QVERIFY(!ui.fStartTimeGroupBox->isHidden());
        QCOMPARE(ui.fTermTabWidget->currentIndex(), 0);
        QCOMPARE(ui.fExecTimeTable->horizontalHeaderItem(1)->text(), QString::fromUtf8("执行时间"));
        QCOMPARE(kyColumnTexts(ui.fFileTableWidget), QStringList({"music", "top.mp3"}));

        // The end date follows its box.
        QTest::mouseClick(ui.fStopDateCb, Qt::LeftButton);
        QVERIFY(ui.fStopDateEdit->isEnabled());
        QTest::mouseClick(ui.fStopDateCb, Qt::LeftButton);
        QVERIFY(!ui.fStopDateEdit->isEnabled());
    }

    void manualTaskStoresNoSchedule()
    {
        KySsTask task = newTask(2);
        KyExecTime kept;
        kept.seconds = 60;
        task.execTimeList = {kept};
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        QVERIFY(ui.fStartTimeGroupBox->isHidden());
        QVERIFY(!ui.fPreOpenAmpSpinBox->isEnabled());
        QCOMPARE(ui.fPreOpenAmpSpinBox->value(), 0);
        dlg.show();
        kyClickCell(ui.fTerminalTable, rowOfId(ui.fTerminalTable, 2003), 0);
        ui.fTypeComboBox->setCurrentIndex(2);
        QCOMPARE(ui.fStackedWidget->currentIndex(), 2);
        ui.fTtsContentTextEdit->setPlainText("hello");
        KyOkPress ok;
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(task.week, 127);
        QCOMPARE(task.startDate, 0);
        QCOMPARE(task.endDate, 0);
        QCOMPARE(task.openAmp, 0);
        QVERIFY(task.executeTime.empty());
        QCOMPARE(int(task.execTimeList.size()), 1);
        QCOMPARE(task.terminalId, std::string("2003"));
        QCOMPARE(task.sourceType, 3);
        QCOMPARE(task.sourceContent, std::string("hello"));
        QCOMPARE(task.sourceCategory, 2);
        QCOMPARE(task.playTimes, 1);
    }

    void okMessagesInOrder()
    {
        KySsTask task = newTask(3);
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        dlg.show();
        KyOkPress ok;

        ui.fNameEdit->clear();
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("任务名称不能为空!"));
        QVERIFY(task.name.empty());
        ui.fNameEdit->setText(QString::fromUtf8("早操"));
        ui.fVolSpinBox->setValue(66);

        QButtonGroup* group = dlg.findChild<QButtonGroup*>();
        group->setExclusive(false);
        ui.fPlayCountCheckBox->setChecked(false);
        QCOMPARE(ok.press(ui.fOkBtn), QString("Play times or counts must be selected!"));
        QCOMPARE(QString::fromStdString(task.name), QString::fromUtf8("早操"));
        QCOMPARE(task.playVol, 66);
        group->setExclusive(true);

        QTest::mouseClick(ui.fPlayTimeCheckBox, Qt::LeftButton);
        ui.fPlayTimeEdit->setTime(QTime(0, 0));
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("播放时长不能为0!"));
        QTest::mouseClick(ui.fPlayCountCheckBox, Qt::LeftButton);
        QVERIFY(!ui.fPlayTimeCheckBox->isChecked());
        ui.fPlayCountLineEdit->clear();
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("播放次数不能为0!"));
        ui.fPlayCountLineEdit->setText("2");

        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("请添加执行时间！"));
        QCOMPARE(task.playTimes, 2);
        QCOMPARE(task.openAmp, 3);
        QCOMPARE(task.week, 127);
        ok.catcher.setHandler(enterExecTime(QString::fromUtf8("早"), QTime(6, 30)));
        QTest::mouseClick(ui.fTimeAddBtn, Qt::LeftButton);
        QCOMPARE(ui.fExecTimeTable->rowCount(), 1);

        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("请选择播放终端!"));
        QCOMPARE(QString::fromStdString(task.executeTime), QString::fromUtf8("早#$%23400"));
        kyClickCell(ui.fTerminalTable, rowOfId(ui.fTerminalTable, 3002), 0);
        kyClickCell(ui.fTerminalTable, rowOfId(ui.fTerminalTable, 1001), 0);

        QCOMPARE(ok.press(ui.fOkBtn), QString("Please select play file!"));
        QCOMPARE(task.terminalId, std::string("1001 3002"));
        ui.fTypeComboBox->setCurrentIndex(1);
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("请选择采集终端!"));
        ui.fTypeComboBox->setCurrentIndex(2);
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("请输入TTS内容!"));
        QCOMPARE(ok.catcher.texts.size(), 9);
        QVERIFY(QSet<QString>(ok.catcher.titles.begin(), ok.catcher.titles.end()) == QSet<QString>({"Tips"}));

        ui.fTypeComboBox->setCurrentIndex(1);
        kyClickCell(ui.fCapTableWidget, 3, 2);
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(task.sourceType, 2);
        QCOMPARE(task.sourceContent, ui.fCapTableWidget->item(3, 1)->text().toStdString());
        QCOMPARE(task.timerPlanId, 1);
        QCOMPARE(task.sourceCategory, 3);
        QCOMPARE(task.status, 2);
    }

    void weekdaysAndDates()
    {
        const QByteArray oldZone = qgetenv("TZ");
        KySsTask task = newTask(3);
        task.id = 40;
        task.name = "w";
        task.week = 1 | 64 | 128;   // bit 7 is not a day
        task.startDate = 0;
        task.endDate = 0;
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        QCOMPARE(dlg.windowTitle(), QString::fromUtf8("编辑"));
        QCOMPARE(ui.titleNameLabel->text(), QString::fromUtf8("任务编辑"));
        const QList<QCheckBox*> boxes = days(ui);
        QList<bool> state;
        for (QCheckBox* b : boxes)
            state << b->isChecked();
        QCOMPARE(state, QList<bool>({true, false, false, false, false, false, true}));
        QCOMPARE(ui.fStartDateEdit->date(), QDateTime::fromSecsSinceEpoch(0).date());
        QVERIFY(!ui.fStopDateCb->isChecked() && !ui.fStopDateEdit->isEnabled());
        QCOMPARE(ui.fPreOpenAmpSpinBox->value(), 0);

        task.week = 127;
        KyTimerTaskEditDialog all(&task);
        for (QCheckBox* b : days(all.form()))
            QVERIFY(b->isChecked());

        // Dates are stored as the local midnight that starts the day.
        setZone("Asia/Shanghai");
        QCOMPARE(KyTimerTaskEditDialog::localMidnight(QDate(2024, 3, 31)), 1711814400);
        setZone("Europe/Berlin");
        QCOMPARE(KyTimerTaskEditDialog::localMidnight(QDate(2024, 3, 31)), 1711839600);   // the day clocks go forward
        QCOMPARE(KyTimerTaskEditDialog::localMidnight(QDate(2024, 10, 27)), 1729980000);  // and back

        task.startDate = 1711839600;
        task.endDate = 1729980000;
        task.executeTime = "x#$%100";
        task.execTimeList = kyParseExecTimes(task.executeTime);
        task.terminalIdList = {3001};
        task.sourceType = 3;
        task.sourceContent = "t";
        KyTimerTaskEditDialog berlin(&task);
        Ui::fTimerTaskEditDialog& b = berlin.form();
        QCOMPARE(b.fStartDateEdit->date(), QDate(2024, 3, 31));
        QVERIFY(b.fStopDateCb->isChecked() && b.fStopDateEdit->isEnabled());
        QCOMPARE(b.fStopDateEdit->date(), QDate(2024, 10, 27));
        for (QCheckBox* box : days(b))
            box->setChecked(false);
        b.fWednesdayCb->setChecked(true);
        b.fStartDateEdit->setDate(QDate(2024, 10, 27));
        b.fStopDateEdit->setDate(QDate(2024, 10, 28));
        berlin.show();
        KyOkPress ok;
        QCOMPARE(ok.press(b.fOkBtn), QString());
        QCOMPARE(task.week, 4);
        QCOMPARE(task.startDate, 1729980000);
        QCOMPARE(task.endDate, 1729980000 + 25 * 3600);
        QCOMPARE(task.executeTime, std::string("x#$%100"));
        QCOMPARE(task.terminalId, std::string("3001"));

        // An unticked end date stores 0.
        KyTimerTaskEditDialog noEnd(&task);
        QTest::mouseClick(noEnd.form().fStopDateCb, Qt::LeftButton);
        noEnd.show();
        QCOMPARE(ok.press(noEnd.form().fOkBtn), QString());
        QCOMPARE(task.endDate, 0);
        if (oldZone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", oldZone);
        tzset();
    }

    void targetsSelectAllAndRegions()
    {
        KySsTask task = newTask(4);
        task.id = 41;
        task.name = "sdk";
        task.terminalIdList = {3002, 1001, 999999};   // the last one no longer exists
        task.sourceType = 3;
        task.sourceContent = "t";
        task.executeTime = "a#$%1";
        task.execTimeList = kyParseExecTimes(task.executeTime);
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        QTableWidget* terms = ui.fTerminalTable;
        QTableWidget* regions = ui.fRegionTable;
        QCOMPARE(ticked(terms), QStringList({"1001", "3002"}));
        dlg.show();
        KyOkPress ok;
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(task.terminalId, std::string("1001 3002"));

        // Region shortcut: its members are ticked and coloured; unticking leaves them.
        KyTimerTaskEditDialog again(&task);
        Ui::fTimerTaskEditDialog& u = again.form();
        terms = u.fTerminalTable;
        regions = u.fRegionTable;
        again.show();
        u.fTermTabWidget->setCurrentIndex(1);
        const int teaching = kyRowOfText(regions, QString::fromUtf8("教学区"));
        kyClickCell(regions, teaching, 0);
        QCOMPARE(ticked(terms), QStringList({"1001", "2002", "2003", "3002", "3003"}));
        QCOMPARE(terms->item(rowOfId(terms, 2003), 0)->background().color(), kChosen);
        QCOMPARE(terms->item(rowOfId(terms, 2003), 1)->data(Qt::UserRole).toInt(), 1);
        kyClickCell(regions, teaching, 0);
        QCOMPARE(regions->item(teaching, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(ticked(terms), QStringList({"1001", "2002", "2003", "3002", "3003"}));

        // Select-all ticks both tables; unticking one region clears every terminal.
        u.fTerminalCb->click();
        QCOMPARE(ticked(terms).size(), terms->rowCount());
        QCOMPARE(ticked(regions).size(), regions->rowCount());
        kyClickCell(regions, 0, 0);
        QVERIFY(!u.fTerminalCb->isChecked());
        QVERIFY(ticked(terms).isEmpty());
        QCOMPARE(ticked(regions).size(), regions->rowCount() - 1);
        QCOMPARE(ok.press(u.fOkBtn), QString::fromUtf8("请选择播放终端!"));
        QVERIFY(task.terminalId.empty());
    }

    void playListUpDownRemove()
    {
        KySsTask task = newTask(2);
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        dlg.show();
        QTableWidget* play = ui.fPlayTableWidget;
        pick(ui, QString(), {"top.mp3"});
        pick(ui, "music", {"a.mp3", "b.mp3", "sub"});   // a folder is not added
        QCOMPARE(kyColumnTexts(play), QStringList({"top.mp3", "a.mp3", "b.mp3"}));
        checkPlayListAligned(dlg);

        // The first row up and the last row down change nothing.
        kyClickCell(play, 0, 0);
        QTest::mouseClick(ui.fPlayListUpBtn, Qt::LeftButton);
        kyClickCell(play, 2, 0);
        QTest::mouseClick(ui.fPlayListDownBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(play), QStringList({"top.mp3", "a.mp3", "b.mp3"}));
        QTest::mouseClick(ui.fPlayListUpBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(play), QStringList({"top.mp3", "b.mp3", "a.mp3"}));
        QCOMPARE(play->currentRow(), 1);
        kyClickCell(play, 0, 0);
        QTest::mouseClick(ui.fPlayListDownBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(play), QStringList({"b.mp3", "top.mp3", "a.mp3"}));
        QCOMPARE(play->currentRow(), 1);
        checkPlayListAligned(dlg);

        // Remove the second of three; then two selected rows at once.
        kyClickCell(play, 1, 0);
        QTest::mouseClick(ui.fPlayListDelBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(play), QStringList({"b.mp3", "a.mp3"}));
        checkPlayListAligned(dlg);
        kyClickCell(terms(ui), 0, 0);
        KyOkPress ok;
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(QString::fromStdString(task.sourceContent), path("/music/b.mp3@#$%") + path("/music/a.mp3"));

        pick(ui, QString(), {"a.mp3"});
        QCOMPARE(kyColumnTexts(play), QStringList({"b.mp3", "a.mp3", "a.mp3"}));
        play->clearSelection();
        play->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
        play->setRangeSelected(QTableWidgetSelectionRange(2, 0, 2, 0), true);
        QTest::mouseClick(ui.fPlayListDelBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(play), QStringList({"a.mp3"}));
        QCOMPARE(dlg.common().playList().at(0).path, path("/music/a.mp3"));

        // A loaded content reopens with its rows and writes the same back.
        task.id = 42;
        task.sourceContent = "a/x.mp3@#$%b/y.mp3";
        KyTimerTaskEditDialog loaded(&task);
        QCOMPARE(kyColumnTexts(loaded.form().fPlayTableWidget), QStringList({"x.mp3", "y.mp3"}));
        loaded.show();
        kyClickCell(loaded.form().fTerminalTable, 0, 0);
        QCOMPARE(ok.press(loaded.form().fOkBtn), QString());
        QCOMPARE(task.sourceContent, std::string("a/x.mp3@#$%b/y.mp3"));
    }

    void execTimesAddEditDelete()
    {
        KySsTask task = newTask(3);
        task.id = 43;
        task.name = "t";
        task.executeTime = "noon#$%43200!!!early#$%25200";
        task.execTimeList = kyParseExecTimes(task.executeTime);
        task.terminalIdList = {1001};
        task.sourceType = 3;
        task.sourceContent = "x";
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        QTableWidget* times = ui.fExecTimeTable;
        QCOMPARE(kyColumnTexts(times, 1), QStringList({"07:00:00", "12:00:00"}));
        dlg.show();
        KyOkPress ok;

        // Edit and delete need a current row.
        times->setCurrentCell(-1, -1);
        QTest::mouseClick(ui.fTimeEditBtn, Qt::LeftButton);
        QTest::mouseClick(ui.fTimeDelBtn, Qt::LeftButton);
        QCOMPARE(ok.catcher.others, 0);
        QCOMPARE(times->rowCount(), 2);

        ok.catcher.setHandler(enterExecTime("late", QTime(20, 0)));
        kyDoubleClickCell(times, 0, 0);   // "early" becomes 20:00 and moves down
        QCOMPARE(kyColumnTexts(times), QStringList({"noon", "late"}));
        ok.catcher.setHandler(enterExecTime("", QTime(18, 0)));
        QTest::mouseClick(ui.fTimeAddBtn, Qt::LeftButton);
        QCOMPARE(kyColumnTexts(times, 1), QStringList({"12:00:00", "18:00:00", "20:00:00"}));
        QCOMPARE(ok.catcher.others, 2);
        kyClickCell(times, 0, 0);
        QTest::mouseClick(ui.fTimeDelBtn, Qt::LeftButton);
        QCOMPARE(ok.press(ui.fOkBtn), QString());
        QCOMPARE(task.executeTime, std::string("#$%64800!!!late#$%72000"));
        QCOMPARE(int(task.execTimeList.size()), 2);
    }

    void allPlayListBusyThenRefused()
    {
        KySsTask task = newTask(2);
        env.server().clearReceived();
        env.server().setBusy("SqlConfig", 3);
        {
            KyTimerTaskEditDialog dlg(&task);
            QCOMPARE(dlg.form().fTerminalTable->rowCount(), 36);
        }
        int asked = 0;
        for (const auto& r : env.server().received("SqlConfig"))
            asked += r.packetSubtype == "AllPlayTerminalList";
        QCOMPARE(asked, 4);

        env.server().setStatus("SqlConfig", 403, 1);
        KyTimerTaskEditDialog dlg(&task);
        Ui::fTimerTaskEditDialog& ui = dlg.form();
        QCOMPARE(ui.fTerminalTable->rowCount(), 0);
        dlg.show();
        ui.fTypeComboBox->setCurrentIndex(2);
        ui.fTtsContentTextEdit->setPlainText("x");
        KyOkPress ok;
        QCOMPARE(ok.press(ui.fOkBtn), QString::fromUtf8("请选择播放终端!"));
    }

    void savedThroughTheStoreAndReopened()
    {
        KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
        QVERIFY(KyFileTestRig::waitUntil([&] { return !store->taskList().empty(); }));
        KySsTask task;
        QVERIFY(store->getTask(2, task));   // a timer task of the fixture
        QCOMPARE(task.sourceCategory, 3);
        {
            KyTimerTaskEditDialog dlg(&task);
            Ui::fTimerTaskEditDialog& ui = dlg.form();
            QCOMPARE(ticked(ui.fTerminalTable), QStringList({"3002", "3003", "3004", "3005"}));
            QCOMPARE(kyColumnTexts(ui.fExecTimeTable, 1), QStringList({"08:00:00", "09:00:00", "10:00:00"}));
            dlg.show();
            ui.fPreOpenAmpSpinBox->setValue(7);
            ui.fSaturdayCb->setChecked(true);
            QTest::mouseClick(ui.fStopDateCb, Qt::LeftButton);
            ui.fStopDateEdit->setDate(QDate(2030, 6, 1));
            kyClickCell(ui.fTerminalTable, rowOfId(ui.fTerminalTable, 1005), 0);
            KyOkPress ok;
            QCOMPARE(ok.press(ui.fOkBtn), QString());
        }
        QCOMPARE(store->saveTask(task, 1), 0);
        QVERIFY(KyFileTestRig::waitUntil([&] {
            KySsTask cached;
            return store->getTask(2, cached) && cached.openAmp == 7;
        }));
        KySsTask reread;
        QVERIFY(store->getTask(2, reread));
        QCOMPARE(reread.week, 31 | 32);
        QCOMPARE(reread.endDate, KyTimerTaskEditDialog::localMidnight(QDate(2030, 6, 1)));
        QCOMPARE(reread.terminalId, std::string("1005 3002 3003 3004 3005"));
        QCOMPARE(reread.executeTime, task.executeTime);
        QCOMPARE(reread.sourceContent, task.sourceContent);

        KyTimerTaskEditDialog again(&reread);
        Ui::fTimerTaskEditDialog& ui = again.form();
        QCOMPARE(ui.fPreOpenAmpSpinBox->value(), 7);
        QVERIFY(ui.fSaturdayCb->isChecked() && !ui.fSundayCb->isChecked());
        QCOMPARE(ui.fStopDateEdit->date(), QDate(2030, 6, 1));
        QCOMPARE(ticked(ui.fTerminalTable), QStringList({"1005", "3002", "3003", "3004", "3005"}));
        QCOMPARE(kyColumnTexts(ui.fExecTimeTable),
                 QStringList({QString::fromUtf8("第一节"), QString::fromUtf8("第二节"), QString::fromUtf8("第三节")}));
        QCOMPARE(kyColumnTexts(ui.fPlayTableWidget),
                 QStringList({QString::fromUtf8("上课铃.mp3"), QString::fromUtf8("预备铃.mp3")}));
        QCOMPARE(ui.fPlayCountLineEdit->text(), QString("2"));
    }

    // Stored values the editor shows cut or not at all: OK unchanged keeps them.
    void untouchedOkKeepsStoredValues()
    {
        KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
        QVERIFY(KyFileTestRig::waitUntil([&] { return !store->taskList().empty(); }));
        KySsTask stored;
        QVERIFY(store->getTask(2, stored));
        stored.name = std::string(40, 'n');
        stored.playVol = 120;
        stored.playTimes = 0;
        stored.duration = 90000;   // 25 hours
        stored.week = 127 | 128;
        stored.openAmp = 150;
        stored.startDate = KyTimerTaskEditDialog::localMidnight(QDate(2026, 3, 1)) + 3600;
        stored.executeTime = "一二三四五六七八九十一#$%28800!!!a#$%1#$%2";   // a label of 33 bytes, a piece of three parts
        stored.execTimeList = kyParseExecTimes(stored.executeTime);
        QCOMPARE(stored.sourceType, 1);
        stored.sourceContent += std::string(TaskFileListSeparator) + "/\xb4\xf3\xcc\xfc.mp3";   // a GBK file name
        KySsTask task = stored;
        KyTimerTaskEditDialog dlg(&task);
        QCOMPARE(dlg.form().fPreOpenAmpSpinBox->value(), 99);
        dlg.show();
        KyOkPress ok;
        QCOMPARE(ok.press(dlg.form().fOkBtn), QString());
        QCOMPARE(task.name, stored.name);
        QCOMPARE(task.playVol, 120);
        QCOMPARE(task.duration, 90000);
        QCOMPARE(task.week, 255);
        QCOMPARE(task.openAmp, 150);
        QCOMPARE(task.startDate, stored.startDate);
        QCOMPARE(task.endDate, stored.endDate);
        QCOMPARE(task.executeTime, stored.executeTime);
        QCOMPARE(task.sourceContent, stored.sourceContent);
    }

    void closedEditorIgnoresRootsAndListings()
    {
        KyCFtpClient* facade = KyFtpMng::instance()->ftpClient();
        {
            KySsTask task = newTask(3);
            KyTimerTaskEditDialog dlg(&task);
            QCOMPARE(facade->taskMediaListener, static_cast<KyMediaListListener*>(dlg.common().mediaBrowser()));
        }
        QVERIFY(!facade->taskMediaListener);
        KyFtpMng::instance()->getTaskFileList(env.mediaRoot());
        TcpSocketClient::instance()->getFileRoot();
        QVERIFY(env.files->drain());
        QVERIFY(!facade->taskMediaListener);
    }

private:
    static QTableWidget* terms(Ui::fTimerTaskEditDialog& ui) { return ui.fTerminalTable; }
};

QTEST_MAIN(TestTaskTimerEdit)
#include "test_task_timeredit.moc"
