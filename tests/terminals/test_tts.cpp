// TTS terminal page: order and state texts, rename and deletion as the
// server sees them, refusals, and rows that follow the list manager.
#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "KyDbpRows.h"
#include "KyModalCatcher.h"
#include "KyTermPageTestSupport.h"
#include "KyTestSession.h"
#include "KyTtsInfoForm.h"
#include "KyTtsListMgr.h"

namespace {

KyRow ttsRow(int id, const char* name, int state)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("ip", "10.0.5." + std::to_string(id));
    r.add("name", name);
    r.add("type", "tts01");
    r.add("status", std::to_string(state));
    return r;
}

KyModalCatcher::Handler renameTo(const QString& name)
{
    return [name](QDialog* d) {
        d->findChild<QLineEdit*>("fNameEdit")->setText(name);
        d->findChild<QPushButton*>("fOkBtn")->click();
    };
}

}  // namespace

class TestTts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void rowsAndStates();
    void rename();
    void deletion();

private:
    KyTestSession* m_session = nullptr;
    KyTtsInfoForm* m_page = nullptr;
    QTableWidget* m_table = nullptr;
};

void TestTts::initTestCase()
{
    kyUseUtf8Locale();
    m_session = new KyTestSession;
    QVERIFY(m_session->loggedIn());
    m_session->server().setRows("tts", {ttsRow(5, "五", 4), ttsRow(6, "六", 9), ttsRow(7, "七", -1),
                                        ttsRow(8, "八", 1), ttsRow(10, "十", 0), ttsRow(11, "十一", 0),
                                        ttsRow(12, "十二", 0)});
    QCOMPARE(KyTtsListMgr::instance()->init(), 0);
    QTest::qWait(50);
    m_page = new KyTtsInfoForm;
    m_page->resize(800, 400);
    m_page->show();
    m_table = m_page->table();
}

void TestTts::cleanupTestCase()
{
    delete m_page;
    delete m_session;
}

void TestTts::rowsAndStates()
{
    // Filled at construction, the list reversed.
    QCOMPARE(m_table->rowCount(), 7);
    const QStringList ids = {"12", "11", "10", "8", "7", "6", "5"};
    const QStringList states = {"Off Line", "Off Line", "Off Line", "Idle", "Off Line", "Off Line", "End Work"};
    for (int r = 0; r < 7; ++r) {
        QCOMPARE(m_table->item(r, 0)->text(), ids[r]);
        QCOMPARE(m_table->item(r, 0)->data(Qt::UserRole).toInt(), ids[r].toInt());
        QCOMPARE(m_table->item(r, 2)->text(), states[r]);
        QCOMPARE(m_table->item(r, 3)->text(), "10.0.5." + ids[r]);
    }
    QCOMPARE(m_table->item(6, 1)->text(), QString("五"));
    QCOMPARE(m_page->findChild<QLabel*>("tableNameLable")->text(), QString("TTS List"));
    QVERIFY(m_page->findChild<QPushButton*>("fNewBtn")->isHidden());

    // The manager's signals: a changed unknown id goes on top, an id the list
    // does not hold changes nothing, a deletion of an absent row nothing.
    m_session->server().pushToAll("SqlConfig", "tts", kyWriteRows({ttsRow(9, "九", 3)}));
    QTRY_COMPARE(m_table->rowCount(), 8);
    QCOMPARE(m_table->item(0, 2)->text(), QString("Working"));
    emit KyTtsListMgr::instance()->TTsChanged(99);
    emit KyTtsListMgr::instance()->TTsDeleted(99);
    QCOMPARE(m_table->rowCount(), 8);
}

void TestTts::rename()
{
    KyTestServer& server = m_session->server();
    KyModalCatcher catcher(renameTo("新八"));
    kySelectIds(m_table, {8});
    m_page->findChild<QPushButton*>("fEditBtn")->click();
    QCOMPARE(catcher.others, 1);
    const auto sets = server.received("TtsSet");
    QCOMPARE(sets.size(), size_t(1));
    Json::Value body;
    QVERIFY(sets[0].json(body));
    QCOMPARE(body["Id"].asString(), std::string("8"));
    QCOMPARE(body["Name"].asString(), std::string("新八"));
    QTRY_COMPARE(m_table->item(m_page->findRowById(8), 1)->text(), QString("新八"));

    // Refused: told, the row keeps its name.
    server.setStatus("TtsSet", 403);
    catcher.setHandler(renameTo("拒绝"));
    emit m_table->cellDoubleClicked(m_page->findRowById(8), 3);
    QCOMPARE(catcher.texts, QStringList{"Setting Error!"});
    QTest::qWait(50);
    QCOMPARE(m_table->item(m_page->findRowById(8), 1)->text(), QString("新八"));

    // Cancelled: nothing sent.
    catcher.setHandler([](QDialog* d) { d->reject(); });
    m_page->slot_editTtsClicked();
    QCOMPARE(server.received("TtsSet").size(), size_t(2));
}

void TestTts::deletion()
{
    KyTestServer& server = m_session->server();
    server.clearReceived();
    KyModalCatcher catcher;
    // Two offline and one online: asked once, two removed, one notice.
    m_table->setSelectionMode(QAbstractItemView::MultiSelection);
    kySelectIds(m_table, {10, 11, 8});
    m_page->delTtsClicked();
    QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Terminal can not be removed without offline!"}));
    QCOMPARE(server.received("RemoveDevice").size(), size_t(2));
    QCOMPARE(m_page->findRowById(10), -1);
    QCOMPARE(m_page->findRowById(11), -1);
    QVERIFY(m_page->findRowById(8) >= 0);

    // A refused deletion: told, the row stays.
    catcher.clear();
    kySelectIds(m_table, {12});
    server.setStatus("RemoveDevice", 403);
    m_page->delTtsClicked();
    QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Delete Error!"}));
    QVERIFY(m_page->findRowById(12) >= 0);
    QCOMPARE(server.received("RemoveDevice").size(), size_t(3));
}

QTEST_MAIN(TestTts)
#include "test_tts.moc"
