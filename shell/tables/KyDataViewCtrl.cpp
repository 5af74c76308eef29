#include "KyDataViewCtrl.h"

#include <QTableWidget>

#include "KyRowIndex.h"

int KyDataViewCtrl::idOfRow(int row)
{
    QTableWidgetItem* item = m_ref.item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void KyDataViewCtrl::setCellData(int row, int id)
{
    QTableWidgetItem* item = m_ref.item(row, 0);
    if (!item) {
        item = new QTableWidgetItem();
        m_ref.setItem(row, 0, item);
    }
    item->setData(Qt::UserRole, id);
}

int KyDataViewCtrl::rowOfId(int id)
{
    return KyRowIndex::of(m_ref.table())->rowOf(id);
}

int KyDataViewCtrl::currentId()
{
    return idOfRow(m_ref.currentRow());
}
