#include "KyTerBaseCtr.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyCellItem.h"
#include "KyColumnFit.h"
#include "KyLevelList.h"
#include "KyRowIndex.h"
#include "KyRowUpdates.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

int KyTerBaseCtr::getLevel(KyLevelList* list, KyLevel& out)
{
    return list ? list->getTerminalLevel(out) : -1;
}

void KyTerBaseCtr::setGeometry(const QRect& rect)
{
    if (QWidget* w = widget())
        w->setGeometry(rect);
}

void KyTerBaseCtr::updateRow(int, int) {}

int KyTerBaseCtr::findRowById(int id)
{
    QTableWidget* t = table();
    return t ? KyRowIndex::of(t)->rowOf(id) : -1;
}

int KyTerBaseCtr::removeRowById(int id)
{
    const int row = findRowById(id);
    if (row < 0)
        return -1;
    table()->removeRow(row);
    return 0;
}

int KyTerBaseCtr::refreshRowById(int id)
{
    const int row = findRowById(id);
    if (row < 0)
        return -1;
    updateRow(row, id);
    return 0;
}

void KyTerBaseCtr::setupTable()
{
    m_tableUtil.setupTableWidget(table());
}

QTableWidgetItem* KyTerBaseCtr::setIdItem(const std::string& text, int column, int data)
{
    return m_tableUtil.setTableItem(table(), text, 0, column, data);
}

QTableWidgetItem* KyTerBaseCtr::setCellItem(const std::string& text, int row, int column, int data)
{
    return placeCell(localToQString(text), row, column, data);
}

QTableWidgetItem* KyTerBaseCtr::setCellText(const QString& text, int row, int column, int data)
{
    return placeCell(text, row, column, QVariant::fromValue<qulonglong>(static_cast<int64_t>(data)));
}

QTableWidgetItem* KyTerBaseCtr::placeCell(const QString& text, int row, int column, const QVariant& data)
{
    // No data reads as none, so a 0 is not stored.
    QTableWidgetItem* item = new KyCellItem(text, data.toLongLong() == 0 ? QVariant() : data);
    table()->setItem(row, column, item);
    if (m_fill)
        noteFilled(row, column, text, item);
    return item;
}

void KyTerBaseCtr::placeItem(int row, int column, QTableWidgetItem* item)
{
    table()->setItem(row, column, item);
    if (m_fill && item)
        noteFilled(row, column, item->text(), item);
}

void KyTerBaseCtr::noteFilled(int row, int column, const QString& text, const QTableWidgetItem* item)
{
    m_fill->note(row, column, text);
    if (column == 0) {
        const QVariant id = item->data(Qt::UserRole);
        m_fillIndex->note(row, id.isValid() ? id.toInt() : -1);
    }
}

int KyTerBaseCtr::cellInt(int row, int column)
{
    return m_tableUtil.tableItemIntData(table(), row, column);
}

int KyTerBaseCtr::clearTable()
{
    return m_tableUtil.clearTableWidget(table());
}

int KyTerBaseCtr::removeRow(int row)
{
    return m_tableUtil.removeTableRow(table(), row);
}

void KyTerBaseCtr::setItemTextAndId(QTableWidgetItem* item, const std::string& text, int data)
{
    m_tableUtil.setItemTextLocal(item, text, data);
}

const QString& KyTerBaseCtr::cachedText(std::map<int, QString>& texts, int code, QString (*text)(int))
{
    auto it = texts.find(code);
    if (it == texts.end())
        it = texts.emplace(code, text(code)).first;
    return it->second;
}

bool KyTerBaseCtr::isOffline(int state)
{
    return state == 0;
}

bool KyTerBaseCtr::isPrimaryId(int id)
{
    return (id / 10000) % 10000 == 0;
}

QList<int> KyTerBaseCtr::selectedIds()
{
    QList<int> ids;
    QTableWidget* t = table();
    const QList<QTableWidgetItem*> selected = t ? t->selectedItems() : QList<QTableWidgetItem*>();
    for (int i = selected.size() - 1; i >= 0; --i) {
        if (selected[i]->tableWidget() && selected[i]->column() == 0)
            ids << selected[i]->data(Qt::UserRole).toInt();
    }
    return ids;
}

QList<int> KyTerBaseCtr::confirmedSelectedIds()
{
    const QList<int> ids = selectedIds();
    if (ids.isEmpty() || BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1).exec() != 1)
        return QList<int>();
    return ids;
}

int KyTerBaseCtr::currentId()
{
    QTableWidget* t = table();
    return t ? cellInt(t->currentRow(), 0) : -1;
}

void KyTerBaseCtr::setRowTexts(int row, int firstColumn, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i)
        setCellText(texts[i], row, firstColumn + i, 0);
}

void KyTerBaseCtr::beginFill(int count)
{
    // The fill's own buffers first: a large allocation right after the old
    // rows were freed makes the allocator merge all their small blocks.
    QTableWidget* t = table();
    m_fill = KyColumnFit::of(t);
    m_fill->beginBulk();
    m_fillIndex = KyRowIndex::of(t);
    m_fillIndex->beginBulk(count);
    t->setRowCount(0);
    t->setRowCount(count);
    t->model()->blockSignals(true);
}

void KyTerBaseCtr::endFill()
{
    QAbstractItemModel* model = table()->model();
    model->blockSignals(false);
    const int rows = model->rowCount();
    if (rows > 0)
        emit model->dataChanged(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
    m_fill->endBulk();
    m_fill = nullptr;
    m_fillIndex->endBulk();   // after the change signal, which marks it stale
    m_fillIndex = nullptr;
}

void KyTerBaseCtr::slot_delRowById(int id)
{
    removeRowById(id);
}

void KyTerBaseCtr::postRowChange(int id)
{
    if (!m_updates)
        m_updates = new KyRowUpdates(table(), [this](int changed) { applyRowChange(changed); });
    m_updates->post(id);
}

void KyTerBaseCtr::applyRowChange(int id)
{
    refreshRowById(id);
}
