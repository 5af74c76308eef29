// The mic11 page and its setting dialog against the stand-in server: what OK
// sends, refusals, lists that did not load, pushes and deletes.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "KyDbpRows.h"
#include "KyTestRow.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyM11SettingDialog.h"
#include "KyMic.h"
#include "KyMicInfoForm.h"
#include "KyMicListMgr.h"
#include "KyModalCatcher.h"
#include "KyPlayTermListMgr.h"
#include "KyRegionListMgr.h"
#include "KySsTaskDataMgr.h"
#include "KyTestSession.h"
#include "KyTestWidgets.h"

namespace {

KyRow task(const char* id, const char* category, const char* type)
{
    return kyTestRow({{"id", id}, {"name", id}, {"status", "2"}, {"sourceCategory", category}, {"sourceType", type}});
}

// Body values of the requests of one packet type, "key=value" each.
QStringList sent(KyTestServer& server, const char* type, const char* key)
{
    QStringList out;
    for (const auto& r : server.received(type)) {
        Json::Value v;
        r.json(v);
        out << QString::fromStdString(v[key].asString());
    }
    return out;
}

void click(QTableWidget* t, int row)
{
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 0)).center());
}

KyMic mic4001()
{
    KyMic mic;
    KyMicListMgr::instance()->getMic(4001, mic);
    return mic;
}

}  // namespace

class TestMic11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogUntouched();
    void dialogLists();
    void dialogRefusals();
    void page();

private:
    KyTestSession* m_session = nullptr;
};

void TestMic11::initTestCase()
{
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    KyTestServer& server = m_session->server();
    std::vector<KyRow> m04 = server.rows("mic04");
    kySetField(m04[0], "type", "MIC04");
    server.setRows("mic04", m04);
    server.setRows("soundsource", {task("2", "1", "1"), task("5", "1", "2"), task("7", "2", "1"),
                                   task("8", "1", "4"), task("9", "1", "3"), task("11", "1", "1")});
    // 99 names no task and 7 is not eligible: the dialog shows neither.
    server.setRows("fixsstask", {kyTestRow({{"terminalId", "4001"}, {"id", "9"}}), kyTestRow({{"terminalId", "4001"}, {"id", "99"}}),
                                 kyTestRow({{"terminalId", "4001"}, {"id", "5"}}),
                                 kyTestRow({{"terminalId", "4001"}, {"id", "7"}}), kyTestRow({{"terminalId", "4001"}, {"id", "2"}})});
    // A capture volume the spin box clamps and a push-to-talk mode the combo cannot show.
    std::vector<KyRow> m11 = server.rows("mic11");
    kySetField(m11[0], "capVol", "120");
    kySetField(m11[0], "PttMode", "2");
    server.setRows("mic11", m11);
    KyM02ListMgr::instance();
    KyM04ListMgr::instance();
    KyRegionListMgr::instance();
    KySsTaskDataMgr::instance();
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
    QTest::qWait(50);
}

void TestMic11::cleanupTestCase()
{
    delete m_session;
}

void TestMic11::dialogUntouched()
{
    KyTestServer& server = m_session->server();
    KyMic mic = mic4001();
    KyM11SettingDialog dialog(&mic);
    auto* monitor = dialog.findChild<QTableWidget*>("fMonitorTb");
    auto* tabs = dialog.findChild<QTabWidget*>("fConfigTabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QString::fromUtf8("选择监听终端"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(dialog.findChild<QCheckBox*>("fSsTaskCb")->isHidden());
    // Monitor rows: mic02, mic04, the other mic11s, play terminals; the book's ones checked.
    QCOMPARE(rowOfId(monitor, 4001), -1);
    QVERIFY(rowOfId(monitor, 4002) > rowOfId(monitor, 2001));
    QVERIFY(rowOfId(monitor, 2001) > rowOfId(monitor, 1001));
    QVERIFY(rowOfId(monitor, 3001) > rowOfId(monitor, 4012));
    QCOMPARE(monitor->item(rowOfId(monitor, 1002), 0)->checkState(), Qt::Checked);
    QCOMPARE(monitor->item(rowOfId(monitor, 1003), 0)->checkState(), Qt::Unchecked);
    // Chosen tasks in book order, eligible ones only; the pick list holds every eligible task.
    auto* chosen = dialog.findChild<QTableWidget*>("fSeleSsTaskTb");
    auto* tasks = dialog.findChild<QTableWidget*>("fSsTaskTb");
    QCOMPARE(chosen->rowCount(), 3);
    QCOMPARE(rowOfId(chosen, 9), 0);
    QCOMPARE(rowOfId(chosen, 2), 2);
    QCOMPARE(dialog.soundSourceText(), QString("9 99 5 7 2"));
    QCOMPARE(tasks->rowCount(), 4);
    QCOMPARE(dialog.findChild<QSpinBox*>("fTalkSpinBox")->value(), mic.vol[KyMic::VOL_TALK]);
    QCOMPARE(dialog.findChild<QSpinBox*>("fCapSpinBox")->value(), 100);

    // OK unchanged leaves every stored record as it was.
    const std::vector<KyRow> m11Before = server.rows("mic11");
    const std::vector<KyRow> booksBefore = server.rows("fixsstask");
    server.clearReceived();
    dialog.slot_ok_clicked();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(0));
    QCOMPARE(server.received("M11MonitorBook").size(), size_t(0));
    QCOMPARE(server.received("M11BroadBook").size(), size_t(0));
    QCOMPARE(sent(server, "M11SoundSource", "SoundSource"), QStringList({"9 99 5 7 2"}));
    QVERIFY(kySameRows(server.rows("mic11"), m11Before));
    QVERIFY(kySameRows(server.rows("fixsstask"), booksBefore));

    // Only the talk volume changed: the clamped volume and the mode go back as stored.
    KyMic again = mic4001();
    KyM11SettingDialog edit(&again);
    edit.findChild<QSpinBox*>("fTalkSpinBox")->setValue(mic.vol[KyMic::VOL_TALK] == 50 ? 51 : 50);
    server.clearReceived();
    edit.slot_ok_clicked();
    QCOMPARE(sent(server, "ModTalkTerminal", "CapVol"), QStringList({"120"}));
    QCOMPARE(sent(server, "ModTalkTerminal", "PttMode"), QStringList({"2"}));
}

void TestMic11::dialogLists()
{
    KyTestServer& server = m_session->server();
    KyModalCatcher catcher;
    KyMic mic = mic4001();
    KyM11SettingDialog dialog(&mic);
    dialog.resize(700, 800);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>("fConfigTabWidget");
    auto* monitor = dialog.findChild<QTableWidget*>("fMonitorTb");
    // MIC04 (upper case) counts as an amplifier; a row clicked twice still counts as a change.
    click(monitor, rowOfId(monitor, 2001));
    click(monitor, rowOfId(monitor, 1003));
    click(monitor, rowOfId(monitor, 1003));
    QCOMPARE(dialog.monitorText(), QString("Mic02_1002 IpAmp_2001 IpAmp_3001"));

    // Tasks: move 9 down twice, add 11 then remove it, adding 5 again is refused.
    tabs->setCurrentIndex(1);
    auto* chosen = dialog.findChild<QTableWidget*>("fSeleSsTaskTb");
    auto* tasks = dialog.findChild<QTableWidget*>("fSsTaskTb");
    chosen->setCurrentCell(0, 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsTaskDownBtn"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsTaskDownBtn"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsTaskDownBtn"), Qt::LeftButton);
    QCOMPARE(chosen->currentRow(), 2);
    QCOMPARE(dialog.soundSourceText(), QString("5 99 2 7 9"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsTaskUpBtn"), Qt::LeftButton);
    QCOMPARE(dialog.soundSourceText(), QString("5 99 9 7 2"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsTaskDownBtn"), Qt::LeftButton);
    tasks->setCurrentCell(rowOfId(tasks, 11), 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsPlanAddBtn"), Qt::LeftButton);
    QCOMPARE(dialog.soundSourceText(), QString("5 99 2 7 9 11"));
    chosen->setCurrentCell(3, 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSeleDelSsTaskBtn"), Qt::LeftButton);
    tasks->setCurrentCell(rowOfId(tasks, 5), 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSsPlanAddBtn"), Qt::LeftButton);
    QCOMPARE(catcher.titles, QStringList({QString::fromUtf8("提示")}));
    QCOMPARE(catcher.texts, QStringList({QString::fromUtf8("已经选择!")}));
    chosen->setCurrentCell(0, 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fSeleDelSsTaskBtn"), Qt::LeftButton);
    QCOMPARE(dialog.soundSourceText(), QString("2 99 9 7"));

    // Regions: tick all; volumes by the index map.
    dialog.findChild<QCheckBox*>("fRegionCb")->setChecked(true);
    dialog.findChild<QSpinBox*>("fCapSpinBox")->setValue(11);
    dialog.findChild<QSpinBox*>("fTalkSpinBox")->setValue(22);
    dialog.findChild<QSpinBox*>("fRingSpinBox")->setValue(33);
    dialog.findChild<QSpinBox*>("fBcastSpinBox")->setValue(44);

    // A refused monitor list is named; the later parts still go and the dialog closes.
    catcher.clear();
    server.clearReceived();
    server.setStatus("M11MonitorBook", 403, 1);
    QTest::mouseClick(dialog.findChild<QPushButton*>("fOkBtn"), Qt::LeftButton);
    QCOMPARE(catcher.texts, QStringList({"Setting Monitor List Error!"}));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(sent(server, "ModTalkTerminal", "CapVol"), QStringList({"11"}));
    QCOMPARE(sent(server, "ModTalkTerminal", "CallVol"), QStringList({"22"}));
    QCOMPARE(sent(server, "ModTalkTerminal", "BellVol"), QStringList({"33"}));
    QCOMPARE(sent(server, "ModTalkTerminal", "BroVol"), QStringList({"44"}));
    QCOMPARE(sent(server, "M11MonitorBook", "Monitor"), QStringList({"Mic02_1002 IpAmp_2001 IpAmp_3001"}));
    QCOMPARE(sent(server, "M11SoundSource", "SoundSource"), QStringList({"2 99 9 7"}));
    QCOMPARE(sent(server, "M11BroadBook", "RegionId"), QStringList({"1 2 3 4 5 6"}));
    QTRY_COMPARE(KyMicListMgr::instance()->monitorList().size(), size_t(2));
}

void TestMic11::dialogRefusals()
{
    KyTestServer& server = m_session->server();
    KyModalCatcher catcher;
    {  // An empty name, then a refused save: open, nothing more sent; OK again sends.
        KyMic mic = mic4001();
        KyM11SettingDialog dialog(&mic);
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>("fNameEdit");
        const QString oldName = name->text();
        name->clear();
        server.clearReceived();
        dialog.slot_ok_clicked();
        QCOMPARE(catcher.texts, QStringList({"The name cannot be empty!"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(server.received().size(), size_t(0));
        name->setText(oldName + "x");
        server.setStatus("ModTalkTerminal", 403, 1);
        dialog.slot_ok_clicked();
        QCOMPARE(catcher.lastText(), QString("Setting Error!"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
        QCOMPARE(server.received("M11SoundSource").size(), size_t(0));
        dialog.slot_ok_clicked();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(sent(server, "ModTalkTerminal", "Name").size(), 2);
        QCOMPARE(server.received("M11SoundSource").size(), size_t(1));
        QCOMPARE(catcher.texts.size(), 2);
    }
    {  // Books that did not load are never sent, even with "全选" ticked on the empty tables.
        server.setStatus("SqlConfig", 403, 3);
        KyMic mic = mic4001();
        KyM11SettingDialog dialog(&mic);
        QCOMPARE(dialog.findChild<QTableWidget*>("fMonitorTb")->rowCount(), 0);
        QCOMPARE(dialog.findChild<QTableWidget*>("fSeleSsTaskTb")->rowCount(), 0);
        dialog.findChild<QCheckBox*>("fMonitorAllCb")->setChecked(true);
        dialog.findChild<QCheckBox*>("fRegionCb")->setChecked(true);
        server.clearReceived();
        dialog.slot_ok_clicked();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(server.received().size(), size_t(0));
    }
}

void TestMic11::page()
{
    KyTestServer& server = m_session->server();
    KyModalCatcher catcher;
    KyMicInfoForm page;
    page.resize(700, 500);
    page.show();
    QTableWidget* t = page.table();
    QTRY_COMPARE(t->rowCount(), 12);
    QCOMPARE(t->item(0, 1)->text(), QString("4012"));
    QCOMPARE(t->item(11, 1)->text(), QString("4001"));
    QCOMPARE(t->item(11, 2)->text(), QString("Idle"));
    QVERIFY(page.findChild<QPushButton*>("fTcpModeBtn")->isHidden());

    // Pushes from another console: a state out of range, a new terminal on top.
    server.pushToAll("SqlConfig", "mic11", kyWriteRows({kyTestRow({{"terminalId", "4003"}, {"status", "9"}})}));
    server.pushToAll("SqlConfig", "mic11",
                     kyWriteRows({kyTestRow({{"terminalId", "4100"}, {"name", "new"}, {"type", "Mic11"}, {"status", "0"}})}));
    QTRY_COMPARE(t->rowCount(), 13);
    QCOMPARE(t->item(0, 1)->text(), QString("4100"));
    QCOMPARE(t->item(rowOfId(t, 4003), 2)->text(), QString("Off Line"));
    page.slot_updateM11Row(9999);
    QCOMPARE(t->rowCount(), 13);

    // Nothing selected: no question. An online and an offline terminal: one notice, one removal.
    t->clearSelection();
    QTest::mouseClick(page.findChild<QPushButton*>("fDelBtn"), Qt::LeftButton);
    QVERIFY(catcher.texts.isEmpty());
    t->setCurrentCell(rowOfId(t, 4004), 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    t->setCurrentCell(rowOfId(t, 4001), 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    t->setCurrentCell(rowOfId(t, 4002), 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    server.clearReceived();
    QTest::mouseClick(page.findChild<QPushButton*>("fDelBtn"), Qt::LeftButton);
    QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Terminal can not be removed without offline!",
                                         "Terminal can not be removed without offline!"}));
    QCOMPARE(server.received("RemoveDevice").size(), size_t(1));
    QCOMPARE(rowOfId(t, 4004), -1);
    QCOMPARE(t->rowCount(), 12);
    QTest::qWait(100);  // the removal's push reaches only other consoles
    QCOMPARE(t->rowCount(), 12);

    // A refused removal keeps the row silently.
    catcher.clear();
    t->clearSelection();
    t->setCurrentCell(rowOfId(t, 4008), 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    server.setStatus("RemoveDevice", 403, 1);
    QTest::mouseClick(page.findChild<QPushButton*>("fDelBtn"), Qt::LeftButton);
    QCOMPARE(catcher.texts, QStringList({"Delete current record?"}));
    QVERIFY(rowOfId(t, 4008) >= 0);

    // A double click opens the dialog on that row's terminal.
    QString title;
    catcher.setHandler([&title](QDialog* d) {
        title = d->findChild<QLineEdit*>("fNameEdit")->text();
        d->reject();
    });
    const int row = rowOfId(t, 4002);
    const QPoint cell = t->visualItemRect(t->item(row, 1)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, cell);
    QTRY_COMPARE(title, t->item(row, 0)->text());
}

QTEST_MAIN(TestMic11)
#include "test_mic11.moc"
