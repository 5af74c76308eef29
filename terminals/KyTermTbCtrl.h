#pragma once

#include <QString>
#include <list>

#include "KyTerBaseCtr.h"
#include "KyTerTableWidgetStr.h"

struct KyTerminal;

// Table controller of the play-terminal tables: fills a table from the
// play-terminal list in ascending id order through addTerminalRow, and writes
// the volume and power cells at the columns set by setVolumeColumn/setAmpColumn.
class KyTermTbCtrl : public KyTerBaseCtr {
public:
    virtual void initColumns() = 0;
    // Adds a row for the record (a copy); -1 for a null record.
    virtual int addTerminalRow(KyTerminal* term) = 0;

    // Refills the table; a list never loaded leaves it as it is.
    void showTerminals();
    // Rows for the records of the emptied table, in list order (ascending ids):
    // addTerminalRow on a copy of each unless a page fills in bulk.
    virtual void fillTerminals(const std::list<KyTerminal>& list);
    static QString ampOnText(int state) { return KyTerTableWidgetStr::powerText(state); }
    void setIntCell(int row, int column, int value);
    void setVolumeCell(int row, int value);
    void setAmpCell(int row, int state);

protected:
    int m_volumeColumn = 3;
    int m_ampColumn = 5;
    KyTerTableWidgetStr m_strings;
};
