#pragma once

#include <QString>
#include <QVariant>

class QTableWidget;
class QTableWidgetItem;

// A table reference with the small row and cell operations of the list editors.
class KyTableRef {
public:
    explicit KyTableRef(QTableWidget* table = nullptr) : m_table(table) {}

    QTableWidget* table() const { return m_table; }

    void appendRow();
    void clearRows();
    int currentRow() const;
    QTableWidgetItem* item(int row, int column) const;
    QVariant data(int row, int column) const;
    QString text(int row, int column) const;
    void setItem(int row, int column, QTableWidgetItem* item);
    void setText(int row, int column, const QString& text);
    void removeRow(int row);
    void setData(int row, int column, const QVariant& value);
    void selectRow(int row);

private:
    QTableWidget* m_table;
    [[maybe_unused]] int m_reserved = 0;   // kept as 0
};
