// The mic02 page and its setting dialog against the stand-in server: rows,
// loading of the stored key calls, and what OK sends.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "KyM02InfoForm.h"
#include "KyM02ListMgr.h"
#include "KyM02SettingDialog.h"
#include "KyM12ListMgr.h"
#include "KyMicGroupListMgr.h"
#include "KyMicListMgr.h"
#include "KyTalkScreenTest.h"
#include "KyTestSession.h"

namespace {

KyRow mic02(int id, const char* name, int state, int ppt = 0, int aec = 0)
{
    return kyRow({{"terminalId", std::to_string(id)}, {"ip", "10.2.0." + std::to_string(id)}, {"name", name},
                {"type", "Mic02"}, {"status", std::to_string(state)}, {"capVol", "60"}, {"callVol", "70"},
                {"bellVol", "50"}, {"broVol", "80"}, {"ppt", std::to_string(ppt)}, {"aec", std::to_string(aec)}});
}

KyRow call(int id, const char* start, const char* stop, int mic11, int group)
{
    return kyRow({{"terminalId", std::to_string(id)}, {"startCall", start}, {"stopCall", stop},
                {"mic11Id", std::to_string(mic11)}, {"groupId", std::to_string(group)}});
}

KyRow terminal(int id, const char* name, const char* type)
{
    return kyRow({{"terminalId", std::to_string(id)}, {"ip", "10.9.0.1"}, {"name", name}, {"type", type},
                {"status", "1"}});
}

QStringList comboIds(QComboBox* combo)
{
    QStringList ids;
    for (int i = 0; i < combo->count(); ++i)
        ids << combo->itemData(i).toString();
    return ids;
}

Json::Value lastBody(KyTestServer& server, const char* type)
{
    Json::Value v;
    const auto got = server.received(type);
    if (!got.empty())
        got.back().json(v);
    return v;
}

}  // namespace

class TestMic02Screens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void table();
    void dialogLoading();
    void editRoad();

private:
    void edit(int id, const std::function<void(QDialog*)>& change)
    {
        editRow(m_page, m_table, *m_catcher, id, change);
    }
    int rowOfId(int id) { return ::rowOfId(m_table, id); }

    KyTestSession* m_session = nullptr;
    KyM02InfoForm* m_page = nullptr;
    QTableWidget* m_table = nullptr;
    KyModalCatcher* m_catcher = nullptr;
};

void TestMic02Screens::initTestCase()
{
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    KyTestServer& server = m_session->server();
    server.setRows("mic02", {mic02(11, "first", 1, 1, 0), mic02(12, "second", 7), mic02(13, "third", 9),
                             mic02(14, "fourth", -1), mic02(15, "fifth", 0)});
    server.setRows("m02buttoncall", {call(11, "ButtonPopUp", "ButtonLongPress", 0, 5),
                                     call(11, "AlarmShortPress", "AlarmLongPress", 32, 0),
                                     call(11, "BackupShortPress", "BackupLongPress", 0, 0),
                                     call(11, "buttonpopup", "ButtonLongPress", 31, 0)});
    server.setRows("callservergroup", {kyRow({{"groupId", "5"}, {"name", "G5"}}), kyRow({{"groupId", "6"}, {"name", "G6"}})});
    server.setRows("mic11", {terminal(31, "M31", "Mic11"), terminal(32, "M32", "Mic11")});
    server.setRows("m12", {terminal(81, "P81", "M12")});
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QCOMPARE(KyM12ListMgr::instance()->init(), 0);
    QTRY_COMPARE(KyMicGroupListMgr::instance()->groupList().size(), size_t(2));
    QTRY_COMPARE(KyMicListMgr::instance()->copyRecords().size(), size_t(2));
    QTRY_COMPARE(KyM12ListMgr::instance()->copyRecords().size(), size_t(1));

    m_page = new KyM02InfoForm;
    m_page->resize(800, 400);
    m_page->show();
    m_table = m_page->table();
    QTRY_COMPARE(m_table->rowCount(), 5);
    m_catcher = new KyModalCatcher;
}

void TestMic02Screens::cleanupTestCase()
{
    delete m_catcher;
    delete m_page;
    delete m_session;
}

void TestMic02Screens::table()
{
    QVERIFY(child<QPushButton>(m_page, "fConfigBtn")->isHidden());
    QVERIFY(child<QPushButton>(m_page, "fNewBtn")->isHidden());
    QStringList names, states;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        names << m_table->item(r, 0)->text();
        states << m_table->item(r, 4)->text();
    }
    QCOMPARE(names, QStringList({"fifth", "fourth", "third", "second", "first"}));
    QCOMPARE(states, QStringList({"Login Out", "Login Out", "Login Out", "EmergencyBroadcast", "Idle"}));
    QCOMPARE(m_table->item(3, 4)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(m_table->item(2, 4)->foreground().color(), QColor(0, 0, 0));
    // ppt 1, aec 0: each flag under the header that names it.
    QCOMPARE(m_table->horizontalHeaderItem(2)->text(), QString("Is AEC"));
    QCOMPARE(m_table->item(4, 2)->text(), QString("No"));
    QCOMPARE(m_table->horizontalHeaderItem(3)->text(), QString("Is PPT"));
    QCOMPARE(m_table->item(4, 3)->text(), QString("Yes"));
    QCOMPARE(m_table->item(4, 1)->text(), QString("11"));
    QCOMPARE(m_table->item(4, 1)->data(Qt::UserRole).toInt(), 0);

    // A change redraws name, state and IP only; an unknown id goes on top.
    KyTestServer& server = m_session->server();
    KyRow changed = mic02(11, "renamed", 7, 0, 1);
    server.pushToAll("SqlConfig", "mic02", kyWriteRows({changed}));
    server.pushToAll("SqlConfig", "mic02", kyWriteRows({mic02(16, "sixth", 1)}));
    QTRY_COMPARE(m_table->rowCount(), 6);
    QTRY_COMPARE(m_table->item(rowOfId(11), 0)->text(), QString("renamed"));
    QCOMPARE(m_table->item(0, 0)->text(), QString("sixth"));
    const int r11 = rowOfId(11);
    QCOMPARE(m_table->item(r11, 4)->text(), QString("EmergencyBroadcast"));
    QCOMPARE(m_table->item(r11, 2)->text(), QString("No"));
    QCOMPARE(m_table->item(r11, 3)->text(), QString("Yes"));

    // Deleting an online terminal warns and sends nothing; an offline one goes.
    server.clearReceived();
    m_catcher->clear();
    m_table->setCurrentCell(rowOfId(16), 0);
    child<QPushButton>(m_page, "fDelBtn")->click();
    QCOMPARE(m_catcher->texts, QStringList({"Delete current record?", "Terminal can not be removed without offline!"}));
    QCOMPARE(server.received("RemoveDevice").size(), size_t(0));
    m_catcher->clear();
    m_table->setCurrentCell(rowOfId(15), 0);
    child<QPushButton>(m_page, "fDelBtn")->click();
    QCOMPARE(server.received("RemoveDevice").size(), size_t(1));
    QTRY_COMPARE(rowOfId(15), -1);
}

void TestMic02Screens::dialogLoading()
{
    KyMic a;
    QVERIFY(KyM02ListMgr::instance()->getM02(11, a));
    KyM02SettingDialog dialog(&a);
    QGroupBox* callBox = child<QGroupBox>(&dialog, "fCallConfigGroupBox");
    QVERIFY(!callBox->isChecked());
    // Stored middle key: group 5; exact, case-sensitive event match.
    QVERIFY(child<QCheckBox>(&dialog, "fBlueGroupCheckBox")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "fBlueMicCheckBox")->isChecked());
    QComboBox* middleGroups = child<QComboBox>(&dialog, "fBlueGroupComboBox");
    QCOMPARE(middleGroups->currentData().toInt(), 5);
    QVERIFY(!middleGroups->isEnabled());   // the call configuration is unticked
    // Microphones: mic11 then m12.
    QCOMPARE(comboIds(child<QComboBox>(&dialog, "fRedLeftMicCombo")), QStringList({"31", "32", "81"}));
    QCOMPARE(child<QComboBox>(&dialog, "fRedLeftMicCombo")->currentData().toInt(), 32);
    QVERIFY(child<QCheckBox>(&dialog, "fRedLeftMicCb")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "fRedRightGroupCBox")->isChecked());
    QVERIFY(!child<QCheckBox>(&dialog, "fRedRightMicCb")->isChecked());
    QVERIFY(child<QRadioButton>(&dialog, "fOpenAlarmRadioButton")->isChecked());

    // The microphone box of a key takes the place of its group box.
    callBox->setChecked(true);
    QVERIFY(middleGroups->isEnabled());
    QVERIFY(!child<QComboBox>(&dialog, "fBlueMicComboBox")->isEnabled());
    child<QCheckBox>(&dialog, "fBlueMicCheckBox")->click();
    QVERIFY(!child<QCheckBox>(&dialog, "fBlueGroupCheckBox")->isChecked());
    QVERIFY(!middleGroups->isEnabledTo(callBox));
    QVERIFY(child<QComboBox>(&dialog, "fBlueMicComboBox")->isEnabledTo(callBox));

    // Terminal B whose query is refused opens empty, never with A's calls.
    KyMic b;
    QVERIFY(KyM02ListMgr::instance()->getM02(12, b));
    m_session->server().setStatus("SqlConfig", 403, 1);
    KyM02SettingDialog other(&b);
    for (const char* box : {"fBlueGroupCheckBox", "fBlueMicCheckBox", "fRedLeftGroupCBox", "fRedLeftMicCb",
                            "fRedRightGroupCBox", "fRedRightMicCb"})
        QVERIFY2(!child<QCheckBox>(&other, box)->isChecked(), box);
    QCOMPARE(child<QComboBox>(&other, "fBlueGroupComboBox")->count(), 0);
    QCOMPARE(child<QComboBox>(&other, "fRedLeftMicCombo")->count(), 0);
    QVERIFY(child<QRadioButton>(&other, "fCloseAlarmradioButton")->isChecked());
    QVERIFY(KyM02ListMgr::instance()->buttonCallList().empty());
}

void TestMic02Screens::editRoad()
{
    KyTestServer& server = m_session->server();
    const auto setVolumes = [](QDialog* d) {
        child<QLineEdit>(d, "fNameEdit")->setText(QString::fromUtf8("前台"));
        child<QSpinBox>(d, "fCapSpinBox")->setValue(11);
        child<QSpinBox>(d, "fTalkSpinBox")->setValue(22);
        child<QSpinBox>(d, "fRingSpinBox")->setValue(33);
        child<QSpinBox>(d, "fBcastSpinBox")->setValue(44);
    };

    // Unchecked call configuration: the name and volumes alone.
    server.clearReceived();
    m_catcher->clear();
    edit(11, setVolumes);
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
    Json::Value saved = lastBody(server, "ModTalkTerminal");
    QCOMPARE(QString::fromStdString(saved["Name"].asString()), QString::fromUtf8("前台"));
    QCOMPARE(saved["Id"].asString(), std::string("11"));
    QCOMPARE(saved["CapVol"].asString(), std::string("11"));
    QCOMPARE(saved["CallVol"].asString(), std::string("22"));
    QCOMPARE(saved["BellVol"].asString(), std::string("33"));
    QCOMPARE(saved["BroVol"].asString(), std::string("44"));
    QCOMPARE(server.received("M02ButtonCall").size(), size_t(0));
    QVERIFY(m_catcher->texts.isEmpty());
    QTRY_COMPARE(m_table->item(rowOfId(11), 0)->text(), QString::fromUtf8("前台"));

    // Checked: three key calls in key order and the alarm call.
    server.clearReceived();
    edit(11, [](QDialog* d) {
        child<QGroupBox>(d, "fCallConfigGroupBox")->setChecked(true);
        child<QCheckBox>(d, "fRedRightGroupCBox")->click();
        child<QComboBox>(d, "fRedRightGroupCombo")->setCurrentIndex(1);
    });
    Json::Value calls = lastBody(server, "M02ButtonCall");
    QCOMPARE(calls["Id"].asString(), std::string("11"));
    QCOMPARE(calls["ButtonCalls"].size(), 3u);
    QStringList entries;
    for (const Json::Value& e : calls["ButtonCalls"])
        entries << QString::fromStdString(e["StartCall"].asString() + "/" + e["StopCall"].asString() + "/"
                                          + e["Mic11"].asString() + "/" + e["CallServiceGroup"].asString());
    QCOMPARE(entries, QStringList({"ButtonPopUp/ButtonLongPress/0/5", "AlarmShortPress/AlarmLongPress/32/0",
                                   "Alarm2ShortPress/Alarm2LongPress/0/6"}));
    QCOMPARE(calls["AlarmCall"].asString(), std::string("BackupShortPress BackupLongPress"));

    // Query refused: a checked microphone box with an empty combo gives 0,
    // "关闭" gives a blank alarm call.
    server.clearReceived();
    server.setStatus("SqlConfig", 403, 1);
    edit(11, [](QDialog* d) {
        child<QGroupBox>(d, "fCallConfigGroupBox")->setChecked(true);
        child<QCheckBox>(d, "fBlueMicCheckBox")->click();
    });
    calls = lastBody(server, "M02ButtonCall");
    QCOMPARE(calls["ButtonCalls"][0]["Mic11"].asString(), std::string("0"));
    QCOMPARE(calls["ButtonCalls"][0]["CallServiceGroup"].asString(), std::string("0"));
    QCOMPARE(calls["AlarmCall"].asString(), std::string(" "));

    // A refused terminal save stops before the key calls.
    server.clearReceived();
    m_catcher->clear();
    server.setStatus("ModTalkTerminal", 403, 1);
    edit(11, [](QDialog* d) { child<QGroupBox>(d, "fCallConfigGroupBox")->setChecked(true); });
    QCOMPARE(m_catcher->texts, QStringList({"Setting Error!"}));
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
    QCOMPARE(server.received("M02ButtonCall").size(), size_t(0));

    // A refused key-call save has its own message.
    m_catcher->clear();
    server.setStatus("M02ButtonCall", 403, 1);
    edit(11, [](QDialog* d) { child<QGroupBox>(d, "fCallConfigGroupBox")->setChecked(true); });
    QCOMPARE(m_catcher->texts, QStringList({"Button Call Config Setting Error!"}));

    // An empty name keeps the dialog open; Cancel then sends nothing.
    server.clearReceived();
    m_catcher->clear();
    m_table->setCurrentCell(rowOfId(11), 0);
    m_catcher->setHandler([](QDialog* d) {
        child<QLineEdit>(d, "fNameEdit")->clear();
        QTimer::singleShot(0, d, [d] { child<QPushButton>(d, "fOkBtn")->click(); });
        QTimer::singleShot(400, d, [d] { child<QPushButton>(d, "fCancelBtn")->click(); });
    });
    child<QPushButton>(m_page, "fEditBtn")->click();
    QCOMPARE(m_catcher->texts, QStringList({"The name cannot be empty!"}));
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(0));
}

QTEST_MAIN(TestMic02Screens)
#include "test_mic02_screens.moc"
