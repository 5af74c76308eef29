#pragma once
// A table's fill against a bare QTableWidget fill of the same texts.
#include <QCoreApplication>
#include <QStringList>
#include <QTableWidget>
#include <vector>

inline void kyPaintNow(QWidget* w)
{
    QCoreApplication::processEvents();
    w->repaint();
}

// The table's texts, row by row.
inline std::vector<QStringList> kyTableTexts(QTableWidget* t)
{
    std::vector<QStringList> rows(t->rowCount());
    for (int r = 0; r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            rows[r] << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return rows;
}

// The same texts in a bare table with the table's columns (and hidden ones).
inline void kyBareFill(QTableWidget& bare, QTableWidget* table, const std::vector<QStringList>& texts)
{
    const int columns = table->columnCount();
    bare.setRowCount(0);
    bare.setColumnCount(columns);
    for (int c = 0; c < columns; ++c)
        bare.setColumnHidden(c, table->isColumnHidden(c));
    bare.setRowCount(int(texts.size()));
    for (int r = 0; r < int(texts.size()); ++r)
        for (int c = 0; c < columns; ++c)
            bare.setItem(r, c, new QTableWidgetItem(texts[r][c]));
}
