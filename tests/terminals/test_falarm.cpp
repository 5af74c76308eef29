// Fire-alarm interfaces: the channel list, the setting and channel dialogs
// (what reaches the server, what a refusal shows) and the list page.
#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "KyDbpRows.h"
#include "KyFAlarm.h"
#include "KyFAlarmChannelDialog.h"
#include "KyFAlarmChannels.h"
#include "KyFAlarmInfoForm.h"
#include "KyFAlarmListMgr.h"
#include "KyFAlarmSettingDialog.h"
#include "KyModalCatcher.h"
#include "KySsTaskDataMgr.h"
#include "KyTermPageTestSupport.h"
#include "KyTestSession.h"
#include "KyTestWidgets.h"
#include "KyTipsInfo.h"

namespace {

const QColor kRed(252, 65, 54);
const QColor kGrey(240, 240, 240);
const QColor kWhite(255, 255, 255);

KyFAlarm alarmRecord(int id, const char* channels, int mask, int type = 2, int state = 1)
{
    KyFAlarm a;
    a.id = id;
    a.name = "接口" + std::to_string(id);
    a.type = "FR";
    a.state = state;
    a.broadcast = channels;
    a.shortCircuit = mask;
    a.triggerType = type;
    return a;
}

KyRow alarmRow(const KyFAlarm& a)
{
    KyRow r;
    r.add("terminalId", std::to_string(a.id));
    r.add("ip", "10.0.7." + std::to_string(a.id % 100));
    r.add("name", a.name);
    r.add("type", a.type);
    r.add("status", std::to_string(a.state));
    r.add("broadcast", a.broadcast);
    r.add("shortCircuit", std::to_string(a.shortCircuit));
    r.add("triggerType", std::to_string(a.triggerType));
    return r;
}

QString text(QTableWidget* t, int row, int column)
{
    return t->item(row, column)->text();
}

QColor background(QTableWidget* t, int row, int column)
{
    return t->item(row, column)->background().color();
}

void clickRow(QTableWidget* t, int row)
{
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 0)).center());
}

int listRequests(KyTestServer& server)
{
    int n = 0;
    for (const auto& r : server.received())
        n += r.packetSubtype == "FAlarmList";
    return n;
}

// Runs the channel dialog: picks the row of task id `taskId` (none for 0), types the name, OK.
KyModalCatcher::Handler configureChannel(int taskId, QString name)
{
    return [=](QDialog* d) {
        auto* table = d->findChild<QTableWidget*>("fChannelTb");
        if (rowOfId(table, taskId) >= 0)
            clickRow(table, rowOfId(table, taskId));
        d->findChild<QLineEdit*>("fChannelNameLe")->setText(name);
        d->findChild<QPushButton*>("fOkBtn")->click();
    };
}

}  // namespace

class TestFAlarm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void channelListParsing();
    void channelTableShown();
    void channelSavesReachTheServer();
    void interfaceSave();
    void channelDialog();
    void listPage();

private:
    KyTestSession* m_session = nullptr;
};

void TestFAlarm::initTestCase()
{
    kyUseUtf8Locale();
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    // Manual tasks of the fixture: 6 "紧急疏散" and 7 "领导讲话"; 9 is an SDK task.
    QTRY_VERIFY(KySsTaskDataMgr::instance()->taskList().size() >= 9);
}

void TestFAlarm::cleanupTestCase()
{
    delete m_session;
}

void TestFAlarm::channelListParsing()
{
    // A named channel, an empty piece, a lone separator with 0.
    std::vector<KyFAlarmChannel> c = kyParseFAlarmChannels("大厅#$%12!!!!!!#$%0");
    QCOMPARE(c.size(), size_t(2));
    QCOMPARE(c[0].name, std::string("大厅"));
    QCOMPARE(c[0].taskId, 12);
    QCOMPARE(c[1].name, std::string("通道2"));
    QCOMPARE(c[1].taskId, 0);
    QVERIFY(kyParseFAlarmChannels("").empty());
    QVERIFY(kyParseFAlarmChannels("!!!!!!").empty());

    // Not numbers read as 0; a channel of one or three pieces is numbered after the skip.
    c = kyParseFAlarmChannels("!!!甲#$%abc!!!乙!!!#$%5!!!a#$%b#$%7!!!丙#$%99999999999");
    QCOMPARE(c.size(), size_t(5));
    QCOMPARE(c[0].name, std::string("甲"));
    QCOMPARE(c[0].taskId, 0);
    QCOMPARE(c[1].name, std::string("通道2"));
    QCOMPARE(c[1].taskId, 0);
    QCOMPARE(c[2].name, std::string("通道3"));
    QCOMPARE(c[2].taskId, 5);
    QCOMPARE(c[3].name, std::string("通道4"));
    QCOMPARE(c[3].taskId, 0);
    QCOMPARE(c[4].taskId, 0);

    // The mask: bit n-1 as unsigned 32 bits; channels above 32 idle.
    QVERIFY(kyFAlarmChannelTriggered(5, 1));
    QVERIFY(!kyFAlarmChannelTriggered(5, 2));
    QVERIFY(kyFAlarmChannelTriggered(5, 3));
    QVERIFY(kyFAlarmChannelTriggered(int(0x80000000u), 32));
    QVERIFY(!kyFAlarmChannelTriggered(-1, 33));
    QVERIFY(!kyFAlarmChannelTriggered(-1, 64));
    QVERIFY(!kyFAlarmChannelTriggered(-1, 0));
}

void TestFAlarm::channelTableShown()
{
    KyFAlarm a = alarmRecord(7101, "甲#$%6!!!!!!#$%0!!!乙#$%9", 5);
    KyFAlarmSettingDialog dialog(&a);
    QTableWidget* t = dialog.findChild<QTableWidget*>("fChannelTb");
    QCOMPARE(t->rowCount(), 3);
    const QStringList expected[] = {{"1", "甲", "报警", "紧急疏散"},
                                    {"2", "通道2", "空闲", "[未配置]"},
                                    {"3", "乙", "报警", "[任务不存在]"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c)
            QCOMPARE(text(t, r, c), expected[r][c]);
    }
    QCOMPARE(t->item(0, 0)->data(Qt::UserRole).toInt(), 6);
    QCOMPARE(t->item(2, 0)->data(Qt::UserRole).toInt(), 9);
    QCOMPARE(t->item(0, 2)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 0);
    QCOMPARE(t->item(0, 2)->foreground().color(), kRed);
    QCOMPARE(background(t, 0, 3), kGrey);
    QCOMPARE(background(t, 1, 1), kWhite);
    QVERIFY(dialog.findChild<QCheckBox*>("fEmergencyCb")->isChecked());

    // Forty channels, every bit set: 1..32 triggered, 33..40 idle.
    std::string forty;
    for (int i = 1; i <= 40; ++i)
        forty += (i > 1 ? "!!!" : "") + std::string("c") + std::to_string(i) + "#$%0";
    KyFAlarm big = alarmRecord(7102, forty.c_str(), -1, 1);
    KyFAlarmSettingDialog bigDialog(&big);
    t = bigDialog.findChild<QTableWidget*>("fChannelTb");
    QCOMPARE(t->rowCount(), 40);
    QCOMPARE(text(t, 31, 2), QString("报警"));
    QCOMPARE(text(t, 32, 2), QString("空闲"));
    QCOMPARE(text(t, 39, 2), QString("空闲"));
    QVERIFY(bigDialog.findChild<QCheckBox*>("fNormalCb")->isChecked());

    KyFAlarm empty = alarmRecord(7103, "", 0);
    KyFAlarmSettingDialog emptyDialog(&empty);
    QCOMPARE(emptyDialog.findChild<QTableWidget*>("fChannelTb")->rowCount(), 0);
}

void TestFAlarm::channelSavesReachTheServer()
{
    KyTestServer& server = m_session->server();
    KyFAlarm a = alarmRecord(7201, "一号#$%0!!!二号#$%0!!!三号#$%6", 1);
    server.setRows("falarm", {alarmRow(a)});
    server.clearReceived();
    KyFAlarmSettingDialog dialog(&a);
    dialog.show();
    QTableWidget* t = dialog.findChild<QTableWidget*>("fChannelTb");
    auto* edit = dialog.findChild<QPushButton*>("fEditChannelBtn");
    auto* reset = dialog.findChild<QPushButton*>("fDelChannelBtn");
    KyModalCatcher catcher(configureChannel(7, "二号改"));

    // Configure channel 2 with task 7.
    t->setCurrentCell(1, 0);
    edit->click();
    QCOMPARE(catcher.others, 1);
    QCOMPARE(server.received("SetFRTrigger").size(), size_t(1));
    Json::Value body = kyLastBody(server, "SetFRTrigger");
    QCOMPARE(body["Id"].asString(), std::string("7201"));
    QCOMPARE(body["ChannelName"].asString(), std::string("二号改"));
    QCOMPARE(body["Channel"].asString(), std::string("2"));
    QCOMPARE(body["SourceId"].asString(), std::string("7"));
    QCOMPARE(body["TriggerSwitch"].asString(), std::string("1"));
    QCOMPARE(body["StopPlay"].asString(), std::string("0"));
    QCOMPARE(text(t, 1, 1), QString("二号改"));
    QCOMPARE(text(t, 1, 3), QString("领导讲话"));
    QCOMPARE(t->item(1, 0)->data(Qt::UserRole).toInt(), 7);
    QCOMPARE(background(t, 1, 2), kGrey);
    QVERIFY(dialog.channelSaved());
    QVERIFY(catcher.texts.isEmpty());

    // A refused channel save is told and keeps the row.
    server.setStatus("SetFRTrigger", 403);
    reset->click();
    QCOMPARE(catcher.texts, QStringList{"通道2设置错误！"});
    QCOMPARE(text(t, 1, 1), QString("二号改"));
    QCOMPARE(text(t, 1, 3), QString("领导讲话"));

    // Reset channel 2.
    catcher.clear();
    reset->click();
    QVERIFY(catcher.texts.isEmpty());
    body = kyLastBody(server, "SetFRTrigger");
    QCOMPARE(body["ChannelName"].asString(), std::string("通道2"));
    QCOMPARE(body["Channel"].asString(), std::string("2"));
    QCOMPARE(body["SourceId"].asString(), std::string("0"));
    QCOMPARE(body["TriggerSwitch"].asString(), std::string("1"));
    QCOMPARE(text(t, 1, 1), QString("通道2"));
    QCOMPARE(text(t, 1, 3), QString("[未配置]"));
    QCOMPARE(background(t, 1, 0), kWhite);
    QCOMPARE(server.rows("falarm")[0].text("broadcast"), std::string("一号#$%0!!!通道2#$%0!!!三号#$%6"));

    // A triggered channel: neither configured nor reset, nothing sent.
    const size_t sent = server.received("SetFRTrigger").size();
    t->setCurrentCell(0, 0);
    edit->click();
    reset->click();
    QCOMPARE(catcher.texts, QStringList({"通道1触发状态，请空闲再配置！", "通道1触发状态，请空闲再配置！"}));
    QCOMPARE(catcher.others, 0);
    QCOMPARE(server.received("SetFRTrigger").size(), sent);

    // A reset alone marks the dialog as saved.
    KyFAlarmSettingDialog second(&a);
    second.findChild<QTableWidget*>("fChannelTb")->setCurrentCell(2, 0);
    second.findChild<QPushButton*>("fDelChannelBtn")->click();
    QVERIFY(second.channelSaved());

    // Channel 3's name written in GBK ("大厅"): only its task changed, the name goes back as stored.
    const std::string gbk = "\xb4\xf3\xcc\xfc";
    KyFAlarm g = alarmRecord(7202, ("一号#$%0!!!二号#$%0!!!" + gbk + "#$%6").c_str(), 0);
    server.setRows("falarm", {alarmRow(g)});
    KyFAlarmSettingDialog gbkDialog(&g);
    QTableWidget* gt = gbkDialog.findChild<QTableWidget*>("fChannelTb");
    catcher.setHandler(configureChannel(7, text(gt, 2, 1)));
    gt->setCurrentCell(2, 0);
    gbkDialog.findChild<QPushButton*>("fEditChannelBtn")->click();
    QCOMPARE(kyLastBody(server, "SetFRTrigger")["ChannelName"].asString(), gbk);
    QCOMPARE(server.rows("falarm")[0].text("broadcast"), "一号#$%0!!!二号#$%0!!!" + gbk + "#$%7");
}

void TestFAlarm::interfaceSave()
{
    KyTestServer& server = m_session->server();
    KyFAlarm a = alarmRecord(7301, "一号#$%0", 0, 2);
    server.setRows("falarm", {alarmRow(a)});
    server.clearReceived();
    KyModalCatcher catcher;

    // Unchanged: result 1, nothing sent.
    {
        KyFAlarmSettingDialog dialog(&a);
        dialog.show();
        dialog.findChild<QPushButton*>("fOkBtn")->click();
        QCOMPARE(dialog.result(), 1);
        QVERIFY(server.received("SetFRName").empty());
        QVERIFY(dialog.channelSaved());
    }

    KyFAlarm copy = a;
    KyFAlarmSettingDialog dialog(&copy);
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("fNameEdit");
    auto* ok = dialog.findChild<QPushButton*>("fOkBtn");
    name->clear();
    ok->click();
    QCOMPARE(catcher.texts, QStringList{"名称不能为空！"});
    QVERIFY(dialog.isVisible());

    // Refused: told, stays open; OK again sends again, though the copy already holds the values.
    name->setText("新接口");
    dialog.findChild<QCheckBox*>("fNormalCb")->setChecked(true);
    server.setStatus("SetFRName", 403);
    ok->click();
    QCOMPARE(catcher.lastText(), QString("设置错误！"));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.channelSaved());
    QCOMPARE(server.received("SetFRName").size(), size_t(1));
    ok->click();
    QCOMPARE(server.received("SetFRName").size(), size_t(2));
    QCOMPARE(dialog.result(), 1);
    QVERIFY(!dialog.isVisible());
    const Json::Value body = kyLastBody(server, "SetFRName");
    QCOMPARE(body["Id"].asString(), std::string("7301"));
    QCOMPARE(body["Name"].asString(), std::string("新接口"));
    QCOMPARE(body["TriggerType"].asString(), std::string("1"));
    QCOMPARE(server.rows("falarm")[0].text("name"), std::string("新接口"));
    QCOMPARE(catcher.texts.size(), 2);

    // A stored empty name (shown "FAlarm_7302") and trigger type 0 (shown as fire):
    // unchanged, nothing is sent; a changed type goes out without the placeholder.
    KyFAlarm unnamed = alarmRecord(7302, "", 0, 0);
    unnamed.name.clear();
    const KyRow row = alarmRow(unnamed);
    server.setRows("falarm", {row});
    server.clearReceived();
    KyFAlarm shown;
    kyReadRow(row, shown);
    QCOMPARE(shown.name, std::string("FAlarm_7302"));
    KyFAlarmSettingDialog untouched(&shown);
    untouched.findChild<QPushButton*>("fOkBtn")->click();
    QVERIFY(server.received("SetFRName").empty());
    KyFAlarmSettingDialog typed(&shown);
    typed.findChild<QCheckBox*>("fNormalCb")->setChecked(true);
    typed.findChild<QPushButton*>("fOkBtn")->click();
    const Json::Value typeOnly = kyLastBody(server, "SetFRName");
    QVERIFY(!typeOnly.isMember("Name"));
    QCOMPARE(typeOnly["TriggerType"].asString(), std::string("1"));
    QCOMPARE(server.rows("falarm")[0].text("name"), std::string());
}

void TestFAlarm::channelDialog()
{
    std::list<KySsTask> tasks(2);
    tasks.front().id = 6;
    tasks.front().name = "紧急疏散";
    tasks.back().id = 7;
    tasks.back().name = "领导讲话";

    // A task not in the list: nothing checked; OK without a choice gives 0.
    KyFAlarmChannelDialog unknown(&tasks, 99, "通道1");
    auto* t = unknown.findChild<QTableWidget*>("fChannelTb");
    unknown.show();
    QCOMPARE(t->rowCount(), 2);
    QVERIFY(t->isColumnHidden(1));
    QCOMPARE(t->item(0, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(t->item(1, 0)->checkState(), Qt::Unchecked);
    QCOMPARE(unknown.findChild<QLineEdit*>("fChannelNameLe")->text(), QString("通道1"));
    unknown.slot_ok_clicked();
    QCOMPARE(unknown.result(), 1);
    QCOMPARE(unknown.taskId(), 0);
    QCOMPARE(unknown.channelName(), QString("通道1"));

    // Single choice: the bound task opens checked, a click moves the choice,
    // a second click on the chosen row leaves none.
    KyFAlarmChannelDialog bound(&tasks, 7, "大厅");
    t = bound.findChild<QTableWidget*>("fChannelTb");
    bound.show();
    QCOMPARE(t->item(1, 0)->checkState(), Qt::Checked);
    clickRow(t, 0);
    QCOMPARE(t->item(0, 0)->checkState(), Qt::Checked);
    QCOMPARE(t->item(1, 0)->checkState(), Qt::Unchecked);
    bound.findChild<QLineEdit*>("fChannelNameLe")->clear();
    bound.findChild<QPushButton*>("fOkBtn")->click();
    QCOMPARE(bound.taskId(), 6);
    QCOMPARE(bound.channelName(), QString());
    clickRow(t, 0);
    bound.slot_ok_clicked();
    QCOMPARE(bound.taskId(), 0);

    // A name holding a list separator would split the interface's stored
    // channel list: refused, the dialog stays open with what it had.
    KyModalCatcher catcher;
    for (const QString& name : {QString("大厅!!!2"), QString("大厅#$%7")}) {
        KyFAlarmChannelDialog bad(&tasks, 6, "大厅");
        bad.show();
        bad.findChild<QLineEdit*>("fChannelNameLe")->setText(name);
        bad.slot_ok_clicked();
        QCOMPARE(bad.result(), 0);
        QCOMPARE(bad.channelName(), QString("大厅"));
    }
    QCOMPARE(catcher.texts, QStringList({KyTipsInfo::illegalName(), KyTipsInfo::illegalName()}));

}

void TestFAlarm::listPage()
{
    KyTestServer& server = m_session->server();
    server.setRows("falarm", {alarmRow(alarmRecord(7401, "一号#$%6", 1, 2, 0)),
                              alarmRow(alarmRecord(7402, "一号#$%6", 0, 2, 1)),
                              alarmRow(alarmRecord(7403, "一号#$%6", 4, 2, 1)),
                              alarmRow(alarmRecord(7404, "一号#$%6", 4, 1, 1))});
    server.clearReceived();
    KyFAlarmInfoForm page;
    page.resize(800, 500);
    page.show();
    QTableWidget* t = page.table();
    QCOMPARE(listRequests(server), 1);
    QTRY_COMPARE(t->rowCount(), 4);

    // Reverse order; the states in the order offline, idle mask, fire, normal.
    const QStringList states = {"短路触发", "消防报警", "空闲", "断线"};
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(t->item(r, 0)->data(Qt::UserRole).toInt(), 7404 - r);
        QCOMPARE(text(t, r, 1), QString::number(7404 - r));
        QCOMPARE(text(t, r, 0), QString("接口%1").arg(7404 - r));
        QCOMPARE(text(t, r, 2), states[r]);
        QCOMPARE(t->item(r, 2)->foreground().color(), r == 1 ? kRed : QColor(0, 0, 0));
    }

    // Pushes: a change of a shown id redraws its row, an unknown id goes on top,
    // the deleted signal removes the row.
    KyFAlarm changed = alarmRecord(7403, "一号#$%6", 4, 2, 0);
    server.pushToAll("SqlConfig", "falarm", kyWriteRows({alarmRow(changed)}));
    QTRY_COMPARE(text(t, 1, 2), QString("断线"));
    QCOMPARE(t->item(1, 2)->foreground().color(), QColor(0, 0, 0));
    server.pushToAll("SqlConfig", "falarm", kyWriteRows({alarmRow(alarmRecord(7499, "", 0, 1, 1))}));
    QTRY_COMPARE(t->rowCount(), 5);
    QCOMPARE(t->item(0, 0)->data(Qt::UserRole).toInt(), 7499);
    server.pushToAll("DELETE", "FAlarm", "{\"Id\":\"7402\"}");
    QTRY_COMPARE(t->rowCount(), 4);
    QCOMPARE(page.findRowById(7402), -1);

    // Close the setting dialog after a reset: one list request, each of the
    // server's interfaces once.
    server.clearReceived();
    KyModalCatcher catcher([](QDialog* d) {
        d->findChild<QTableWidget*>("fChannelTb")->setCurrentCell(0, 0);
        d->findChild<QPushButton*>("fDelChannelBtn")->click();
        d->findChild<QPushButton*>("dialogCloseBtn")->click();
    });
    t->setCurrentCell(page.findRowById(7404), 0);
    page.findChild<QPushButton*>("fEditBtn")->click();
    QCOMPARE(catcher.others, 1);
    QCOMPARE(server.received("SetFRTrigger").size(), size_t(1));
    QCOMPARE(listRequests(server), 1);
    QTRY_COMPARE(t->rowCount(), 4);
    QTest::qWait(100);
    QSet<int> ids;
    for (int r = 0; r < t->rowCount(); ++r)
        ids << t->item(r, 0)->data(Qt::UserRole).toInt();
    QCOMPARE(ids, QSet<int>({7401, 7402, 7403, 7404}));   // the server's list again

}

QTEST_MAIN(TestFAlarm)
#include "test_falarm.moc"
