// Table utilities, row controllers, table references and the edit-permission check.
#include <QtTest>

#include <QHeaderView>
#include <QTableWidget>

#include "KyAdvancedCtr.h"
#include "KyDataViewCtrl.h"
#include "KyLevelList.h"
#include "KyManageContext.h"
#include "KyMessageBox.h"
#include "KyModalHelper.h"
#include "KyTableRef.h"
#include "KyTableUtil.h"
#include "KyTerBaseCtr.h"
#include "KyTipsInfo.h"
#include "KyUser.h"
#include "ui_MessageBox.h"
#include "ui_fCommonTableForm.h"
#include "ui_fExectTimeDialog.h"

namespace {

// A page of the common table form with the row-controller base.
class Page : public QWidget, public KyTerBaseCtr {
public:
    Page() { ui.setupUi(this); }
    QWidget* widget() override { return this; }
    QTableWidget* table() override { return ui.fCommonTableWidget; }
    void updateRow(int row, int id) override { updated.append({row, id}); }
    Ui::fCommonTableForm ui;
    QVector<QPair<int, int>> updated;
};

class MediaPage : public QWidget, public KyAdvancedCtr {
public:
    QWidget* widget() override { return this; }
    QTableWidget* table() override { return &m_table; }
    QTableWidget m_table;
};

void fill(QTableWidget* t, const QVector<int>& ids, int columns = 3)
{
    t->setColumnCount(columns);
    t->setRowCount(ids.size());
    for (int r = 0; r < ids.size(); ++r)
        for (int c = 0; c < columns; ++c)
            KyTableUtil::setTableItem(t, QStringLiteral("r%1c%2").arg(r).arg(c).toUtf8().constData(), r, c,
                                      c == 0 ? ids[r] : 100 + c);
}

KyLevel level(uint16_t type, uint16_t value)
{
    KyLevel l;
    l.type = type;
    l.level = value;
    return l;
}

}  // namespace

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void itemsAndSetup();
    void swapRows();
    void clearRemoveAndColours();
    void splitting();
    void rowsById();
    void tableRefAndDataView();
    void editPermission();
    void sharedForms();
};

void TestTables::itemsAndSetup()
{
    QTableWidget t(2, 2);
    KyTableUtil::setupTableWidget(&t);
    QVERIFY(t.wordWrap());
    QCOMPARE(t.focusPolicy(), Qt::NoFocus);
    QVERIFY(!t.horizontalHeader()->highlightSections());
    QVERIFY(!t.verticalHeader()->highlightSections());
    QCOMPARE(t.editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(t.selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(t.horizontalHeader()->stretchLastSection());

    QTableWidgetItem* item = KyTableUtil::setTableItem(&t, "终端一", 1, 0, 42);
    QCOMPARE(t.item(1, 0), item);
    QCOMPARE(item->text(), QStringLiteral("终端一"));
    QCOMPARE(KyTableUtil::tableItemIntData(&t, 1, 0), 42);
    QCOMPARE(KyTableUtil::tableItemIntData(&t, 0, 1), -1);   // no item
    KyTableUtil::setItemTextLocal(item, "改名", 7);
    QCOMPARE(item->text(), QStringLiteral("改名"));
    QCOMPARE(item->data(Qt::UserRole).toInt(), 7);
    QTableWidgetItem* wide = KyTableUtil::setTableItemU64(&t, QStringLiteral("big"), 0, 1, 0x123456789ULL);
    QCOMPARE(wide->data(Qt::UserRole).toULongLong(), 0x123456789ULL);

    QCOMPARE(KyTableUtil::pickColor(3, 3, Qt::red, Qt::white), QColor(Qt::red));
    QCOMPARE(KyTableUtil::pickColor(3, 4, Qt::red, Qt::white), QColor(Qt::white));
    KyTableUtil::setItemAlignColor(item, Qt::AlignCenter, Qt::blue);
    QCOMPARE(item->textAlignment(), int(Qt::AlignCenter));
    QCOMPARE(item->foreground().color(), QColor(Qt::blue));

    // Only selected cells of the given column change.
    QTableWidget s(2, 2);
    fill(&s, {1, 2}, 2);
    KyTableUtil::setSelectedCellsInColumn(&s, 1, "x", 9);
    QCOMPARE(s.item(0, 1)->text(), QStringLiteral("r0c1"));
    s.setSelectionMode(QAbstractItemView::MultiSelection);
    s.item(0, 0)->setSelected(true);
    s.item(0, 1)->setSelected(true);
    s.item(1, 1)->setSelected(true);
    KyTableUtil::setSelectedCellsInColumn(&s, 1, "选中", 9);
    QCOMPARE(s.item(0, 1)->text(), QStringLiteral("选中"));
    QCOMPARE(s.item(1, 1)->data(Qt::UserRole).toInt(), 9);
    QCOMPARE(s.item(0, 0)->text(), QStringLiteral("r0c0"));
}

void TestTables::swapRows()
{
    QTableWidget t;
    fill(&t, {10, 20, 30});
    t.item(0, 1)->setBackground(Qt::red);
    t.item(0, 0)->setCheckState(Qt::Checked);
    t.item(2, 0)->setCheckState(Qt::Unchecked);
    KyTableUtil::swapTableRows(&t, 2, 0, 3);
    QCOMPARE(t.item(2, 0)->text(), QStringLiteral("r0c0"));
    QCOMPARE(t.item(2, 0)->data(Qt::UserRole).toInt(), 10);
    QCOMPARE(t.item(0, 0)->data(Qt::UserRole).toInt(), 30);
    QCOMPARE(t.item(0, 2)->text(), QStringLiteral("r2c2"));
    // Colours and check states stay with their rows.
    QCOMPARE(t.item(0, 1)->background().color(), QColor(Qt::red));
    QCOMPARE(t.item(0, 0)->checkState(), Qt::Checked);
    QCOMPARE(t.item(2, 0)->checkState(), Qt::Unchecked);
    QVERIFY(t.item(2, 1)->isSelected());
    QVERIFY(!t.item(0, 1)->isSelected());

    // Same row: nothing changes, the row is selected.
    KyTableUtil::swapTableRows(&t, 1, 1, 3);
    QCOMPARE(t.item(1, 0)->text(), QStringLiteral("r1c0"));
    QVERIFY(t.item(1, 0)->isSelected());

    // Columns beyond the table and cells without items are skipped.
    delete t.takeItem(1, 2);
    KyTableUtil::swapTableRows(&t, 0, 1, 6);
    QCOMPARE(t.item(0, 0)->data(Qt::UserRole).toInt(), 20);
    QCOMPARE(t.item(1, 0)->data(Qt::UserRole).toInt(), 30);
    QCOMPARE(t.item(0, 2)->text(), QStringLiteral("r2c2"));
    QVERIFY(!t.item(1, 2));
}

void TestTables::clearRemoveAndColours()
{
    QCOMPARE(KyTableUtil::clearTableWidget(nullptr), -1);
    QCOMPARE(KyTableUtil::removeTableRow(nullptr, 0), -1);
    QTableWidget empty(0, 3);
    QCOMPARE(KyTableUtil::clearTableWidget(&empty), 0);
    QCOMPARE(empty.columnCount(), 3);

    QTableWidget t;
    fill(&t, {1, 2, 3});
    QCOMPARE(KyTableUtil::removeTableRow(&t, 1), 0);
    QCOMPARE(t.rowCount(), 2);
    QCOMPARE(t.item(1, 0)->data(Qt::UserRole).toInt(), 3);

    // A row with a missing cell is coloured where it has items.
    delete t.takeItem(0, 1);
    QCOMPARE(KyTableUtil::setRowBackground(&t, 0, QColor("#dff0d8")), 3);
    QCOMPARE(t.item(0, 0)->background().color(), QColor("#dff0d8"));
    QCOMPARE(t.item(0, 2)->background().color(), QColor("#dff0d8"));
    QVERIFY(!t.item(0, 1));
    QCOMPARE(setRowBackground(&t, 5, Qt::red), 3);   // a row that does not exist

    QCOMPARE(KyTableUtil::clearTableWidget(&t), 0);
    QCOMPARE(t.rowCount(), 0);
}

void TestTables::splitting()
{
    std::vector<int> ints;
    KyTableUtil::splitToInts("1 2 3", ints, " ");
    QCOMPARE(ints, (std::vector<int>{1, 2, 3}));
    KyTableUtil::splitToInts("4 5 ", ints, " ");   // appended; trailing separator adds nothing
    QCOMPARE(ints, (std::vector<int>{1, 2, 3, 4, 5}));
    ints.clear();
    KyTableUtil::splitToInts("", ints, " ");
    QVERIFY(ints.empty());
    KyTableUtil::splitToInts("12", ints, " ");
    QCOMPARE(ints, (std::vector<int>{12}));
    ints.clear();
    KyTableUtil::splitToInts(" ", ints, " ");
    QCOMPARE(ints, (std::vector<int>{0}));
    ints.clear();
    KyTableUtil::splitToInts("7  x 9", ints, " ");   // empty and non-numeric pieces read 0
    QCOMPARE(ints, (std::vector<int>{7, 0, 0, 9}));
    ints.clear();
    KyTableUtil::splitToInts("3@#$%-4@#$%5", ints, "@#$%");
    QCOMPARE(ints, (std::vector<int>{3, -4, 5}));

    std::vector<std::string> parts;
    KyTableUtil::splitToStrings("a!!!b", parts, "!!!");
    QCOMPARE(parts, (std::vector<std::string>{"a", "b"}));
    parts.clear();
    KyTableUtil::splitToStrings("a!!!b", parts, "!!");
    QCOMPARE(parts, (std::vector<std::string>{"a", "!b"}));
    parts.clear();
    KyTableUtil::splitToStrings("门口#$%12!!!#$%", parts, "#$%");
    QCOMPARE(parts, (std::vector<std::string>{"门口", "12!!!"}));
}

void TestTables::rowsById()
{
    Page page;
    QCOMPARE(page.findRowById(5), -1);   // empty table
    page.setupTable();
    QCOMPARE(page.table()->editTriggers(), QAbstractItemView::NoEditTriggers);
    fill(page.table(), {5, 7, 5, 9});
    QCOMPARE(page.findRowById(5), 0);    // the upper of two
    QCOMPARE(page.findRowById(9), 3);
    QCOMPARE(page.cellInt(1, 0), 7);
    QCOMPARE(page.cellInt(1, 1), 101);

    QCOMPARE(page.refreshRowById(8), -1);
    QVERIFY(page.updated.isEmpty());
    QCOMPARE(page.refreshRowById(7), 0);
    QCOMPARE(page.updated.value(0), qMakePair(1, 7));

    page.slot_delRowById(5);
    QCOMPARE(page.table()->rowCount(), 3);
    QCOMPARE(page.findRowById(5), 1);
    page.slot_delRowById(404);   // unknown id: nothing changes
    QCOMPARE(page.table()->rowCount(), 3);
    QCOMPARE(page.removeRowById(404), -1);

    // New rows are filled at the top.
    page.table()->insertRow(0);
    page.setIdItem("新终端", 0, 77);
    page.setCellItem("192.168.1.9", 0, 1, 77);
    page.setCellText(QStringLiteral("-"), 0, 2, -1);
    QCOMPARE(page.findRowById(77), 0);
    QCOMPARE(page.table()->item(0, 0)->text(), QStringLiteral("新终端"));
    QCOMPARE(page.table()->item(0, 2)->data(Qt::UserRole).toLongLong(), -1LL);
    page.setItemTextAndId(page.table()->item(0, 0), "改", 78);
    QCOMPARE(page.findRowById(78), 0);
    // Rows inserted in the middle, moved and sorted are found where they went.
    page.table()->insertRow(2);
    page.setCellItem("中", 2, 0, 80);
    QCOMPARE(page.findRowById(80), 2);
    QCOMPARE(page.findRowById(9), 4);
    page.table()->sortItems(0);
    for (int row = 0; row < page.table()->rowCount(); ++row)
        QCOMPARE(page.findRowById(page.cellInt(row, 0)), row);
    QCOMPARE(page.findRowById(78), 4);   // "改" sorts last
    QCOMPARE(page.removeRowById(80), 0);
    QCOMPARE(page.findRowById(78), 3);
    QCOMPARE(page.removeRow(0), 0);
    QCOMPARE(page.clearTable(), 0);
    QCOMPARE(page.table()->rowCount(), 0);

    page.KyTerBaseCtr::setGeometry(QRect(3, 4, 300, 200));
    QCOMPARE(page.geometry(), QRect(3, 4, 300, 200));

    QVERIFY(KyTerBaseCtr::isOffline(0));
    QVERIFY(!KyTerBaseCtr::isOffline(1));
    for (int id : {0, 9999, 100000000, 1, 100009999})
        QVERIFY2(KyTerBaseCtr::isPrimaryId(id), qPrintable(QString::number(id)));
    for (int id : {10000, 10001, 99990000, 1230045})
        QVERIFY2(!KyTerBaseCtr::isPrimaryId(id), qPrintable(QString::number(id)));
}

void TestTables::tableRefAndDataView()
{
    QTableWidget t(0, 3);
    KyTableRef ref(&t);
    ref.setText(5, 1, QStringLiteral("六"));
    QCOMPARE(t.rowCount(), 6);
    QCOMPARE(ref.text(5, 1), QStringLiteral("六"));
    QCOMPARE(ref.text(0, 0), QString());
    QVERIFY(!ref.data(0, 0).isValid());
    ref.setData(0, 0, 3);   // no item: nothing
    QVERIFY(!ref.item(0, 0));
    ref.setData(5, 1, 12);
    QCOMPARE(ref.data(5, 1).toInt(), 12);
    ref.appendRow();
    QCOMPARE(t.rowCount(), 7);
    ref.setItem(9, 0, new QTableWidgetItem(QStringLiteral("x")));
    QCOMPARE(t.rowCount(), 10);
    ref.removeRow(9);
    QCOMPARE(t.rowCount(), 9);

    t.setSelectionMode(QAbstractItemView::MultiSelection);
    ref.setText(1, 0, QStringLiteral("a"));
    ref.setText(1, 2, QStringLiteral("c"));
    ref.setText(2, 0, QStringLiteral("b"));
    ref.selectRow(1);
    ref.selectRow(2);
    QVERIFY(t.item(1, 0)->isSelected());
    QVERIFY(t.item(1, 2)->isSelected());
    QVERIFY(t.item(2, 0)->isSelected());   // earlier selection kept
    ref.clearRows();
    QCOMPARE(t.rowCount(), 0);

    KyDataViewCtrl view(&t);
    QCOMPARE(view.rowOfId(1), -1);
    view.setCellData(2, 40);
    QCOMPARE(t.rowCount(), 3);
    view.setCellData(0, 20);
    view.setCellData(1, 40);
    QCOMPARE(view.idOfRow(2), 40);
    QCOMPARE(view.idOfRow(7), -1);
    QCOMPARE(view.rowOfId(40), 1);
    t.setCurrentCell(2, 0);
    QCOMPARE(view.currentId(), 40);
}

void TestTables::editPermission()
{
    Page terminals;
    MediaPage media;
    // No manage context: nobody may edit.
    QVERIFY(!KyManageContext::instance());
    QVERIFY(!terminals.mayEdit());

    KyManageContext* context = KyManageContext::create(nullptr);
    context->setLevelList(KyLevelList::instance());
    KyLevelList::instance()->setLevels({});
    QVERIFY(!terminals.mayEdit());   // no level record

    KyLevelList::instance()->setLevels({level(4, 1), level(5, 3), level(5, 1)});
    currentUser()->level = 3;
    QVERIFY(terminals.mayEdit());    // equal: allowed (first record of type 5)
    QVERIFY(!media.mayEdit());   // media uses type 4, value 1
    currentUser()->level = 1;
    QVERIFY(media.mayEdit());

    // One greater: refused, with one message per attempt.
    currentUser()->level = 4;
    int shown = 0;
    QString text;
    auto answer = [&](QWidget* w) {
        ++shown;
        auto* box = qobject_cast<KyMessageBox*>(w);
        QVERIFY(box);
        text = box->form().LblText->text();
        QVERIFY(box->form().OnlyOk_2->isVisible());
        QTest::mouseClick(box->form().OkBtn, Qt::LeftButton);
    };
    onNextModal(answer);
    QVERIFY(!terminals.hasEditPermission());
    QCOMPARE(shown, 1);
    QCOMPARE(text, KyTipsInfo::noEditPermission());
    onNextModal(answer);
    QVERIFY(!terminals.hasEditPermission());
    QCOMPARE(shown, 2);

    currentUser()->level = 2;
    QVERIFY(terminals.hasEditPermission());
    QCOMPARE(shown, 2);
    KyManageContext::destroy();
}

void TestTables::sharedForms()
{
    Page page;
    page.ui.fConfigBtn->hide();
    page.ui.fEditBtn->hide();
    page.resize(659, 420);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(page.ui.fNewBtn->x() < page.ui.fDelBtn->x());
    QVERIFY(page.ui.fDelBtn->geometry().right() > page.width() - 20);   // right-aligned
    QCOMPARE(page.ui.fNewBtn->size(), QSize(75, 23));
    QCOMPARE(page.ui.tableNameLable->text(), QStringLiteral("预案类型"));

    QDialog unnamed;
    Ui::fExectTimeDialog form;
    form.setupUi(&unnamed);
    QCOMPARE(unnamed.objectName(), QStringLiteral("fExectTimeDialog"));
    QCOMPARE(form.fExecTimeEdit->displayFormat(), QStringLiteral("HH:mm:ss"));
    QCOMPARE(form.fExecTimeEdit->time(), QTime(10, 0, 0));
    QCOMPARE(form.fNameEdit->text(), QStringLiteral("执行时间"));
    form.fExecTimeEdit->setTime(QTime(23, 5, 9));
    QCOMPARE(form.fExecTimeEdit->text(), QStringLiteral("23:05:09"));
    QDialog named;
    named.setObjectName(QStringLiteral("KyExecTimeDialog"));
    Ui::fExectTimeDialog form2;
    form2.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("KyExecTimeDialog"));
}

QTEST_MAIN(TestTables)
#include "test_tables.moc"
