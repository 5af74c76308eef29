// The checkable pick list: layouts, both modes, the flag and the colours.
#include <QtTest>

#include <QCheckBox>
#include <QHeaderView>
#include <QTableWidget>
#include <optional>

#include "KySelectTableCtrl.h"

namespace {

const QColor kChosen(254, 230, 192);
const QColor kPlain(255, 255, 255);

void clickCell(QTableWidget* t, int row, int column)
{
    const QRect r = t->visualItemRect(t->item(row, column));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
}

int flag(QTableWidget* t, int row)
{
    return t->item(row, 1)->data(Qt::UserRole).toInt();
}

bool chosen(QTableWidget* t, int row)
{
    bool all = t->item(row, 0)->checkState() == Qt::Checked && flag(t, row) == 1;
    for (int c = 0; c < t->columnCount(); ++c)
        all = all && t->item(row, c)->background().color() == kChosen;
    return all;
}

bool plain(QTableWidget* t, int row)
{
    bool all = t->item(row, 0)->checkState() == Qt::Unchecked && flag(t, row) == 0;
    for (int c = 0; c < t->columnCount(); ++c)
        all = all && (t->item(row, c)->background().style() == Qt::NoBrush ||
                      t->item(row, c)->background().color() == kPlain);
    return all;
}

QStringList headers(QTableWidget* t)
{
    QStringList out;
    for (int c = 0; c < t->columnCount(); ++c)
        out << t->horizontalHeaderItem(c)->text();
    return out;
}

struct Rig {
    Rig(int layout, bool single)
    {
        table.resize(400, 300);
        if (single)
            ctrl.setSingleTable(&table, layout);
        else
            ctrl.setTable(&table, &box, layout);
        table.show();
    }
    QTableWidget table;
    QCheckBox box;
    KySelectTableCtrl ctrl;
};

}  // namespace

class TestPickList : public QObject {
    Q_OBJECT
private slots:
    void layouts();
    void multiChoice();
    void singleChoice();
};

void TestPickList::layouts()
{
    const QString name = QString::fromUtf8("名称"), type = QString::fromUtf8("类型");
    struct Case {
        int layout;
        QStringList headers;
        QStringList cells;
    };
    const QVector<Case> cases = {
        {1, {name, type}, {QString::fromUtf8("话筒"), "MIC11"}},
        {2, {name, "ID"}, {QString::fromUtf8("话筒"), "MIC11"}},
        {3, {name, "ID", type}, {QString::fromUtf8("话筒"), "42", "MIC11"}},
        {4, {name, "ID"}, {QString::fromUtf8("话筒"), "42"}},
    };
    for (int run = 0; run < 2 * cases.size(); ++run) {   // rows added one by one, then in a batch
        const Case& c = cases[run / 2];
        Rig rig(c.layout, false);
        {
            std::optional<KySelectTableCtrl::Batch> batch;
            if (run % 2)
                batch.emplace(rig.ctrl);
            rig.ctrl.addRow(Qt::Unchecked, "话筒", 42, "MIC11");
            rig.ctrl.addRow(Qt::Checked, "b", 7, "IP");
        }
        QCOMPARE(rig.table.rowCount(), 2);
        QCOMPARE(headers(&rig.table), c.headers);
        QCOMPARE(rig.table.isColumnHidden(1), c.layout == 4);
        QCOMPARE(rig.table.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(rig.table.editTriggers(), QAbstractItemView::NoEditTriggers);
        for (int col = 0; col < c.cells.size(); ++col)
            QCOMPARE(rig.table.item(0, col)->text(), c.cells[col]);
        QCOMPARE(rig.table.item(0, 0)->data(Qt::UserRole).toInt(), 42);
        QCOMPARE(rig.table.item(0, 0)->flags(),
                 Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        QVERIFY(plain(&rig.table, 0));
        QVERIFY(chosen(&rig.table, 1));
        QCOMPARE(rig.ctrl.chosenRow, 1);
        // Added rows never count as a change or a select-all.
        QVERIFY(!rig.ctrl.changed);
        QVERIFY(!rig.ctrl.allSelected);
        // A click on the last shown cell toggles the row; layout 4 keeps the flag in its hidden column.
        clickCell(&rig.table, 0, c.layout == 4 ? 0 : c.cells.size() - 1);
        QVERIFY(chosen(&rig.table, 0));
        QVERIFY(rig.ctrl.changed);
    }
}

void TestPickList::multiChoice()
{
    {  // An empty table: the box changes nothing but counts as a change.
        Rig rig(3, false);
        rig.box.setChecked(true);
        QVERIFY(!rig.ctrl.allSelected);
        QVERIFY(rig.ctrl.changed);
        rig.box.setChecked(false);
        QCOMPARE(rig.table.rowCount(), 0);
    }
    Rig rig(3, false);
    for (int i = 0; i < 3; ++i)
        rig.ctrl.addRow(Qt::Unchecked, "n" + std::to_string(i), 10 + i, "IP");
    // Select all, then uncheck one row: the box unticks, the others stay.
    rig.box.setChecked(true);
    QVERIFY(rig.ctrl.allSelected);
    for (int r = 0; r < 3; ++r)
        QVERIFY(chosen(&rig.table, r));
    clickCell(&rig.table, 1, 0);
    QVERIFY(!rig.box.isChecked());
    QVERIFY(!rig.ctrl.allSelected);
    QVERIFY(chosen(&rig.table, 0));
    QVERIFY(plain(&rig.table, 1));
    QVERIFY(chosen(&rig.table, 2));
    // Select all, untick the box by hand: every row clears.
    rig.box.setChecked(true);
    rig.box.setChecked(false);
    for (int r = 0; r < 3; ++r)
        QVERIFY(plain(&rig.table, r));
    // Checking every row by hand leaves the box unticked; unticking one keeps the others.
    for (int r = 0; r < 3; ++r)
        clickCell(&rig.table, r, 2);
    QVERIFY(!rig.box.isChecked());
    for (int r = 0; r < 3; ++r)
        QVERIFY(chosen(&rig.table, r));
    clickCell(&rig.table, 2, 1);
    QVERIFY(chosen(&rig.table, 0));
    QVERIFY(chosen(&rig.table, 1));
    QVERIFY(plain(&rig.table, 2));
    // The toggle follows the flag, not the check mark.
    rig.table.item(0, 0)->setCheckState(Qt::Unchecked);
    clickCell(&rig.table, 0, 1);
    QVERIFY(plain(&rig.table, 0));
}

void TestPickList::singleChoice()
{
    Rig rig(4, true);
    rig.ctrl.addRow(Qt::Unchecked, "a", 1, "");
    rig.ctrl.addRow(Qt::Checked, "b", 2, "");
    rig.ctrl.addRow(Qt::Unchecked, "c", 3, "");
    QCOMPARE(rig.ctrl.chosenRow, 1);
    clickCell(&rig.table, 2, 0);
    QCOMPARE(rig.ctrl.chosenRow, 2);
    QVERIFY(plain(&rig.table, 1));
    QVERIFY(chosen(&rig.table, 2));
    clickCell(&rig.table, 2, 0);
    QCOMPARE(rig.ctrl.chosenRow, -1);
    for (int r = 0; r < 3; ++r)
        QVERIFY(plain(&rig.table, r));
    QVERIFY(rig.table.selectedItems().isEmpty());
    QVERIFY(!rig.ctrl.changed);
}

QTEST_MAIN(TestPickList)
#include "test_picklist.moc"
