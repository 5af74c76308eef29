#include "KyOrgPageUtil.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

namespace {

// Asks "Delete current record?"; true when confirmed.
bool kyConfirmDelete()
{
    BaseMessageDialog msg(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1);
    return msg.exec() == 1;
}

// Ids of the selected rows (column-0 items only), from the last selected item to the first.
std::vector<int> kySelectedIdsFromLast(QTableWidget* table)
{
    std::vector<int> ids;
    const QList<QTableWidgetItem*> selected = table->selectedItems();
    for (int i = selected.size() - 1; i >= 0; --i) {
        if (selected[i]->column() == 0)
            ids.push_back(selected[i]->data(Qt::UserRole).toInt());
    }
    return ids;
}

}  // namespace

void kyShowTips(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

int kyNextOrgId(int maxId)
{
    const int step = randomIndex();
    return maxId + (step == 0 ? 1 : step);
}

void kyDeleteSelectedRows(QTableWidget* table, const std::function<int(int id)>& deleteOne, const QString& failedText)
{
    const std::vector<int> ids = kySelectedIdsFromLast(table);
    if (ids.empty() || !kyConfirmDelete())
        return;
    for (int id : ids) {
        if (deleteOne(id) != 0)
            kyShowTips(failedText);
    }
}

void kyInsertMemberRow(QTableWidget* table, const QString& name, int id)
{
    table->insertRow(0);
    auto* item = new QTableWidgetItem(name);
    item->setData(Qt::UserRole, id);
    table->setItem(0, 0, item);
}

void kyAppendCheckRow(QTableWidget* table, const QStringList& cells, int id, bool checked)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c == 0) {
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
            item->setData(Qt::UserRole, id);
        }
        table->setItem(row, c, item);
    }
}

void kySetAllChecked(QTableWidget* table, Qt::CheckState state)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem* item = table->item(row, 0))
            item->setCheckState(state);
    }
}

std::vector<std::pair<int, QString>> kyCheckedRows(QTableWidget* table)
{
    std::vector<std::pair<int, QString>> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QTableWidgetItem* item = table->item(row, 0);
        if (item && item->checkState() == Qt::Checked)
            rows.emplace_back(item->data(Qt::UserRole).toInt(), item->text());
    }
    return rows;
}
