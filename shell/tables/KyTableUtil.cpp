#include "KyTableUtil.h"

#include <QHeaderView>
#include <QTableWidget>
#include <cstdlib>

#include "KyColumnFit.h"
#include "KyTextUtil.h"

void KyTableUtil::setupTableWidget(QTableWidget* table)
{
    table->setWordWrap(true);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setHighlightSections(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    KyColumnFit::of(table);
}

QTableWidgetItem* KyTableUtil::setTableItem(QTableWidget* table, const std::string& text, int row, int column,
                                            int data)
{
    // Data first: an item not yet in the table changes no view.
    auto* item = new QTableWidgetItem(localToQString(text));
    item->setData(Qt::UserRole, data);
    table->setItem(row, column, item);
    return item;
}

QTableWidgetItem* KyTableUtil::setTableItemU64(QTableWidget* table, const QString& text, int row, int column,
                                               uint64_t data)
{
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    table->setItem(row, column, item);
    return item;
}

QTableWidgetItem* KyTableUtil::checkableItem(const QString& text, Qt::CheckState state, int id)
{
    static const QTableWidgetItem pattern = [] {
        QTableWidgetItem item{QString()};
        item.setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item.setCheckState(Qt::Unchecked);
        item.setData(Qt::UserRole, 0);
        return item;
    }();
    auto* item = new QTableWidgetItem(pattern);
    item->setText(text);
    item->setCheckState(state);
    item->setData(Qt::UserRole, id);
    return item;
}

int KyTableUtil::tableItemIntData(QTableWidget* table, int row, int column)
{
    QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void KyTableUtil::swapTableRows(QTableWidget* table, int rowA, int rowB, int columnCount)
{
    for (int c = 0; c < columnCount; ++c) {
        QTableWidgetItem* b = table->item(rowB, c);
        if (!b)
            continue;
        const QString textB = b->text();
        const QVariant dataB = b->data(Qt::UserRole);
        QTableWidgetItem* a = table->item(rowA, c);
        if (!a)
            continue;
        b->setText(a->text());
        b->setData(Qt::UserRole, a->data(Qt::UserRole));
        a->setText(textB);
        a->setData(Qt::UserRole, dataB);
    }
    table->selectRow(rowA);
}

int KyTableUtil::clearTableWidget(QTableWidget* table)
{
    if (!table)
        return -1;
    if (table->rowCount() > 0)
        table->setRowCount(0);   // deletes the rows' items too
    return 0;
}

int KyTableUtil::removeTableRow(QTableWidget* table, int row)
{
    if (!table)
        return -1;
    table->removeRow(row);
    return 0;
}

void KyTableUtil::setItemTextLocal(QTableWidgetItem* item, const std::string& text, int data)
{
    item->setText(localToQString(text));
    item->setData(Qt::UserRole, data);
}

int KyTableUtil::setRowBackground(QTableWidget* table, int row, const QColor& colour)
{
    const int columns = table->columnCount();
    for (int c = 0; c < columns; ++c) {
        if (QTableWidgetItem* item = table->item(row, c))
            item->setBackground(colour);
    }
    return columns;
}

void KyTableUtil::setSelectedCellsInColumn(QTableWidget* table, int column, const std::string& text, int data)
{
    const QList<QTableWidgetItem*> selected = table->selectedItems();
    for (QTableWidgetItem* item : selected) {
        if (item->column() == column)
            setItemTextLocal(item, text, data);
    }
}

QColor KyTableUtil::pickColor(int a, int b, const QColor& ifEqual, const QColor& otherwise)
{
    return a == b ? ifEqual : otherwise;
}

void KyTableUtil::setItemAlignColor(QTableWidgetItem* item, int alignment, const QColor& colour)
{
    item->setTextAlignment(alignment);
    item->setForeground(colour);
}

void KyTableUtil::splitToInts(const std::string& text, std::vector<int>& out, const std::string& separator)
{
    std::vector<std::string> pieces;
    ::splitToStrings(text, &pieces, separator);
    for (const std::string& piece : pieces)
        out.push_back(std::atoi(piece.c_str()));
}

void KyTableUtil::splitToStrings(const std::string& text, std::vector<std::string>& out,
                                 const std::string& separator)
{
    ::splitToStrings(text, &out, separator);
}

void setupTableWidget(QTableWidget* table)
{
    KyTableUtil::setupTableWidget(table);
}

int setRowBackground(QTableWidget* table, int row, const QColor& colour)
{
    return KyTableUtil::setRowBackground(table, row, colour);
}

void swapTableRows(QTableWidget* table, int rowA, int rowB, int columnCount)
{
    KyTableUtil::swapTableRows(table, rowA, rowB, columnCount);
}
