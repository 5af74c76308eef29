#pragma once

#include <list>

#include <QObject>

#include "KyDataViewCtrl.h"
#include "KyScheme.h"

class QTableWidget;

// Writes schemes into a three-column table (name with the id in column-0
// data, "启用"/"禁用", comment) and finds their rows by id.
class KySchemeViewCtrl : public QObject, public KyDataViewCtrl {
    Q_OBJECT
public:
    explicit KySchemeViewCtrl(QTableWidget* table);

    void setRowScheme(int row, const KyScheme& scheme);
    void appendScheme(const KyScheme& scheme);
    // Refills the row of the scheme's id; false when no row has it.
    bool updateScheme(const KyScheme& scheme);
    void removeScheme(int id);
    // Rebuilds the table in list order and adds row 0 to the selection.
    void showSchemes(const std::list<KyScheme>& schemes);
};
