#include "KyDataViewCtrl.h"

#include <QTableWidget>

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
    const int rows = m_ref.table()->rowCount();
    for (int row = 0; row < rows; ++row)
        if (idOfRow(row) == id)
            return row;
    return -1;
}

int KyDataViewCtrl::currentId()
{
    return idOfRow(m_ref.currentRow());
}
