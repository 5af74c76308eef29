#include "KyRowIndex.h"

#include <QTableWidget>
#include <algorithm>

namespace {
const int kNoId = -1;
// Changes of more rows than this rebuild the index instead.
const int kFewRows = 64;
}  // namespace

KyRowIndex* KyRowIndex::of(QTableWidget* table)
{
    if (auto* index = table->findChild<KyRowIndex*>(QString(), Qt::FindDirectChildrenOnly))
        return index;
    return new KyRowIndex(table);
}

KyRowIndex::KyRowIndex(QTableWidget* table) : QObject(table), m_table(table)
{
    QAbstractItemModel* model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsInserted(first, last); });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { rowsRemoved(first, last); });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& tl, const QModelIndex& br) { idsChanged(tl, br); });
    auto stale = [this] { m_stale = true; };
    connect(model, &QAbstractItemModel::modelReset, this, stale);
    connect(model, &QAbstractItemModel::layoutChanged, this, stale);
    connect(model, &QAbstractItemModel::rowsMoved, this, stale);
    connect(model, &QAbstractItemModel::columnsRemoved, this, stale);
    connect(model, &QAbstractItemModel::columnsInserted, this, stale);
}

int KyRowIndex::rowOf(int id)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_stale)
            rebuild();
        const auto found = m_slotOfId.find(id);
        if (found == m_slotOfId.end())
            return -1;
        const int row = liveBefore(found->second);
        if (idAt(row) == id)
            return row;
        m_stale = true;   // out of step: a change the model did not signal
    }
    return -1;
}

void KyRowIndex::beginBulk(int rows)
{
    m_bulkIds.assign(rows, kNoId);
}

void KyRowIndex::note(int row, int id)
{
    if (row >= 0 && row < int(m_bulkIds.size()))
        m_bulkIds[row] = id;
}

void KyRowIndex::endBulk()
{
    if (int(m_bulkIds.size()) == m_table->rowCount())
        build(m_bulkIds);
    else
        m_stale = true;
    std::vector<int>().swap(m_bulkIds);
}

void KyRowIndex::rowsInserted(int first, int last)
{
    if (m_stale)
        return;
    // Free slots between the rows the new ones go between: on top next to
    // the row below, elsewhere next to the row above.
    const int count = last - first + 1;
    const int cap = int(m_idOfSlot.size());
    const int live = liveBefore(cap);
    const int above = first > 0 ? slotOfRow(first - 1) : -1;
    const int below = first < live ? slotOfRow(first) : cap;
    if (first > live || below - above - 1 < count) {
        m_stale = true;
        return;
    }
    const int from = first == 0 ? below - count : above + 1;
    for (int slot = from; slot < from + count; ++slot) {
        m_idOfSlot[slot] = kNoId;
        add(slot, 1);
    }
}

void KyRowIndex::rowsRemoved(int first, int last)
{
    if (m_stale || last - first + 1 > kFewRows) {
        m_stale = true;
        return;
    }
    for (int row = last; row >= first; --row) {
        const int slot = slotOfRow(row);
        if (slot >= int(m_idOfSlot.size())) {
            m_stale = true;
            return;
        }
        forget(slot);
        add(slot, -1);
    }
}

void KyRowIndex::idsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (m_stale || topLeft.column() > 0)
        return;
    if (bottomRight.row() - topLeft.row() + 1 > kFewRows) {
        m_stale = true;
        return;
    }
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int slot = slotOfRow(row);
        if (slot >= int(m_idOfSlot.size())) {
            m_stale = true;
            return;
        }
        forget(slot);
        remember(slot, idAt(row));
    }
}

void KyRowIndex::rebuild()
{
    std::vector<int> ids(m_table->rowCount());
    for (int row = 0; row < int(ids.size()); ++row)
        ids[row] = idAt(row);
    build(ids);
}

void KyRowIndex::build(const std::vector<int>& ids)
{
    // Room on both sides, for rows added on top and at the bottom, and a
    // free slot after each row, for a row inserted or moved there.
    const int rows = int(ids.size());
    const int room = std::max(kFewRows, rows / 2);
    const int cap = 2 * rows + 2 * room;
    m_idOfSlot.assign(cap, kNoId);
    m_slotOfId.clear();
    m_slotOfId.reserve(rows);
    m_duplicates = false;
    m_tree.assign(cap + 1, 0);
    for (int row = 0; row < rows; ++row) {
        remember(room + 2 * row, ids[row]);
        m_tree[room + 2 * row + 1] = 1;
    }
    for (int i = 1; i <= cap; ++i) {   // prefix sums in linear time
        const int parent = i + (i & -i);
        if (parent <= cap)
            m_tree[parent] += m_tree[i];
    }
    m_stale = false;
}

void KyRowIndex::remember(int slot, int id)
{
    m_idOfSlot[slot] = id;
    if (id == kNoId)
        return;
    // Of rows with one id, the upper one (the lower slot) is found.
    const auto inserted = m_slotOfId.emplace(id, slot);
    if (inserted.second)
        return;
    m_duplicates = true;
    inserted.first->second = std::min(inserted.first->second, slot);
}

void KyRowIndex::forget(int slot)
{
    const auto found = m_slotOfId.find(m_idOfSlot[slot]);
    m_idOfSlot[slot] = kNoId;
    if (found == m_slotOfId.end() || found->second != slot)
        return;
    m_slotOfId.erase(found);
    if (m_duplicates)   // another row may hold the id
        m_stale = true;
}

int KyRowIndex::idAt(int row) const
{
    QTableWidgetItem* item = m_table->item(row, 0);
    const QVariant id = item ? item->data(Qt::UserRole) : QVariant();
    return id.isValid() ? id.toInt() : kNoId;
}

void KyRowIndex::add(int slot, int delta)
{
    const int cap = int(m_idOfSlot.size());
    for (int i = slot + 1; i <= cap; i += i & -i)
        m_tree[i] += delta;
}

int KyRowIndex::liveBefore(int slot) const
{
    int count = 0;
    for (int i = slot; i > 0; i -= i & -i)
        count += m_tree[i];
    return count;
}

int KyRowIndex::slotOfRow(int row) const
{
    // The (row + 1)-th used slot, found by descending the tree.
    const int cap = int(m_idOfSlot.size());
    int step = 1;
    while (step * 2 <= cap)
        step *= 2;
    int pos = 0;
    int left = row + 1;
    for (; step > 0; step /= 2) {
        if (pos + step <= cap && m_tree[pos + step] < left) {
            pos += step;
            left -= m_tree[pos];
        }
    }
    return pos;
}
