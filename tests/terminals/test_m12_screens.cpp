// M12 page and m12 setting dialog against the stand-in server: what the
// table shows, what OK sends and what a refusal keeps.
#include <memory>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "../model/KyTermTestSupport.h"
#include "KyDbpRows.h"
#include "KyTestRow.h"
#include "KyM12InfoForm.h"
#include "KyM12SettingDialog.h"
#include "KyModalCatcher.h"
#include "KyRegionListMgr.h"
#include "KySsTaskDataMgr.h"
#include "KyTestSession.h"
#include "KyTestWidgets.h"

namespace {

QList<int> checkedIds(QTableWidget* t)
{
    QList<int> ids;
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->item(r, 0)->checkState() == Qt::Checked)
            ids << t->item(r, 0)->data(Qt::UserRole).toInt();
    }
    return ids;
}

}  // namespace

class TestM12Screens : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KyTestSession> session;
    KyTestServer& server() { return session->server(); }

    // Bodies of one packet type received since the last clear.
    std::vector<Json::Value> bodies(const std::string& type)
    {
        std::vector<Json::Value> out;
        for (const auto& r : server().received(type)) {
            Json::Value v;
            if (r.json(v))
                out.push_back(v);
        }
        return out;
    }
    int saves()
    {
        int n = 0;
        for (const char* t : {"ModTalkTerminal", "M12CallBook", "M12SoundSource", "M12BroadBook"})
            n += static_cast<int>(server().received(t).size());
        return n;
    }
    static QTableWidget* table(QWidget* w, const char* name) { return w->findChild<QTableWidget*>(name); }
    // A real click on a row's id cell, on the table's own tab.
    static void clickRow(QWidget* dialog, QTableWidget* t, int id)
    {
        dialog->findChild<QTabWidget*>("fConfigTabWidget")->setCurrentWidget(t->parentWidget());
        QTableWidgetItem* item = t->item(rowOfId(t, id), 1);
        QVERIFY(item);
        t->scrollToItem(item);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(item).center());
    }
    static void clickOk(QWidget* dialog)
    {
        QTest::mouseClick(dialog->findChild<QPushButton*>("fOkBtn"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        session.reset(new KyTestSession);
        QVERIFY(session->loggedIn());
        QVERIFY(KyTermLists().load());
        QTRY_VERIFY(!KySsTaskDataMgr::instance()->taskList().empty());
        QTRY_VERIFY(!KyRegionListMgr::instance()->regionList().empty());
    }

    void page()
    {
        KyM12InfoForm page;
        page.show();
        QTableWidget* t = page.table();
        const int count = static_cast<int>(server().rows("m12").size());
        QTRY_COMPARE(t->rowCount(), count);
        QVERIFY(t->isColumnHidden(0));
        QVERIFY(page.findChild<QPushButton*>("fEditBtn")->isHidden());
        QVERIFY(page.findChild<QPushButton*>("fNewBtn")->isHidden());
        QVERIFY(page.findChild<QPushButton*>("fConfigBtn")->isHidden());
        // Reverse list order; column 0 holds the id, never the name.
        const std::list<KyM12> cached = KyM12ListMgr::instance()->copyRecords();
        QCOMPARE(t->item(0, 0)->data(Qt::UserRole).toInt(), cached.back().id);
        QCOMPARE(t->item(0, 0)->text(), QString::number(cached.back().id));
        QCOMPARE(t->item(count - 1, 0)->data(Qt::UserRole).toInt(), 8001);
        QCOMPARE(t->item(count - 1, 1)->text(), QStringLiteral("8001"));
        QCOMPARE(t->item(count - 1, 3)->text(), QStringLiteral("192.168.80.11"));
        QCOMPARE(t->item(rowOfId(t, 8004), 2)->text(), QStringLiteral("断线"));
        QCOMPARE(t->item(rowOfId(t, 8005), 2)->text(), QStringLiteral("空闲"));

        // A pushed terminal the page has no row for comes in on top; state 3 is idle.
        server().pushToAll("SqlConfig", "m12",
                           kyWriteRows({kyTestRow({{"terminalId", "8099"}, {"ip", "10.0.0.9"}, {"status", "3"}})}));
        QTRY_COMPARE(t->rowCount(), count + 1);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("8099"));
        QCOMPARE(t->item(0, 2)->text(), QStringLiteral("空闲"));
        // A pushed change redraws the terminal's own row.
        server().pushToAll("SqlConfig", "m12", kyWriteRows({kyTestRow({{"terminalId", "8001"}, {"status", "0"}})}));
        QTRY_COMPARE(t->item(rowOfId(t, 8001), 2)->text(), QStringLiteral("断线"));
        QCOMPARE(t->rowCount(), count + 1);

        KyModalCatcher catcher;
        auto deleteRow = [&](int id) {
            catcher.clear();
            server().clearReceived();
            t->selectRow(rowOfId(t, id));
            QTest::mouseClick(page.findChild<QPushButton*>("fDelBtn"), Qt::LeftButton);
        };
        // Online: the offline message, the row stays, nothing is sent.
        deleteRow(8002);
        QCOMPARE(catcher.texts, QStringList({"Delete current record?", "Terminal can not be removed without offline!"}));
        QVERIFY(rowOfId(t, 8002) >= 0);
        QVERIFY(server().received("RemoveDevice").empty());
        // Refused: the row stays without a message.
        server().setStatus("RemoveDevice", 403);
        deleteRow(8004);
        QCOMPARE(catcher.texts.size(), 1);
        QCOMPARE(server().received("RemoveDevice").size(), size_t(1));
        QVERIFY(rowOfId(t, 8004) >= 0);
        // Offline and accepted: removed from the table and the cache.
        deleteRow(8004);
        QVERIFY(rowOfId(t, 8004) < 0);
        KyM12 gone;
        QVERIFY(!KyM12ListMgr::instance()->getM12(8004, gone));
        Json::Value body;
        QVERIFY(server().received("RemoveDevice").back().json(body));
        QCOMPARE(body["Id"].asString(), std::string("8004"));

        // The unconnected edit slot opens the dialog on the current row's record.
        QString shownName;
        catcher.setHandler([&](QDialog* d) {
            shownName = d->findChild<QLineEdit*>("fNameEdit")->text();
            d->reject();
        });
        t->setCurrentCell(rowOfId(t, 8003), 1);
        page.slot_editClicked();
        QCOMPARE(shownName, QStringLiteral("二号教学楼走廊分机"));
    }

    void dialogTables()
    {
        // 8001's book: Mic02 1002, Mic11 4001, Mic04 2001, IP 3001, M12 8002,
        // plus mic02 1003 under the mic04 code.
        std::vector<KyRow> calls = server().rows("m12call");
        calls.push_back(kyTestRow({{"terminalId", "8001"}, {"id", "1003"}, {"type", "4"}}));
        server().setRows("m12call", calls);
        KyM12 m12;
        QVERIFY(KyM12ListMgr::instance()->getM12(8001, m12));
        KyM12SettingDialog dialog(&m12);
        QTableWidget* talk = table(&dialog, "fTalkTb");
        QCOMPARE(talk->columnCount(), 3);
        QCOMPARE(checkedIds(talk), QList<int>({1002, 2001, 4001, 8002}));
        QCOMPARE(rowOfId(talk, 8001), -1);
        QCOMPARE(talk->item(rowOfId(talk, 1002), 2)->text(), QStringLiteral("Mic02"));
        QVERIFY(rowOfId(talk, 1003) < rowOfId(talk, 2001));
        QVERIFY(rowOfId(talk, 2001) < rowOfId(talk, 4001));
        QVERIFY(rowOfId(talk, 4001) < rowOfId(talk, 8002));
        // Category 1 only: task 6 (category 2) is in the book but never listed.
        QTableWidget* tasks = table(&dialog, "fSsTaskTb");
        QCOMPARE(tasks->rowCount(), 2);
        QCOMPARE(rowOfId(tasks, 6), -1);
        QCOMPARE(checkedIds(tasks), QList<int>({5}));
        QCOMPARE(tasks->item(rowOfId(tasks, 5), 1)->text(), QStringLiteral("5"));
        QCOMPARE(tasks->item(rowOfId(tasks, 5), 1)->data(Qt::UserRole).toInt(), 1);
        QCOMPARE(tasks->item(rowOfId(tasks, 4), 1)->data(Qt::UserRole).toInt(), 0);
        QTableWidget* regions = table(&dialog, "fRegionTb");
        QCOMPARE(regions->rowCount(), 6);
        QCOMPARE(checkedIds(regions), QList<int>({3}));
    }

    void dialogOk()
    {
        KyModalCatcher catcher;
        KyM12 m12;
        QVERIFY(KyM12ListMgr::instance()->getM12(8003, m12));
        {
            // Untouched: nothing at all, and the dialog closes.
            server().clearReceived();
            KyM12SettingDialog dialog(&m12);
            dialog.show();
            clickOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(saves(), 0);
            QVERIFY(catcher.texts.isEmpty());
        }
        {
            // Empty name, then a refused name save: both keep the dialog open;
            // OK after the server accepts sends the name again, then the lists.
            KyM12SettingDialog dialog(&m12);
            dialog.show();
            auto* name = dialog.findChild<QLineEdit*>("fNameEdit");
            name->clear();
            server().clearReceived();
            clickOk(&dialog);
            QCOMPARE(catcher.lastText(), QStringLiteral("名称不能为空！"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(saves(), 0);

            name->setText(QStringLiteral("新分机"));
            clickRow(&dialog, table(&dialog, "fTalkTb"), 1002);
            clickRow(&dialog, table(&dialog, "fTalkTb"), 8001);
            server().setStatus("ModTalkTerminal", 403);
            clickOk(&dialog);
            QCOMPARE(catcher.lastText(), QStringLiteral("设置错误！"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(saves(), 1);

            clickOk(&dialog);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            const auto names = bodies("ModTalkTerminal");
            QCOMPARE(names.size(), size_t(2));
            QCOMPARE(names.back()["Name"].asString(), std::string("新分机"));
            const auto contacts = bodies("M12CallBook");
            QCOMPARE(contacts.size(), size_t(1));
            QCOMPARE(contacts[0]["Contacts"].asString(), std::string("Mic02_1002 M12_8001"));
            QCOMPARE(contacts[0]["Id"].asString(), std::string("8003"));
            QVERIFY(server().received("M12SoundSource").empty());
            QVERIFY(server().received("M12BroadBook").empty());
            KyM12 cached;
            QVERIFY(KyM12ListMgr::instance()->getM12(8003, cached));
            QCOMPARE(cached.name, std::string("新分机"));
        }
    }

    void dialogListFailures()
    {
        KyModalCatcher catcher;
        KyM12 m12;
        QVERIFY(KyM12ListMgr::instance()->getM12(8001, m12));
        {
            // A refused call book fails alone: the region list still goes, and
            // unchecking its only row sends an empty list.
            KyM12SettingDialog dialog(&m12);
            dialog.show();
            clickRow(&dialog, table(&dialog, "fTalkTb"), 1002);
            clickRow(&dialog, table(&dialog, "fRegionTb"), 3);
            server().clearReceived();
            server().setStatus("M12CallBook", 403);
            clickOk(&dialog);
            QCOMPARE(catcher.texts, QStringList({"提交通信名单错误!"}));
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(server().received("M12CallBook").size(), size_t(1));
            const auto regions = bodies("M12BroadBook");
            QCOMPARE(regions.size(), size_t(1));
            QCOMPARE(regions[0]["RegionId"].asString(), std::string(""));
            QVERIFY(server().received("ModTalkTerminal").empty());
        }
        {
            // A call book that did not load is never sent, even after "全选".
            catcher.clear();
            server().setStatus("SqlConfig", 403, 1);
            KyM12SettingDialog dialog(&m12);
            dialog.show();
            QTableWidget* talk = table(&dialog, "fTalkTb");
            QCOMPARE(talk->rowCount(), 0);
            QCOMPARE(table(&dialog, "fRegionTb")->rowCount(), 6);
            dialog.findChild<QCheckBox*>("fTalkAllCb")->click();
            QVERIFY(dialog.findChild<QCheckBox*>("fTalkAllCb")->isChecked());
            dialog.findChild<QTabWidget*>("fConfigTabWidget")->setCurrentIndex(1);
            dialog.findChild<QCheckBox*>("fSsTaskCb")->click();
            server().clearReceived();
            clickOk(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(server().received("M12CallBook").empty());
            const auto tasks = bodies("M12SoundSource");
            QCOMPARE(tasks.size(), size_t(1));
            // 6 (not a broadcast task, so not offered) stays in the book.
            QCOMPARE(QString::fromStdString(tasks[0]["SoundSource"].asString()), QString("4 5 6"));
            QVERIFY(catcher.texts.isEmpty());
        }
    }

    void cleanupTestCase() { session.reset(); }
};

QTEST_MAIN(TestM12Screens)
#include "test_m12_screens.moc"
