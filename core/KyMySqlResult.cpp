#include "KyMySqlResult.h"

const KyMySqlResult::Cell* KyMySqlResult::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns)
        return nullptr;
    return &m_rows[row][column];
}

const std::string& KyMySqlResult::value(int row, int column) const
{
    static const std::string empty;
    const Cell* c = cell(row, column);
    return c ? c->text : empty;
}

bool KyMySqlResult::isNull(int row, int column) const
{
    const Cell* c = cell(row, column);
    return !c || c->null;
}

void KyMySqlResult::clear()
{
    m_columns = 0;
    m_rows.clear();
}

void KyMySqlResult::setColumnCount(int columns)
{
    m_columns = columns;
}

void KyMySqlResult::appendRow(const char* const* cells, const unsigned long* lengths)
{
    std::vector<Cell> row(m_columns);
    for (int i = 0; i < m_columns; ++i) {
        if (cells[i])
            row[i].text.assign(cells[i], lengths[i]);
        else
            row[i].null = true;
    }
    m_rows.push_back(std::move(row));
}
