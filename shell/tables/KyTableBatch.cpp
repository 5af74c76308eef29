#include "KyTableBatch.h"

#include <QTableWidget>
#include <algorithm>

#include "KyColumnFit.h"

KyTableBatch::KyTableBatch(QTableWidget* table)
    : m_table(table), m_fit(KyColumnFit::of(table)), m_first(table->rowCount()), m_next(m_first)
{
    m_fit->beginBulk();
    m_table->model()->blockSignals(true);
}

KyTableBatch::~KyTableBatch()
{
    QAbstractItemModel* model = m_table->model();
    model->blockSignals(false);
    m_table->setRowCount(m_next);
    if (m_next > m_first)
        emit model->dataChanged(model->index(m_first, 0), model->index(m_next - 1, model->columnCount() - 1));
    m_fit->endBulk();
}

int KyTableBatch::appendRow()
{
    if (m_next == m_table->rowCount()) {   // room for as many again, told to the view
        QAbstractItemModel* model = m_table->model();
        model->blockSignals(false);
        m_table->setRowCount(std::max(16, 2 * m_next));
        model->blockSignals(true);
    }
    return m_next++;
}

void KyTableBatch::setItem(int row, int column, QTableWidgetItem* item)
{
    m_table->setItem(row, column, item);
    if (item)
        m_fit->note(row, column, item->text());
}
