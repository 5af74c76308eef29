#pragma once

#include <string>
#include <vector>

// A fetched result table, read as value(row, column).
class KyMySqlResult {
public:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columns; }
    // The cell's text; "" for NULL and for a cell outside the table.
    const std::string& value(int row, int column) const;
    bool isNull(int row, int column) const;

    void clear();
    void setColumnCount(int columns);
    // One row of columnCount() cells; a null pointer is a NULL cell.
    void appendRow(const char* const* cells, const unsigned long* lengths);

private:
    struct Cell {
        std::string text;
        bool null = false;
    };
    const Cell* cell(int row, int column) const;

    int m_columns = 0;
    std::vector<std::vector<Cell>> m_rows;
};
