#pragma once

#include <QFont>
#include <QObject>
#include <array>
#include <vector>

class QModelIndex;
class QTableWidget;

// Keeps a table's columns wide enough for their widest text, up to kMaxWidth.
// A changed cell is looked at alone; a change of many rows (a fill) estimates
// every text from per-character advances and measures only the widest few.
// Only visible interactive columns other than the stretched last one are
// widened; a column never narrows.
class KyColumnFit : public QObject {
    Q_OBJECT
public:
    static const int kMaxWidth = 360;

    // The table's fitter, made on first use (a child of the table).
    static KyColumnFit* of(QTableWidget* table);

    // A bulk fill: its texts are noted as they are written, the model's
    // signals passed over, and endBulk measures the widest noted ones.
    void beginBulk();
    void note(int row, int column, const QString& text);
    void endBulk();

private:
    explicit KyColumnFit(QTableWidget* table);
    void changed(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);
    void fitCell(int row, int column);
    void fitRows(int firstRow, int lastRow, int column);
    // Keeps the kMeasured widest estimates of a column.
    static void keepWidest(std::vector<std::pair<qreal, int>>& widest, qreal estimated, int row);
    void widenToWidest(int column, const std::vector<std::pair<qreal, int>>& widest);
    bool widens(int column) const;
    qreal estimate(const QString& text);
    // Width the cell's text needs, learning the column's padding.
    int measure(int row, int column, qreal estimated);
    void widen(int column, int width);
    QString textAt(int row, int column) const;

    QTableWidget* m_table;
    QFont m_font;
    std::array<qreal, 128> m_ascii{};
    qreal m_wide = 0;
    // Measured width minus estimate, the most seen per column; -1 before the first.
    std::vector<qreal> m_padding;
    bool m_bulk = false;
    std::vector<char> m_bulkColumns;   // the columns a bulk fill widens
    std::vector<std::vector<std::pair<qreal, int>>> m_bulkWidest;
};
