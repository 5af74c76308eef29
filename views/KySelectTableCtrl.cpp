#include "KySelectTableCtrl.h"

#include <QCheckBox>
#include <QStringList>
#include <QTableWidget>

#include "KyTableBatch.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"

namespace {
const QColor kChosenColour(254, 230, 192);
const QColor kPlainColour(255, 255, 255);
}

KySelectTableCtrl::KySelectTableCtrl() = default;

void KySelectTableCtrl::setTable(QTableWidget* t, QCheckBox* box, int l)
{
    table = t;
    selectAllBox = box;
    layout = l;
    initTable(l);
    connect(box, &QCheckBox::stateChanged, this, &KySelectTableCtrl::slot_checkBoxStateChanged);
    connect(t, &QTableWidget::itemClicked, this, &KySelectTableCtrl::slot_tableItemClicked);
}

void KySelectTableCtrl::setSingleTable(QTableWidget* t, int l)
{
    table = t;
    layout = l;
    selectAllBox = nullptr;
    initTable(l);
    connect(t, &QTableWidget::itemClicked, this, &KySelectTableCtrl::slot_singleTableItemClicked);
}

void KySelectTableCtrl::initTable(int l)
{
    if (!table)
        return;
    const QString name = QString::fromUtf8("名称");
    QStringList headers;
    switch (l) {
    case 1: headers << name << QString::fromUtf8("类型"); break;
    case 3: headers << name << "ID" << QString::fromUtf8("类型"); break;
    default: headers << name << "ID"; break;
    }
    table->setColumnCount(headers.size());
    table->setColumnHidden(1, l == 4);
    table->setHorizontalHeaderLabels(headers);
    // Names widen to their text (setupTableWidget's column fitter), the last column stretches.
    setupTableWidget(table);
    table->setRowCount(0);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
}

void KySelectTableCtrl::addRow(Qt::CheckState state, std::string name, int id, std::string typeText)
{
    if (!table)
        return;
    const int row = nextRow();
    setCell(row, 0, KyTableUtil::checkableItem(localToQString(name), state, id));
    const QString type = localToQString(typeText);
    if (layout == 3 || layout == 4)
        setCell(row, 1, new QTableWidgetItem(QString::number(id)));
    else
        setCell(row, 1, new QTableWidgetItem(type));
    if (layout == 3)
        setCell(row, 2, new QTableWidgetItem(type));
    if (state == Qt::Checked) {
        markRow(row, true);
        chosenRow = row;
    }
}

int KySelectTableCtrl::nextRow()
{
    if (m_batch)
        return m_batch->appendRow();
    const int row = table->rowCount();
    table->insertRow(row);
    return row;
}

void KySelectTableCtrl::setCell(int row, int column, QTableWidgetItem* item)
{
    if (m_batch)
        m_batch->setItem(row, column, item);
    else
        table->setItem(row, column, item);
}

KySelectTableCtrl::Batch::Batch(KySelectTableCtrl& pick) : m_pick(pick)
{
    if (!pick.table || pick.m_batch)
        return;
    m_rows.reset(new KyTableBatch(pick.table));
    pick.m_batch = m_rows.get();
}

KySelectTableCtrl::Batch::~Batch()
{
    if (m_rows)
        m_pick.m_batch = nullptr;
}

int KySelectTableCtrl::rowFlag(int row) const
{
    QTableWidgetItem* flag = table->item(row, 1);
    return flag ? flag->data(Qt::UserRole).toInt() : 0;
}

void KySelectTableCtrl::markRow(int row, bool chosen)
{
    if (QTableWidgetItem* nameItem = table->item(row, 0))
        nameItem->setCheckState(chosen ? Qt::Checked : Qt::Unchecked);
    if (QTableWidgetItem* flag = table->item(row, 1))
        flag->setData(Qt::UserRole, chosen ? 1 : 0);
    setRowBackground(table, row, chosen ? kChosenColour : kPlainColour);
}

void KySelectTableCtrl::slot_checkBoxStateChanged(int state)
{
    if (!table)
        return;
    if (state == Qt::Checked) {
        const int rows = table->rowCount();
        for (int r = 0; r < rows; ++r)
            markRow(r, true);
        if (rows > 0)
            allSelected = true;
    } else if (allSelected) {
        table->clearSelection();
        for (int r = 0; r < table->rowCount(); ++r)
            markRow(r, false);
        allSelected = false;
    }
    changed = true;
}

void KySelectTableCtrl::slot_tableItemClicked(QTableWidgetItem* item)
{
    if (!item || !table)
        return;
    const int row = item->row();
    if (rowFlag(row) == 0) {
        markRow(row, true);
    } else {
        allSelected = false;
        if (selectAllBox)
            selectAllBox->setCheckState(Qt::Unchecked);
        table->clearSelection();
        markRow(row, false);
    }
    changed = true;
}

void KySelectTableCtrl::slot_singleTableItemClicked(QTableWidgetItem* item)
{
    if (!item || !table)
        return;
    const int row = item->row();
    if (rowFlag(row) == 0) {
        if (chosenRow >= 0)
            markRow(chosenRow, false);
        chosenRow = row;
        markRow(row, true);
    } else {
        table->clearSelection();
        markRow(row, false);
        chosenRow = -1;
    }
}
