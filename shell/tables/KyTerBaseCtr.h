#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <map>

#include "KyBaseLevelCtr.h"
#include "KyTableUtil.h"

class KyColumnFit;
class KyRowIndex;
class KyRowUpdates;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// Row-controller base of the list pages: rows found, redrawn and removed by
// the record id in column 0; level type 5 (terminal management).
class KyTerBaseCtr : public KyBaseLevelCtr {
public:
    int getLevel(KyLevelList* list, KyLevel& out) override;
    virtual void setGeometry(const QRect& rect);
    virtual QWidget* widget() = 0;
    virtual QTableWidget* table() = 0;
    virtual void updateRow(int row, int id);

    // Through the table's row index: logarithmic.
    int findRowById(int id);
    int removeRowById(int id);
    int refreshRowById(int id);
    void setupTable();
    QTableWidgetItem* setIdItem(const std::string& text, int column, int data);
    QTableWidgetItem* setCellItem(const std::string& text, int row, int column, int data);
    QTableWidgetItem* setCellText(const QString& text, int row, int column, int data);
    int cellInt(int row, int column);
    int clearTable();
    int removeRow(int row);
    void setItemTextAndId(QTableWidgetItem* item, const std::string& text, int data);
    // text(code), made once per code, so that the rows share their texts.
    static const QString& cachedText(std::map<int, QString>& texts, int code, QString (*text)(int));
    static bool isOffline(int state);
    static bool isPrimaryId(int id);
    // Ids of the selected rows (their column-0 items), last selected first;
    // taken before any row is removed, so no item is read after its row went.
    QList<int> selectedIds();
    // selectedIds() once the operator confirmed "Delete current record?"; empty otherwise.
    QList<int> confirmedSelectedIds();
    // The column-0 id of the current row; -1 without one.
    int currentId();
    // Texts of the row's cells from firstColumn on, user-role data 0: new items,
    // so that a change never searches the table for its item.
    void setRowTexts(int row, int firstColumn, const QStringList& texts);
    // A bulk fill: beginFill empties the table and gives it count rows with the
    // model quiet; the rows are written with the cell setters; endFill tells
    // the view, the row index and the column fitter once.
    void beginFill(int count);
    void endFill();
    // A bulk fill that leaves the list's last record on top, as adding each
    // record on top would: write(row, record) writes a row's cells.
    template <class List, class Write>
    void fillTopDown(const List& list, Write write)
    {
        beginFill(int(list.size()));
        int row = int(list.size());
        for (const auto& record : list)
            write(--row, record);
        endFill();
    }
    // Puts a made item into the table (noted by the column fitter in a bulk fill).
    void placeItem(int row, int column, QTableWidgetItem* item);

    // Shared body of the pages' delete-row slots.
    void slot_delRowById(int id);

    // A pushed change of the record: applied from the event loop, together
    // with the other changes of a burst, through applyRowChange.
    void postRowChange(int id);
    // Default: the row redrawn when the table has it.
    virtual void applyRowChange(int id);

protected:
    KyTableUtil m_tableUtil;

private:
    QTableWidgetItem* placeCell(const QString& text, int row, int column, const QVariant& data);
    // Notes a cell of a bulk fill for the column fitter and the row index.
    void noteFilled(int row, int column, const QString& text, const QTableWidgetItem* item);

    KyRowUpdates* m_updates = nullptr;
    KyColumnFit* m_fill = nullptr;   // set during a bulk fill
    KyRowIndex* m_fillIndex = nullptr;
};
