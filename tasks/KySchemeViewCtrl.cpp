#include "KySchemeViewCtrl.h"

#include <QHeaderView>
#include <QTableWidget>

#include "KyTextUtil.h"

KySchemeViewCtrl::KySchemeViewCtrl(QTableWidget* table) : KyDataViewCtrl(table)
{
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void KySchemeViewCtrl::setRowScheme(int row, const KyScheme& scheme)
{
    m_ref.setText(row, 0, localToQString(scheme.name));
    setCellData(row, scheme.id);
    m_ref.setText(row, 1, scheme.enable == 1 ? QString::fromUtf8("启用") : QString::fromUtf8("禁用"));
    m_ref.setText(row, 2, localToQString(scheme.comment));
}

void KySchemeViewCtrl::appendScheme(const KyScheme& scheme)
{
    m_ref.appendRow();
    setRowScheme(m_ref.table()->rowCount() - 1, scheme);
}

bool KySchemeViewCtrl::updateScheme(const KyScheme& scheme)
{
    const int row = rowOfId(scheme.id);
    if (row < 0)
        return false;
    setRowScheme(row, scheme);
    return true;
}

void KySchemeViewCtrl::removeScheme(int id)
{
    const int row = rowOfId(id);
    if (row >= 0)
        m_ref.removeRow(row);
}

void KySchemeViewCtrl::showSchemes(const std::list<KyScheme>& schemes)
{
    m_ref.clearRows();
    for (const KyScheme& s : schemes)
        appendScheme(s);
    m_ref.selectRow(0);
}
