// Firewall-mode and default-setting dialogs, run through the play page's
// slots: what their tables show and which "Terminal" requests OK sends.
#include <functional>
#include <memory>

#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "KyDbpRows.h"
#include "KyModalCatcher.h"
#include "KyPlayTermListMgr.h"
#include "KyPlayerInfoForm.h"
#include "KyTestSession.h"

namespace {

struct Term {
    const char* id;
    const char* tcp;
    const char* volume;
    const char* power;
    const char* isDefault;
    const char* master;
};

KyRow termRow(const Term& t)
{
    KyRow r;
    r.add("terminalId", t.id);
    r.add("name", std::string("T") + t.id);
    r.add("type", "IP");
    r.add("status", "1");
    r.add("transportTcp", t.tcp);
    r.add("defaultVolume", t.volume);
    r.add("defaultPower", t.power);
    r.add("isDefault", t.isDefault);
    r.add("masterId", t.master);
    return r;
}

QTableWidget* table(QDialog* d, const char* name)
{
    return d->findChild<QTableWidget*>(name);
}

void click(QDialog* d, const char* button)
{
    QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
}

bool ticked(QTableWidget* t, int row, int column)
{
    return t->item(row, column)->checkState() == Qt::Checked;
}

// A click on the check mark of a checkable cell, as the operator ticks it.
void clickTick(QTableWidget* t, int row, int column)
{
    QStyleOptionViewItem option;
    option.initFrom(t->viewport());
    option.rect = t->visualItemRect(t->item(row, column));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect mark = t->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, t);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, mark.center());
}

QStringList column(QTableWidget* t, int c)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << t->item(r, c)->text();
    return out;
}

}  // namespace

class TestPlayDialogs : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<KyTestSession> session;
    std::unique_ptr<KyPlayerInfoForm> page;
    KyTestServer& server() { return session->server(); }

    void load(std::initializer_list<Term> terms)
    {
        std::vector<KyRow> rows;
        for (const Term& t : terms)
            rows.push_back(termRow(t));
        server().setRows("ipamp", rows);
        QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
    }

    // Runs a page slot; the action drives the dialog and must close it.
    // Returns the "Terminal" bodies sent, as "id:field=value,..." of the fields asked.
    QStringList run(void (KyPlayerInfoForm::*slot)(), std::function<void(QDialog*)> action,
                    const std::vector<const char*>& fields = {"TransportTcp"})
    {
        server().clearReceived();
        KyModalCatcher catcher([&](QDialog* d) { action(d); });
        (page.get()->*slot)();
        [&] { QCOMPARE(catcher.others, 1); }();
        QStringList sent;
        for (const auto& r : server().received("Terminal")) {
            Json::Value v;
            r.json(v);
            QString line = QString::fromStdString(v["Id"].asString()) + ":";
            for (const char* f : fields)
                line += QString("%1=%2,").arg(f, QString::fromStdString(v[f].asString()));
            sent << line;
        }
        return sent;
    }
    static int cachedTcp(int id)
    {
        KyTerminal t;
        return KyPlayTermListMgr::instance()->getTerminal(id, t) ? t.transport_tcp : -1;
    }

private slots:
    void initTestCase()
    {
        session.reset(new KyTestSession);
        QVERIFY(session->loggedIn());
        page.reset(new KyPlayerInfoForm);
    }

    void firewallDialog()
    {
        // 30 holds a mode the box cannot show (2): shown unticked, never sent unless ticked.
        load({{"30", "2", "50", "1", "0", "0"}, {"10", "1", "50", "1", "0", "0"}, {"20", "0", "50", "1", "0", "0"}});
        auto tcp = &KyPlayerInfoForm::tcpModeClicked;

        // Listed by id; column 2's data is the loaded value. Cancel sends nothing.
        QStringList ids;
        QList<bool> checked;
        QStringList sent = run(tcp, [&](QDialog* d) {
            QTableWidget* t = table(d, "fTableWidget");
            ids = column(t, 0);
            for (int r = 0; r < t->rowCount(); ++r)
                checked << ticked(t, r, 2);
            click(d, "fTcpBtn");
            click(d, "fCancelBtn");
        });
        QCOMPARE(ids, QStringList({"10", "20", "30"}));
        QCOMPARE(checked, QList<bool>({true, false, false}));
        QVERIFY(sent.isEmpty());

        // Untouched OK, and a box toggled twice, send nothing.
        QVERIFY(run(tcp, [](QDialog* d) { click(d, "fOkBtn"); }).isEmpty());
        QVERIFY(run(tcp, [](QDialog* d) {
                    QTableWidget* t = table(d, "fTableWidget");
                    clickTick(t, 1, 2);
                    QVERIFY(ticked(t, 1, 2));
                    clickTick(t, 1, 2);
                    click(d, "fOkBtn");
                }).isEmpty());

        // "全部是": only the rows that were off, in row order, with 1.
        sent = run(tcp, [](QDialog* d) {
            click(d, "fTcpBtn");
            click(d, "fOkBtn");
        });
        QCOMPARE(sent, QStringList({"20:TransportTcp=1,", "30:TransportTcp=1,"}));
        QCOMPARE(cachedTcp(20), 1);

        // A refused set leaves the cached value.
        server().setStatus("Terminal", 403, -1);
        sent = run(tcp, [](QDialog* d) {
            clickTick(table(d, "fTableWidget"), 0, 2);
            click(d, "fOkBtn");
        });
        server().setStatus("Terminal", 403, 0);
        QCOMPARE(sent, QStringList({"10:TransportTcp=0,"}));
        QCOMPARE(cachedTcp(10), 1);

        // "全部是" then "全部否": only the row that was on, with 0.
        load({{"10", "1", "50", "1", "0", "0"}, {"20", "0", "50", "1", "0", "0"}});
        sent = run(tcp, [](QDialog* d) {
            click(d, "fTcpBtn");
            click(d, "fUdpBtn");
            click(d, "fOkBtn");
        });
        QCOMPARE(sent, QStringList({"10:TransportTcp=0,"}));
        QCOMPARE(cachedTcp(10), 0);
    }

    void defaultDialog()
    {
        load({{"5", "0", "40", "0", "1", "0"},
              {"10005", "0", "50", "1", "0", "0"},
              {"3", "0", "60", "1", "0", "0"},
              {"12", "0", "50", "1", "0", "3"},
              {"14", "0", "50", "0", "0", "3"},
              {"13", "0", "50", "1", "0", "3"},
              {"40", "0", "50", "1", "0", "99"}});
        const QColor grey(200, 200, 200), white(255, 255, 255);
        QStringList names, volumes, powers;
        QStringList sent = run(&KyPlayerInfoForm::defaultSetClicked, [&](QDialog* d) {
            QTableWidget* t = table(d, "fTerTableWidget");
            auto* spin = d->findChild<QSpinBox*>("fVolumnSpinBox");
            names = column(t, 0);
            [&] {
                QCOMPARE(spin->minimum(), -1);
                QCOMPARE(t->item(0, 2)->background().color(), white);
                QCOMPARE(t->item(1, 0)->background().color(), grey);
                QCOMPARE(t->item(5, 2)->background().color(), grey);
                QCOMPARE(t->item(4, 1)->background().color(), white);
                QVERIFY(ticked(t, 4, 3));
                QVERIFY(!ticked(t, 0, 3));

                // Selecting loads the spin box and writes nothing.
                t->setCurrentCell(4, 0);
                QCOMPARE(spin->value(), 40);
                // Rows 3 (60) and 14 (50) join the selection, 14 becoming
                // current: the spin box shows 50 and no row changes.
                t->selectionModel()->select(t->model()->index(0, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
                t->selectionModel()->setCurrentIndex(t->model()->index(1, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
                QCOMPARE(spin->value(), 50);
                QCOMPARE(column(t, 1), QStringList({"60", "50", "50", "50", "40", "50"}));
                // The spin box writes every selected row, down to -1.
                spin->setValue(-1);
                QCOMPARE(column(t, 1), QStringList({"-1", "-1", "50", "50", "-1", "50"}));
                QCOMPARE(t->item(0, 1)->data(Qt::UserRole).toInt(), -1);

                // Power: only the current row, whatever else is selected.
                click(d, "fOpenAmpBtn");
                QCOMPARE(t->item(1, 2)->text(), QStringLiteral("open"));
                QCOMPARE(t->item(1, 2)->data(Qt::UserRole).toInt(), 1);
                QCOMPARE(t->item(4, 2)->text(), QStringLiteral("close"));
                clickTick(t, 3, 3);
            }();
            volumes = column(t, 1);
            powers = column(t, 2);
            click(d, "fOkBtn");
        }, {"DefaultVolume", "DefaultPower", "IsDefault", "TransportTcp"});
        // 10005 is not primary; subordinates below their master, 40 (master 99 absent) in id order.
        QCOMPARE(names, QStringList({"T3", "T14", "T13", "T12", "T5", "T40"}));
        QCOMPARE(volumes, QStringList({"-1", "-1", "50", "50", "-1", "50"}));
        QCOMPARE(powers, QStringList({"open", "open", "open", "open", "close", "open"}));
        // Every listed terminal, in row order, with its row's values.
        QCOMPARE(sent, QStringList({"3:DefaultVolume=-1,DefaultPower=1,IsDefault=0,TransportTcp=0,",
                                    "14:DefaultVolume=-1,DefaultPower=1,IsDefault=0,TransportTcp=0,",
                                    "13:DefaultVolume=50,DefaultPower=1,IsDefault=0,TransportTcp=0,",
                                    "12:DefaultVolume=50,DefaultPower=1,IsDefault=1,TransportTcp=0,",
                                    "5:DefaultVolume=-1,DefaultPower=0,IsDefault=1,TransportTcp=0,",
                                    "40:DefaultVolume=50,DefaultPower=1,IsDefault=0,TransportTcp=0,"}));
        KyTerminal stored;
        QVERIFY(KyPlayTermListMgr::instance()->getTerminal(5, stored));
        QCOMPARE(stored.defaultVolumn, -1);
        QVERIFY(!stored.defaultPower);
        QVERIFY(stored.isDefault);

        // Cancel sends nothing.
        QVERIFY(run(&KyPlayerInfoForm::defaultSetClicked, [](QDialog* d) { click(d, "fCancelBtn"); }).isEmpty());
    }

    void storedValuesTravelBack()
    {
        // Each dialog opens on the stored values and sends the other's back unchanged.
        load({{"7", "1", "40", "1", "1", "0"}, {"8", "0", "50", "0", "0", "0"}});
        const std::vector<const char*> all = {"TransportTcp", "DefaultVolume", "DefaultPower", "IsDefault"};
        bool checked = false;
        int volume = 0;
        QStringList sent = run(&KyPlayerInfoForm::defaultSetClicked, [&](QDialog* d) {
            QTableWidget* t = table(d, "fTerTableWidget");
            t->setCurrentCell(0, 0);
            volume = d->findChild<QSpinBox*>("fVolumnSpinBox")->value();
            click(d, "fOkBtn");
        }, all);
        QCOMPARE(volume, 40);
        QCOMPARE(sent, QStringList({"7:TransportTcp=1,DefaultVolume=40,DefaultPower=1,IsDefault=1,",
                                    "8:TransportTcp=0,DefaultVolume=50,DefaultPower=0,IsDefault=0,"}));
        sent = run(&KyPlayerInfoForm::tcpModeClicked, [&](QDialog* d) {
            QTableWidget* t = table(d, "fTableWidget");
            checked = ticked(t, 0, 2);
            clickTick(t, 0, 2);
            click(d, "fOkBtn");
        }, all);
        QVERIFY(checked);
        QCOMPARE(sent, QStringList({"7:TransportTcp=0,DefaultVolume=40,DefaultPower=1,IsDefault=1,"}));
        // The server stored what was sent: a fresh list opens on it.
        QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
        KyTerminal t;
        QVERIFY(KyPlayTermListMgr::instance()->getTerminal(7, t));
        QCOMPARE(t.transport_tcp, 0);
        QCOMPARE(t.defaultVolumn, 40);
        QVERIFY(t.isDefault);
    }

    void cleanupTestCase()
    {
        page.reset();
        session.reset();
    }
};

QTEST_MAIN(TestPlayDialogs)
#include "test_play_dialogs.moc"
