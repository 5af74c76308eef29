#pragma once

#include <QObject>
#include <memory>
#include <string>

class KyTableBatch;
class QCheckBox;
class QTableWidget;
class QTableWidgetItem;

// Turns a dialog's QTableWidget into a checkable pick list. The table items are
// the only store: column 0 holds the name, the check mark and the id (role 256);
// column 1 holds the chosen flag (role 256, 1 chosen). Multi-choice mode has a
// select-all box; single-choice mode keeps at most one row chosen.
// Layouts: 1 name/type, 2 name/"ID" showing the type, 3 name/id/type,
// 4 name/id with the id column hidden.
class KySelectTableCtrl : public QObject {
    Q_OBJECT
public:
    KySelectTableCtrl();

    void setTable(QTableWidget* table, QCheckBox* selectAllBox, int layout);
    void setSingleTable(QTableWidget* table, int layout);
    void initTable(int layout);
    void addRow(Qt::CheckState state, std::string name, int id, std::string typeText);

    // Rows added while a batch lives are written as one table batch
    // (KyTableBatch): a dialog may add thousands of terminals.
    class Batch {
    public:
        explicit Batch(KySelectTableCtrl& pick);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        KySelectTableCtrl& m_pick;
        std::unique_ptr<KyTableBatch> m_rows;
    };

    QTableWidget* table = nullptr;
    QCheckBox* selectAllBox = nullptr;
    bool allSelected = false;
    bool changed = false;
    int layout = 0;
    int chosenRow = -1;

public slots:
    void slot_checkBoxStateChanged(int state);
    void slot_tableItemClicked(QTableWidgetItem* item);
    void slot_singleTableItemClicked(QTableWidgetItem* item);

private:
    // The row a new entry goes to: appended, or the next of a batch.
    int nextRow();
    void setCell(int row, int column, QTableWidgetItem* item);
    int rowFlag(int row) const;
    void markRow(int row, bool chosen);

    KyTableBatch* m_batch = nullptr;   // while a batch lives
};
