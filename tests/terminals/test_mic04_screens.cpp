// The mic04 page and its setting dialog against the stand-in server: rows,
// the dialog's LED and key parts, what an edit sends, and the speaker volume.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include "KyM04InfoForm.h"
#include "KyM04ListMgr.h"
#include "KyM04SettingDialog.h"
#include "KyM12ListMgr.h"
#include "KyMicGroupListMgr.h"
#include "KyMicListMgr.h"
#include "KyTalkScreenTest.h"
#include "KyTestRow.h"
#include "KyTestSession.h"

namespace {

KyRow mic04(int id, int state, int mode, int colour, int volume = 80)
{
    return kyRow({{"terminalId", std::to_string(id)}, {"ip", "10.4.0." + std::to_string(id)},
                {"name", "m" + std::to_string(id)}, {"type", "Mic04"}, {"status", std::to_string(state)},
                {"capVol", "60"}, {"callVol", "70"}, {"bellVol", "50"}, {"broVol", std::to_string(volume)},
                {"ledColor", std::to_string(colour)}, {"switchMode", std::to_string(mode)}, {"displayTime", "5"},
                {"ledTxt", "hello"}});
}

QStringList volumesSent(KyTestServer& server)
{
    QStringList out;
    for (const auto& r : server.received("IpAmpSet")) {
        Json::Value v;
        r.json(v);
        out << QString::fromStdString(v["Id"].asString() + ":" + v["BroVol"].asString());
    }
    return out;
}

}  // namespace

class TestMic04Screens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void table();
    void dialog();
    void editRoad();
    void speakerVolume();

private:
    void edit(int id, const std::function<void(QDialog*)>& change)
    {
        editRow(m_page, m_table, *m_catcher, id, change);
    }
    int rowOfId(int id) { return ::rowOfId(m_table, id); }
    KyMic record(int id);

    KyTestSession* m_session = nullptr;
    KyM04InfoForm* m_page = nullptr;
    QTableWidget* m_table = nullptr;
    QSlider* m_slider = nullptr;
    KyModalCatcher* m_catcher = nullptr;
};

void TestMic04Screens::initTestCase()
{
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    KyTestServer& server = m_session->server();
    // 22 carries values its dialog shows clamped or substituted.
    KyRow clamped = mic04(22, 7, 1, 252);
    kySetField(clamped, "capVol", "150");
    kySetField(clamped, "displayTime", "300");
    server.setRows("mic04", {mic04(21, 1, 0, 0, 40), clamped, mic04(23, 0, 6, 28),
                             mic04(24, 1, 255, 100), mic04(25, 1, 4, 224)});
    server.setRows("m04buttoncall", {kyRow({{"terminalId", "21"}, {"startCall", "ButtonPushDown"},
                                          {"stopCall", "ButtonLongPress"}, {"mic11Id", "3"}, {"groupId", "0"}})});
    server.setRows("callservergroup", {kyRow({{"groupId", "5"}, {"name", "G5"}})});
    server.setRows("mic11", {kyRow({{"terminalId", "2"}, {"name", "M2"}, {"type", "Mic11"}, {"status", "1"}}),
                             kyRow({{"terminalId", "3"}, {"name", "M3"}, {"type", "Mic11"}, {"status", "1"}})});
    server.setRows("m12", {kyRow({{"terminalId", "81"}, {"name", "P81"}, {"type", "M12"}, {"status", "1"}})});
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QCOMPARE(KyM12ListMgr::instance()->init(), 0);
    QTRY_COMPARE(KyMicGroupListMgr::instance()->groupList().size(), size_t(1));
    QTRY_COMPARE(KyMicListMgr::instance()->copyRecords().size(), size_t(2));

    m_page = new KyM04InfoForm;
    m_page->resize(900, 400);
    m_page->show();
    m_table = m_page->table();
    m_slider = child<QSlider>(m_page, "fVolumeSlider");
    QTRY_COMPARE(m_table->rowCount(), 5);
    m_catcher = new KyModalCatcher;
}

void TestMic04Screens::cleanupTestCase()
{
    delete m_catcher;
    delete m_page;
    delete m_session;
}

KyMic TestMic04Screens::record(int id)
{
    KyMic mic;
    KyM04ListMgr::instance()->getM04(id, mic);
    return mic;
}

void TestMic04Screens::table()
{
    QVERIFY(child<QPushButton>(m_page, "fConfigBtn")->isHidden());
    QCOMPARE(m_slider->value(), 75);
    QStringList ids, moves, colours;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        ids << m_table->item(r, 1)->text();
        moves << m_table->item(r, 5)->text();
        colours << m_table->item(r, 6)->text();
    }
    QCOMPARE(ids, QStringList({"25", "24", "23", "22", "21"}));
    // Modes 0, 1, 6 and 255 all show as a left move.
    QCOMPARE(moves, QStringList({"Up Move", "Left Move", "Left Move", "Left Move", "Left Move"}));
    QCOMPARE(colours, QStringList({"Red", "Red", "Green", "Yellow", "Red"}));
    QCOMPARE(m_table->item(3, 2)->text(), QString("EmergencyBroadcast"));
    QCOMPARE(m_table->item(3, 2)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(m_table->item(4, 3)->text(), QString("40"));
    QCOMPARE(m_table->item(4, 7)->text(), QString("hello"));

    // A changed terminal unknown to the table goes on top.
    m_session->server().pushToAll("SqlConfig", "mic04", kyWriteRows({mic04(26, 1, 3, 28)}));
    QTRY_COMPARE(m_table->rowCount(), 6);
    QCOMPARE(m_table->item(0, 5)->text(), QString("Right Move"));
}

void TestMic04Screens::dialog()
{
    KyMic a = record(21);
    KyM04SettingDialog first(&a);
    QComboBox* moves = child<QComboBox>(&first, "fMoveComboBox");
    QCOMPARE(moves->count(), 4);
    QCOMPARE(moves->itemData(3).toInt(), 5);
    QCOMPARE(moves->currentText(), QString("Left Move"));  // mode 0
    // Stored "ButtonPushDown" with microphone 3; the combo offers mic11 only.
    QVERIFY(child<QCheckBox>(&first, "fBlueMicCheckBox")->isChecked());
    QComboBox* mics = child<QComboBox>(&first, "fBlueMicComboBox");
    QCOMPARE(mics->count(), 2);
    QCOMPARE(mics->currentData().toInt(), 3);
    QGroupBox* callBox = child<QGroupBox>(&first, "fCallConfigGroupBox");
    QVERIFY(!callBox->isChecked());
    QVERIFY(!mics->isEnabled());   // drawn disabled in the unticked box
    callBox->setChecked(true);
    QVERIFY(mics->isEnabled());
    QVERIFY(!child<QComboBox>(&first, "fBlueGroupComboBox")->isEnabled());
    callBox->setChecked(false);
    QVERIFY(!mics->isEnabled());
    // Colour 0 opens with none checked; "绿" takes the place of "红"; OK writes 28.
    QVERIFY(!child<QCheckBox>(&first, "fRedColorCheckBox")->isChecked());
    child<QCheckBox>(&first, "fRedColorCheckBox")->click();
    child<QCheckBox>(&first, "fGreenColorCheckBox")->click();
    QVERIFY(!child<QCheckBox>(&first, "fRedColorCheckBox")->isChecked());
    child<QPushButton>(&first, "fOkBtn")->click();
    QCOMPARE(first.result(), int(QDialog::Accepted));
    QCOMPARE(a.ledColor, 28);
    QCOMPARE(a.switchMode, 0);  // shown as "Left Move", left as it was
    QVERIFY(first.buttonCall().startCall.empty());

    // Mode 4, colour 100: "Up Move", no colour checked, OK keeps 100.
    KyMic b = record(24);
    b.switchMode = 4;
    KyM04SettingDialog second(&b);
    QCOMPARE(child<QComboBox>(&second, "fMoveComboBox")->currentText(), QString("Up Move"));
    for (const char* box : {"fRedColorCheckBox", "fGreenColorCheckBox", "fYellowColorCheckBox"})
        QVERIFY2(!child<QCheckBox>(&second, box)->isChecked(), box);
    QVERIFY(child<QComboBox>(&second, "fBlueMicComboBox")->currentIndex() == 0);
    QVERIFY(!child<QCheckBox>(&second, "fBlueMicCheckBox")->isChecked());
    child<QPushButton>(&second, "fOkBtn")->click();
    QCOMPARE(b.ledColor, 100);
    QCOMPARE(b.switchMode, 4);
}

void TestMic04Screens::editRoad()
{
    KyTestServer& server = m_session->server();
    // Only the name: the terminal save, no LED save.
    server.clearReceived();
    m_catcher->clear();
    edit(25, [](QDialog* d) { child<QLineEdit>(d, "fNameEdit")->setText("renamed"); });
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
    QCOMPARE(server.received("ModM04Led").size(), size_t(0));
    QCOMPARE(server.received("M04ButtonCall").size(), size_t(0));
    QVERIFY(m_catcher->texts.isEmpty());

    // Only the LED text: both, the LED body carrying every LED field.
    server.clearReceived();
    edit(25, [](QDialog* d) { child<QLineEdit>(d, "fDispTextLineEdit")->setText("bye"); });
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
    QCOMPARE(server.received("ModM04Led").size(), size_t(1));
    Json::Value led;
    server.received("ModM04Led").back().json(led);
    QCOMPARE(led["LedTxt"].asString(), std::string("bye"));
    QCOMPARE(led["SwitchMode"].asString(), std::string("4"));
    QCOMPARE(led["LedColor"].asString(), std::string("224"));
    QTRY_COMPARE(m_table->item(rowOfId(25), 7)->text(), QString("bye"));

    // The key call goes out with the box checked; refused, the LED waits.
    server.clearReceived();
    server.setStatus("M04ButtonCall", 403, 1);
    edit(21, [](QDialog* d) {
        child<QGroupBox>(d, "fCallConfigGroupBox")->setChecked(true);
        child<QLineEdit>(d, "fDispTextLineEdit")->setText("changed");
    });
    QCOMPARE(m_catcher->texts, QStringList({"Button Call Config Setting Error!"}));
    Json::Value call;
    server.received("M04ButtonCall").back().json(call);
    QCOMPARE(call["ButtonCalls"][0]["StartCall"].asString(), std::string("ButtonPushDown"));
    QCOMPARE(call["ButtonCalls"][0]["Mic11"].asString(), std::string("3"));
    QCOMPARE(server.received("ModM04Led").size(), size_t(0));

    // A refused LED save has its own message.
    m_catcher->clear();
    server.setStatus("ModM04Led", 403, 1);
    edit(21, [](QDialog* d) { child<QLineEdit>(d, "fDispTextLineEdit")->setText("again"); });
    QCOMPARE(m_catcher->texts, QStringList({"Led Config Setting Error!"}));
    // Cache and row hold what the server accepted: the LED text it kept.
    QCOMPARE(record(21).ledTxt, std::string("hello"));
    QTest::qWait(50);
    QCOMPARE(m_table->item(rowOfId(21), 7)->text(), QString("hello"));

    // OK unchanged on move mode 1, capture volume 150, switch time 300: nothing stored changes.
    const std::vector<KyRow> before = server.rows("mic04");
    server.clearReceived();
    m_catcher->clear();
    edit(22, [](QDialog* d) { QCOMPARE(child<QComboBox>(d, "fMoveComboBox")->currentData().toInt(), 2); });
    QCOMPARE(server.received("ModTalkTerminal").size(), size_t(1));
    QCOMPARE(server.received("ModM04Led").size(), size_t(0));
    QVERIFY(m_catcher->texts.isEmpty());
    QVERIFY(kySameRows(server.rows("mic04"), before));
}

void TestMic04Screens::speakerVolume()
{
    KyTestServer& server = m_session->server();
    QPushButton* add = child<QPushButton>(m_page, "fAddVolumnBtn");
    QPushButton* dec = child<QPushButton>(m_page, "fDecVolumnBtn");
    m_catcher->clear();

    // Nothing selected: the slider moves, nothing is sent.
    m_table->clearSelection();
    m_table->setCurrentItem(nullptr);
    server.clearReceived();
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::qWait(800);
    QCOMPARE(server.received("IpAmpSet").size(), size_t(0));

    // A click on the row at 40 shows 40 and sends nothing.
    const int r = rowOfId(21);
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualItemRect(m_table->item(r, 3)).center());
    QCOMPARE(m_slider->value(), 40);
    QTest::qWait(600);
    QCOMPARE(server.received("IpAmpSet").size(), size_t(0));

    // Held +: no step in the first 200 ms, then about one per 100 ms, one on
    // release, one send 500 ms later.
    QElapsedTimer clock;
    QTest::mousePress(add, Qt::LeftButton);
    clock.start();
    QTest::qWait(150);
    if (clock.elapsed() < 190)
        QCOMPARE(m_slider->value(), 40);
    QTest::qWait(850);
    const int held = m_slider->value() - 40;
    QVERIFY2(held >= 4 && held <= 10, qPrintable(QString::number(held)));
    QTest::mouseRelease(add, Qt::LeftButton);
    clock.restart();
    const int sent = 40 + held + 1;
    QCOMPARE(m_slider->value(), sent);
    QTest::qWait(300);
    if (clock.elapsed() < 450)
        QCOMPARE(server.received("IpAmpSet").size(), size_t(0));
    QTRY_VERIFY_WITH_TIMEOUT(!server.received("IpAmpSet").empty(), 3000);
    QVERIFY(clock.elapsed() >= 450);
    QCOMPARE(volumesSent(server), QStringList({QString("21:%1").arg(sent)}));
    QTRY_COMPARE(m_table->item(rowOfId(21), 3)->text(), QString::number(sent));

    // Two clicks on − within 500 ms send once, with both steps.
    QTest::qWait(100);
    server.clearReceived();
    QTest::mouseClick(dec, Qt::LeftButton);
    QTest::qWait(150);
    QTest::mouseClick(dec, Qt::LeftButton);
    QTest::qWait(1200);
    QCOMPARE(volumesSent(server), QStringList({QString("21:%1").arg(sent - 2)}));

    // At 100 a step keeps 100.
    server.clearReceived();
    m_slider->setValue(100);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(m_slider->value(), 100);
    QTRY_COMPARE(volumesSent(server), QStringList({"21:100"}));

    // Refused: the message, the cell keeps its value.
    QTest::qWait(100);
    server.setStatus("IpAmpSet", 403, 1);
    QTest::mouseClick(dec, Qt::LeftButton);
    QTRY_COMPARE(m_catcher->texts, QStringList({"Setting Error!"}));
    QCOMPARE(m_table->item(rowOfId(21), 3)->text(), QString("100"));
    QCOMPARE(m_slider->value(), 100);
    QVERIFY(m_catcher->others == 0);
}

QTEST_MAIN(TestMic04Screens)
#include "test_mic04_screens.moc"
