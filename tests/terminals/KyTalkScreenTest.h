#pragma once

// Shared helpers of the mic02 and mic04 screen tests: fixture rows, widgets
// by name, rows by terminal id, and an edit run through the page.

#include <QtTest>

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "KyDbpRows.h"
#include "KyModalCatcher.h"
#include "KyTestWidgets.h"

inline KyRow kyRow(const std::vector<std::pair<const char*, std::string>>& fields)
{
    KyRow r;
    for (const auto& f : fields)
        r.add(f.first, f.second);
    return r;
}

// Runs the page's edit on the terminal's row: change() edits the open
// dialog, then OK is clicked from its own timer, so the catcher sees the
// messages that OK and the page open.
inline void editRow(QWidget* page, QTableWidget* table, KyModalCatcher& catcher, int id,
                    const std::function<void(QDialog*)>& change)
{
    table->setCurrentCell(rowOfId(table, id), 0);
    catcher.setHandler([change](QDialog* d) {
        change(d);
        QTimer::singleShot(0, d, [d] { child<QPushButton>(d, "fOkBtn")->click(); });
    });
    child<QPushButton>(page, "fEditBtn")->click();
}
