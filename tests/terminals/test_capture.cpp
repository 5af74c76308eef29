// Capture terminals: the setting dialog's write-back, the list page's rows,
// saves and removals as the server sees them, pushes from another console.
#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include "../testserver/KyRawClient.h"
#include "KyCap.h"
#include "KyCapInfoForm.h"
#include "KyCapList.h"
#include "KyDbpRows.h"
#include "KyModalCatcher.h"
#include "KySetCapDialog.h"
#include "KyTermPageTestSupport.h"
#include "KyTestRow.h"
#include "KyTestSession.h"
#include "KyTestWidgets.h"

namespace {

KyRow capRow(int id, const char* name, int state, int rate)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("ip", "10.0.6." + std::to_string(id % 100));
    r.add("name", name);
    r.add("type", "capm03");
    r.add("status", std::to_string(state));
    r.add("capVol", "40");
    r.add("capSamplerate", std::to_string(rate));
    return r;
}

KyCap capRecord(int state, int rate)
{
    KyCap c;
    c.id = 6001;
    c.name = "大厅";
    c.state = state;
    c.capVol = 40;
    c.capSamplerate = rate;
    return c;
}

QString cell(QTableWidget* t, int id, int column)
{
    const int r = rowOfId(t, id);
    return r >= 0 ? t->item(r, column)->text() : QStringLiteral("<no row>");
}

KyModalCatcher::Handler pressOk()
{
    return [](QDialog* d) { d->findChild<QPushButton*>("fOkBtn")->click(); };
}

}  // namespace

class TestCapture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void dialogWriteBack();
    void pageRowsAndSaves();
    void pushesAndRemovals();

private:
    KyTestSession* m_session = nullptr;
};

void TestCapture::initTestCase()
{
    kyUseUtf8Locale();
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    // 6104: an empty name (shown "Cap_6104"), a volume and a rate the dialog cannot show.
    KyRow unnamed = capRow(6104, "", 1, 8000);
    kySetField(unnamed, "capVol", "120");
    m_session->server().setRows("capm03", {capRow(6101, "甲", 1, 16000), capRow(6102, "乙", 0, 24000),
                                           capRow(6103, "丙", 2, 8000), capRow(10001, "丁", 1, 32000), unnamed});
    QCOMPARE(KyCapList::instance()->init(), 0);
}

void TestCapture::cleanupTestCase()
{
    delete m_session;
}

void TestCapture::dialogWriteBack()
{
    KyModalCatcher catcher;
    // Idle at a rate none of the three: nothing checked, OK keeps it.
    KyCap idle = capRecord(1, 8000);
    KySetCapDialog dialog;
    dialog.setCap(&idle);
    auto* medium = dialog.findChild<QRadioButton*>("fMediumQualityRBtn");
    auto* high = dialog.findChild<QRadioButton*>("fHighQualityRBtn");
    QVERIFY(!medium->isChecked() && !high->isChecked() && high->isEnabled());
    dialog.findChild<QSlider*>("fCapVolSlider")->setValue(63);
    dialog.findChild<QPushButton*>("fOkBtn")->click();
    QCOMPARE(dialog.result(), 1);
    QCOMPARE(idle.capSamplerate, 8000);
    QCOMPARE(idle.capVol, 63);
    medium->setChecked(true);
    dialog.findChild<QPushButton*>("fOkBtn")->click();
    QCOMPARE(idle.capSamplerate, 24000);

    // Broadcasting: the quality cannot change, the stored rate stays.
    KyCap busy = capRecord(2, 8000);
    KySetCapDialog busyDialog;
    busyDialog.setCap(&busy);
    QVERIFY(!busyDialog.findChild<QRadioButton*>("fNormalQualityRBtn")->isEnabled());
    busyDialog.accept();
    QCOMPARE(busy.capSamplerate, 8000);
    KyCap busyHigh = capRecord(2, 32000);
    busyDialog.setCap(&busyHigh);
    busyDialog.accept();
    QCOMPARE(busyHigh.capSamplerate, 32000);

    // An empty name is refused and nothing is written.
    KyCap named = capRecord(1, 16000);
    KySetCapDialog nameDialog;
    nameDialog.setCap(&named);
    nameDialog.show();
    auto* edit = nameDialog.findChild<QLineEdit*>("fNameEdit");
    edit->clear();
    nameDialog.findChild<QRadioButton*>("fHighQualityRBtn")->setChecked(true);
    nameDialog.findChild<QPushButton*>("fOkBtn")->click();
    QCOMPARE(catcher.texts, QStringList{"The name cannot be empty！"});
    QVERIFY(nameDialog.isVisible());
    QCOMPARE(named.capSamplerate, 16000);
}

void TestCapture::pageRowsAndSaves()
{
    KyTestServer& server = m_session->server();
    KyCapInfoForm page;
    page.resize(900, 500);
    page.show();
    QTableWidget* t = page.table();
    QCOMPARE(t->rowCount(), 5);
    QStringList order;
    for (int r = 0; r < t->rowCount(); ++r)
        order << t->item(r, 0)->text();
    QCOMPARE(order, QStringList({"6104", "10001", "6103", "6102", "6101"}));
    QCOMPARE(cell(t, 6101, 3), QString("General"));
    QCOMPARE(cell(t, 6102, 3), QString("Medium "));
    QCOMPARE(cell(t, 10001, 3), QString("Advanced"));
    QCOMPARE(cell(t, 6103, 3), QString("General"));
    QCOMPARE(cell(t, 6103, 4), QString("Broadcasting"));
    QCOMPARE(cell(t, 6102, 4), QString("Off Line"));
    QCOMPARE(cell(t, 6101, 2), QString("40"));
    QCOMPARE(cell(t, 6101, 5), QString("10.0.6.1"));
    auto* editBtn = page.findChild<QPushButton*>("fEditBtn");
    QCOMPARE(editBtn->text(), QString("Attributes"));

    // A secondary id disables "Attributes"; a double click still opens the dialog.
    KyModalCatcher catcher;
    kySelectIds(t, {10001});
    QVERIFY(!editBtn->isEnabled());
    emit t->cellDoubleClicked(t->currentRow(), 2);
    QCOMPARE(catcher.others, 1);
    QVERIFY(server.received("CapM03Set").empty());
    kySelectIds(t, {6101});
    QVERIFY(editBtn->isEnabled());

    // An edit: the body the server gets, the row redrawn.
    catcher.setHandler([](QDialog* d) {
        d->findChild<QLineEdit*>("fNameEdit")->setText("前台");
        d->findChild<QSpinBox*>("fCapVolSpinBox")->setValue(33);
        d->findChild<QRadioButton*>("fHighQualityRBtn")->setChecked(true);
        d->findChild<QPushButton*>("fOkBtn")->click();
    });
    editBtn->click();
    Json::Value body = kyLastBody(server, "CapM03Set");
    QCOMPARE(body["Id"].asString(), std::string("6101"));
    QCOMPARE(body["Name"].asString(), std::string("前台"));
    QCOMPARE(body["CapVol"].asString(), std::string("33"));
    QCOMPARE(body["CapSamplerate"].asString(), std::string("32000"));
    QCOMPARE(cell(t, 6101, 1), QString("前台"));
    QCOMPARE(cell(t, 6101, 3), QString("Advanced"));

    // Broadcasting at 8000 goes out with 8000. Unchanged OK on the empty name,
    // volume 120 and rate 8000: no name sent, the stored record as it was.
    catcher.setHandler(pressOk());
    kySelectIds(t, {6103});
    editBtn->click();
    QCOMPARE(kyLastBody(server, "CapM03Set")["CapSamplerate"].asString(), std::string("8000"));
    QCOMPARE(cell(t, 6104, 1), QString("Cap_6104"));
    const std::vector<KyRow> before = server.rows("capm03");
    kySelectIds(t, {6104});
    editBtn->click();
    body = kyLastBody(server, "CapM03Set");
    QVERIFY(!body.isMember("Name"));
    QCOMPARE(body["CapSamplerate"].asString(), std::string("8000"));
    QVERIFY(kySameRows(server.rows("capm03"), before));
    QCOMPARE(cell(t, 6104, 1), QString("Cap_6104"));

    // A refused save keeps the row's texts.
    server.setStatus("CapM03Set", 403);
    catcher.setHandler([](QDialog* d) {
        d->findChild<QLineEdit*>("fNameEdit")->setText("拒绝");
        d->findChild<QPushButton*>("fOkBtn")->click();
    });
    kySelectIds(t, {6102});
    editBtn->click();
    QCOMPARE(server.received("CapM03Set").size(), size_t(4));
    QCOMPARE(cell(t, 6102, 1), QString("乙"));
    QVERIFY(catcher.texts.isEmpty());
}

void TestCapture::pushesAndRemovals()
{
    KyTestServer& server = m_session->server();
    KyCapInfoForm page;
    QTableWidget* t = page.table();
    QCOMPARE(t->rowCount(), 5);

    // Another console renames 6101 and removes the offline 6102.
    KyRawClient other;
    QVERIFY(other.connectTo(m_session->port()));
    QVERIFY(other.login(KyTestSession::kUser, KyTestSession::kPassword).isReply);
    Json::Value set(Json::objectValue);
    set["Id"] = "6101";
    set["Name"] = "远端改名";
    QVERIFY(other.request(KyCommandRequest::post("CapM03Set", set)).isReply);
    QTRY_COMPARE(cell(t, 6101, 1), QString("远端改名"));
    Json::Value remove(Json::objectValue);
    remove["Id"] = "6102";
    remove["Type"] = "capm03";
    QVERIFY(other.request(KyCommandRequest::post("RemoveDevice", remove)).isReply);
    QTRY_COMPARE(t->rowCount(), 4);
    QCOMPARE(page.findRowById(6102), -1);

    // A refused removal is told and keeps the row.
    KyModalCatcher catcher;
    server.setRows("capm03", {capRow(6201, "己", 0, 16000), capRow(6202, "庚", 1, 16000)});
    server.pushToAll("SqlConfig", "capm03", kyWriteRows({capRow(6201, "己", 0, 16000), capRow(6202, "庚", 1, 16000)}));
    QTRY_COMPARE(t->rowCount(), 6);
    server.setStatus("RemoveDevice", 403);
    kySelectIds(t, {6201});
    page.delClicked();
    QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Delete Error!"}));
    QVERIFY(page.findRowById(6201) >= 0);
    kySelectIds(t, {6201});
    page.delClicked();
    QCOMPARE(page.findRowById(6201), -1);
    QCOMPARE(catcher.texts.size(), 3);
    QCOMPARE(server.received("RemoveDevice").size(), size_t(3));   // the other console's, the refused, the last

    // A NUL in a name shows U+FFFD; an unchanged OK sends the stored bytes back.
    const std::string nulName("left\0right", 10);
    KyRow odd = capRow(6203, "", 1, 16000);
    kySetField(odd, "name", nulName);
    server.setRows("capm03", {odd});
    server.pushToAll("SqlConfig", "capm03", kyWriteRows({odd}));
    QTRY_COMPARE(cell(t, 6203, 1), QString::fromUtf8("left\uFFFDright"));
    catcher.setHandler(pressOk());
    kySelectIds(t, {6203});
    page.findChild<QPushButton*>("fEditBtn")->click();
    QCOMPARE(kyLastBody(server, "CapM03Set")["Name"].asString(), nulName);
    QCOMPARE(server.rows("capm03").front().text("name"), nulName);
}

QTEST_MAIN(TestCapture)
#include "test_capture.moc"
