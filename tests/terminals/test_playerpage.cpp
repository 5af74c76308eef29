// The play-terminal page: order, cells, the volume slider and step buttons,
// power, refusals and the failed-deletion notice (server texts as plain text,
// a storm joining one notice), against the stand-in server.
#include <QtTest>

#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyDbpRows.h"
#include "KyModalCatcher.h"
#include "KyPlayTermListMgr.h"
#include "KyPlayerInfoForm.h"
#include "KyTestRow.h"
#include "KyTestSession.h"
#include "ui_messageDialog.h"

namespace {

KyRow amp(const char* id, const char* type, const char* exten, const char* status, const char* temp)
{
    KyRow r;
    for (const auto& f : std::vector<std::pair<const char*, const char*>>{
             {"terminalId", id}, {"ip", "10.0.0.1"}, {"name", "amp"}, {"type", type}, {"status", status},
             {"exten", exten}, {"broVol", "75"}, {"power", "1"}, {"ampTemp", temp}, {"spkState", "1"}})
        r.add(f.first, f.second);
    return r;
}

QStringList bodiesOf(KyTestServer& server, const char* type)
{
    QStringList out;
    for (const auto& r : server.received(type)) {
        Json::Value v;
        r.json(v);
        out << QString::fromStdString(v["Id"].asString() + ":" + v[type == std::string("IpAmpSet") ? "BroVol" : "Power"].asString());
    }
    out.sort();
    return out;
}

}  // namespace

class TestPlayerPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void rowsAndCells();
    void volume();
    void powerAndRefusals();
    void deletionNoticeStorm();
    void pushedNewAndDeleted();

private:
    void selectRows(std::initializer_list<int> rows);
    QList<int> rowIds() const;
    QStringList selectedRowsInColumn2() const;
    KyTestSession* m_session = nullptr;
    KyPlayerInfoForm* m_page = nullptr;
    QTableWidget* m_table = nullptr;
    QSlider* m_slider = nullptr;
};

void TestPlayerPage::initTestCase()
{
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    // 20's name was written by another tool in GBK ("大厅"): not UTF-8.
    KyRow gbk = amp("20", "IP", "IPD-S", "1", "41");
    kySetField(gbk, "name", "\xb4\xf3\xcc\xfc");
    m_session->server().setRows("ipamp", {amp("30", "IP", "--", "0", "41"), amp("10", "PR", "--", "5", "0"), gbk});
    m_page = new KyPlayerInfoForm;
    m_page->resize(900, 500);
    m_page->show();
    m_table = m_page->findChild<QTableWidget*>("fTerListViewWidget");
    m_slider = m_page->findChild<QSlider*>("fVolumeSlider");
    QTRY_COMPARE(m_table->rowCount(), 3);
}

void TestPlayerPage::cleanupTestCase()
{
    delete m_page;
    delete m_session;
}

void TestPlayerPage::selectRows(std::initializer_list<int> rows)
{
    m_table->clearSelection();
    for (int r : rows) {
        m_table->setCurrentCell(r, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QStringList TestPlayerPage::selectedRowsInColumn2() const
{
    QStringList ids;
    for (QTableWidgetItem* item : m_table->selectedItems())
        if (item->column() == 2)
            ids << item->text();
    return ids;
}

QList<int> TestPlayerPage::rowIds() const
{
    QList<int> ids;
    for (int r = 0; r < m_table->rowCount(); ++r)
        ids << m_table->item(r, 2)->text().toInt();
    return ids;
}

void TestPlayerPage::rowsAndCells()
{
    QCOMPARE(m_table->isColumnHidden(7), true);
    QStringList ids, types, states, temps;
    for (int r = 0; r < 3; ++r) {
        ids << m_table->item(r, 2)->text();
        types << m_table->item(r, 0)->text();
        states << m_table->item(r, 4)->text();
        temps << m_table->item(r, 6)->text();
    }
    QCOMPARE(ids, QStringList({"10", "20", "30"}));
    QCOMPARE(types, QStringList({"PRTerm", "IPDSTerm", "IPTerm"}));
    QCOMPARE(states, QStringList({"EmergencyBroadcast", "Idle", "Off Line"}));
    QCOMPARE(temps, QStringList({"---", QString::fromUtf8("41 ℃"), QString::fromUtf8("×")}));
    QCOMPARE(m_table->item(0, 4)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(m_table->item(2, 4)->foreground().color(), QColor(0, 0, 0));
    QCOMPARE(m_table->item(0, 6)->foreground().color(), QColor(192, 192, 192));
    QCOMPARE(int(m_table->item(0, 6)->textAlignment()), int(Qt::AlignCenter));
    QCOMPARE(m_table->item(0, 5)->text(), QString("open"));
    QCOMPARE(m_table->item(1, 0)->data(Qt::UserRole).toInt(), 20);
    // Its bytes show as U+FFFD; the name dialog left as shown sends the stored bytes back.
    QCOMPARE(m_table->item(1, 1)->text(), QString(4, QChar(0xFFFD)));
    const std::vector<KyRow> stored = m_session->server().rows("ipamp");
    {
        KyModalCatcher catcher;
        catcher.setHandler([](QDialog* d) { d->accept(); });
        selectRows({1});
        m_page->slot_setTermClicked();
    }
    QCOMPARE(m_session->server().received("IpAmpSet").size(), size_t(1));
    QVERIFY(kySameRows(m_session->server().rows("ipamp"), stored));
    QVERIFY(m_slider->styleSheet().contains("stop:0.8 #869FAB"));
    QVERIFY(m_page->findChild<QPushButton*>("fDefaultSetBtn")->isHidden());
    QVERIFY(m_page->findChild<QPushButton*>("fTcpModeBtn")->isHidden());

    // A pushed change redraws its row; a page built on a loaded list fills at once.
    m_session->server().pushToAll("SqlConfig", "ipamp",
                                  kyWriteRows({amp("30", "IP", "--", "2", "55")}));
    QTRY_COMPARE(m_table->item(2, 6)->text(), QString::fromUtf8("55 ℃"));
    QCOMPARE(m_table->item(2, 4)->text(), QString("Broadcasting"));
    KyPlayerInfoForm second;
    QCOMPARE(second.table()->rowCount(), 3);
}

void TestPlayerPage::volume()
{
    KyTestServer& server = m_session->server();
    QPushButton* add = m_page->findChild<QPushButton*>("fAddVolumnBtn");
    selectRows({0, 1});
    QCOMPARE(m_slider->value(), 75);
    server.clearReceived();

    // One click: 76 at once, sent for both rows about 500 ms after the release.
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(m_slider->value(), 76);
    QTest::qWait(300);
    if (clock.elapsed() < 450)
        QCOMPARE(server.received("IpAmpSet").size(), size_t(0));
    QTRY_VERIFY_WITH_TIMEOUT(server.received("IpAmpSet").size() >= 2, 3000);
    QVERIFY(clock.elapsed() >= 450);
    QCOMPARE(bodiesOf(server, "IpAmpSet"), QStringList({"10:76", "20:76"}));
    QTRY_COMPARE(m_table->item(1, 3)->text(), QString("76"));

    // Two clicks within 500 ms send once, the value after the last release.
    server.clearReceived();
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::qWait(150);
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::qWait(1200);
    QCOMPARE(bodiesOf(server, "IpAmpSet"), QStringList({"10:78", "20:78"}));

    // Held about a second: no step in the first 200 ms, then about ten.
    server.clearReceived();
    QTest::mousePress(add, Qt::LeftButton);
    clock.restart();
    QTest::qWait(150);
    if (clock.elapsed() < 190)
        QCOMPARE(m_slider->value(), 78);
    QTest::qWait(850);
    const int held = m_slider->value() - 78;
    QVERIFY2(held >= 5 && held <= 10, qPrintable(QString::number(held)));
    QCOMPARE(server.received("IpAmpSet").size(), size_t(0));
    QTest::mouseRelease(add, Qt::LeftButton);
    QCOMPARE(m_slider->value(), 78 + held + 1);
    QTRY_VERIFY_WITH_TIMEOUT(server.received("IpAmpSet").size() >= 2, 3000);

    // At 100 the value stays 100 and 100 is sent.
    QTest::qWait(100);
    server.clearReceived();
    m_slider->setValue(100);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(m_slider->value(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(server.received("IpAmpSet").size() >= 2, 3000);
    QCOMPARE(bodiesOf(server, "IpAmpSet"), QStringList({"10:100", "20:100"}));

    // Keyboard changes send nothing; a mouse release on the slider sends its value.
    QTest::qWait(100);
    server.clearReceived();
    m_slider->setFocus();
    QTest::keyClick(m_slider, Qt::Key_Left);
    QTest::qWait(700);
    QCOMPARE(server.received("IpAmpSet").size(), size_t(0));
    QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(2, m_slider->height() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(server.received("IpAmpSet").size() >= 2, 3000);
    QCOMPARE(bodiesOf(server, "IpAmpSet").size(), 2);
}

void TestPlayerPage::powerAndRefusals()
{
    KyTestServer& server = m_session->server();
    KyModalCatcher catcher;
    selectRows({0, 2});
    server.clearReceived();
    QTest::mouseClick(m_page->findChild<QPushButton*>("fAmpCloseBtn"), Qt::LeftButton);
    QCOMPARE(bodiesOf(server, "IpAmpPower"), QStringList({"10:0", "30:0"}));
    QVERIFY(catcher.texts.isEmpty());

    // A refused volume keeps the cell, puts the slider back and says so.
    const QString before = m_table->item(0, 3)->text();
    selectRows({0});
    server.setStatus("IpAmpSet", 403, 1);
    m_slider->setValue(12);
    m_page->progressVolumnChange(12);
    QCOMPARE(catcher.texts, QStringList({"Setting Error!"}));
    QCOMPARE(m_table->item(0, 3)->text(), before);
    QCOMPARE(m_slider->value(), before.toInt());

    // A failed deletion reported later shows the server's text.
    catcher.clear();
    server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"20\",\"Result\":\"终端正在使用\"}");
    QTRY_COMPARE(catcher.texts, QStringList({QString::fromUtf8("终端正在使用")}));

    // Deleting an online and an offline terminal: the offline one goes, the other is named.
    server.pushToAll("SqlConfig", "ipamp", kyWriteRows({amp("30", "IP", "--", "0", "41")}));
    QTRY_COMPARE(m_table->item(2, 4)->text(), QString("Off Line"));
    catcher.clear();
    server.clearReceived();
    selectRows({1, 2});
    QTest::mouseClick(m_page->findChild<QPushButton*>("fDelTerBtn"), Qt::LeftButton);
    QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Terminal can not be removed without offline!"}));
    QCOMPARE(server.received("RemoveDevice").size(), size_t(1));
    QCOMPARE(m_table->rowCount(), 2);
    QCOMPARE(m_table->item(1, 2)->text(), QString("20"));
}

// Fifty failed-deletion pushes while the first notice is open join it: one
// dialog lists their texts, markup shown as its characters; one click clears it.
void TestPlayerPage::deletionNoticeStorm()
{
    KyTestServer& server = m_session->server();
    QStringList expected;
    for (int i = 1; i <= 50; ++i) {
        const std::string text = "<font size=7 color=red>X" + std::to_string(i);
        expected << QString::fromStdString(text);
        server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"20\",\"Result\":\"" + text + "\"}");
    }
    int opened = 0;
    QString shown;
    QPointer<QDialog> open;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<BaseMessageDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (dialog != open) {
            open = dialog;
            ++opened;
        }
        shown = dialog->form().infoTextEdit->toPlainText().trimmed();
        if (shown.endsWith(expected.last()))
            QTest::mouseClick(dialog->form().ConfirmButton, Qt::LeftButton);
    });
    watch.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(shown.endsWith(expected.last()) && !QApplication::activeModalWidget(), 10000);
    QTest::qWait(300);
    QCOMPARE(opened, 1);
    QCOMPARE(shown, expected.join('\n'));
}

// New terminals pushed at once get their rows in id order without a refill
// (the selection stays); pushed deletions take their rows; a whole list
// that comes again refills.
void TestPlayerPage::pushedNewAndDeleted()
{
    KyTestServer& server = m_session->server();
    QCOMPARE(rowIds(), QList<int>({10, 20}));
    selectRows({1});
    std::vector<KyRow> added;
    for (int id : {25, 5, 15, 40, 35, 21, 22}) {
        added.push_back(amp(std::to_string(id).c_str(), "PR", "--", "1", "0"));
        kySetField(added.back(), "name", "t" + std::to_string(id));
    }
    server.pushToAll("SqlConfig", "ipamp", kyWriteRows(added));
    server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"22\"}");
    QTRY_COMPARE(rowIds(), QList<int>({5, 10, 15, 20, 21, 25, 35, 40}));
    server.pushToAll("DELETE", "IpAmp", "{\"Id\":\"10\"}");
    QTRY_COMPARE(rowIds(), QList<int>({5, 15, 20, 21, 25, 35, 40}));
    QList<int> stored;
    for (const KyTerminal& t : KyPlayTermListMgr::instance()->copyRecords())
        stored << t.id;
    QCOMPARE(rowIds(), stored);
    QCOMPARE(m_table->item(4, 1)->text(), QString("t25"));
    QCOMPARE(m_table->item(0, 1)->text(), QString("t5"));
    QCOMPARE(selectedRowsInColumn2(), QStringList({"20"}));

    server.setRows("ipamp", {amp("7", "PR", "--", "1", "0")});
    QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
    QTRY_COMPARE(rowIds(), QList<int>({7}));
}

QTEST_MAIN(TestPlayerPage)
#include "test_playerpage.moc"
