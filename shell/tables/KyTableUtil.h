#pragma once

#include <QColor>
#include <Qt>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QTableWidget;
class QTableWidgetItem;

// Stateless table helpers. Every row carries its record id as an int in data
// role 256 (Qt::UserRole) of its column-0 item; 8-bit texts are local-codec text.
class KyTableUtil {
public:
    static void setupTableWidget(QTableWidget* table);
    static QTableWidgetItem* setTableItem(QTableWidget* table, const std::string& text, int row, int column, int data);
    static QTableWidgetItem* setTableItemU64(QTableWidget* table, const QString& text, int row, int column,
                                             uint64_t data);
    // A selectable, checkable item with the id in the user role, made from a
    // pattern that has every role already (few allocations in a large fill).
    static QTableWidgetItem* checkableItem(const QString& text, Qt::CheckState state, int id);
    static int tableItemIntData(QTableWidget* table, int row, int column);
    static void swapTableRows(QTableWidget* table, int rowA, int rowB, int columnCount);
    static int clearTableWidget(QTableWidget* table);
    static int removeTableRow(QTableWidget* table, int row);
    static void setItemTextLocal(QTableWidgetItem* item, const std::string& text, int data);
    // Colours every cell of the row that has an item; returns the column count.
    static int setRowBackground(QTableWidget* table, int row, const QColor& colour);
    static void setSelectedCellsInColumn(QTableWidget* table, int column, const std::string& text, int data);
    static QColor pickColor(int a, int b, const QColor& ifEqual, const QColor& otherwise);
    static void setItemAlignColor(QTableWidgetItem* item, int alignment, const QColor& colour);
    static void splitToInts(const std::string& text, std::vector<int>& out, const std::string& separator);
    static void splitToStrings(const std::string& text, std::vector<std::string>& out,
                               const std::string& separator);
};

// Free forms used by the screens.
void setupTableWidget(QTableWidget* table);
int setRowBackground(QTableWidget* table, int row, const QColor& colour);
void swapTableRows(QTableWidget* table, int rowA, int rowB, int columnCount);
