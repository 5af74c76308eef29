#pragma once

class KyColumnFit;
class QTableWidget;
class QTableWidgetItem;

// Rows appended to a table while a batch lives are written with the model
// quiet: room is made ahead (and told to the view), cells are noted for the
// column fitter, and the view and the fitter hear of the new rows once, when
// the batch ends and the room left over is taken away.
class KyTableBatch {
public:
    explicit KyTableBatch(QTableWidget* table);
    ~KyTableBatch();
    KyTableBatch(const KyTableBatch&) = delete;
    KyTableBatch& operator=(const KyTableBatch&) = delete;

    // The next row at the bottom.
    int appendRow();
    // Puts an item into a row of the batch.
    void setItem(int row, int column, QTableWidgetItem* item);

private:
    QTableWidget* m_table;
    KyColumnFit* m_fit;
    int m_first;   // first row of the batch
    int m_next;    // next row to write; rows from here on are room
};
