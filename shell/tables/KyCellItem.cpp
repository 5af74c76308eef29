#include "KyCellItem.h"

KyCellItem::KyCellItem(const QString& text, const QVariant& data)
    : QTableWidgetItem(UserType), m_text(text), m_data(data)
{
}

QVariant KyCellItem::data(int role) const
{
    QVariant set = QTableWidgetItem::data(role);
    if (set.isValid())
        return set;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_text;
    if (role == Qt::UserRole)
        return m_data;
    return set;
}

QTableWidgetItem* KyCellItem::clone() const
{
    return new KyCellItem(*this);
}
