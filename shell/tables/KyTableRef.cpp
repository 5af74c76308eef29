#include "KyTableRef.h"

#include <QTableWidget>

void KyTableRef::appendRow()
{
    m_table->insertRow(m_table->rowCount());
}

void KyTableRef::clearRows()
{
    m_table->setRowCount(0);
}

int KyTableRef::currentRow() const
{
    return m_table->currentRow();
}

QTableWidgetItem* KyTableRef::item(int row, int column) const
{
    return m_table->item(row, column);
}

QVariant KyTableRef::data(int row, int column) const
{
    QTableWidgetItem* it = item(row, column);
    return it ? it->data(Qt::UserRole) : QVariant();
}

QString KyTableRef::text(int row, int column) const
{
    QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void KyTableRef::setItem(int row, int column, QTableWidgetItem* newItem)
{
    if (row >= m_table->rowCount())
        m_table->setRowCount(row + 1);
    m_table->setItem(row, column, newItem);
}

void KyTableRef::setText(int row, int column, const QString& value)
{
    QTableWidgetItem* it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(row, column, it);
    }
    it->setText(value);
}

void KyTableRef::removeRow(int row)
{
    m_table->removeRow(row);
}

void KyTableRef::setData(int row, int column, const QVariant& value)
{
    if (QTableWidgetItem* it = item(row, column))
        it->setData(Qt::UserRole, value);
}

void KyTableRef::selectRow(int row)
{
    const int last = m_table->columnCount() - 1;
    if (last < 0)
        return;
    m_table->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, last), true);
}
