#pragma once

#include <QObject>
#include <unordered_map>
#include <vector>

class QModelIndex;
class QTableWidget;

// Row of an id (the int in Qt::UserRole of the column-0 item) in logarithmic
// time. Follows the table's model: rows are slots of a Fenwick tree, spread
// with room between them, so that inserted, removed and moved rows and
// changed id cells keep it in step; anything else (a sort, a bulk change, a
// spot without room) marks it stale and the next look-up rebuilds it once.
class KyRowIndex : public QObject {
    Q_OBJECT
public:
    // The table's index, made on first use (a child of the table).
    static KyRowIndex* of(QTableWidget* table);

    // The row whose column-0 id is id; -1 when none.
    int rowOf(int id);

    // A bulk fill of rows rows: their ids are noted as they are written,
    // and endBulk builds the index from them, so that it is ready at once.
    void beginBulk(int rows);
    void note(int row, int id);
    void endBulk();

private:
    explicit KyRowIndex(QTableWidget* table);
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void idsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void rebuild();
    void build(const std::vector<int>& ids);
    int idAt(int row) const;
    void remember(int slot, int id);
    void forget(int slot);
    // Fenwick tree over the slots: 1 for a slot that holds a row.
    void add(int slot, int delta);
    int liveBefore(int slot) const;
    int slotOfRow(int row) const;

    QTableWidget* m_table;
    bool m_stale = true;
    bool m_duplicates = false;
    std::vector<int> m_tree;
    std::vector<int> m_idOfSlot;
    std::unordered_map<int, int> m_slotOfId;
    std::vector<int> m_bulkIds;   // the ids of a bulk fill, by row
};
