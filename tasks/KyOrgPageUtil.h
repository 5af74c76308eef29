#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QTableWidget;

// Shared row work of the mic-group and region pages and their editors.

// BaseMessageDialog titled "Tips" with one confirm button, run modal.
void kyShowTips(const QString& text);
// Asks "Delete current record?"; true when confirmed.
bool kyConfirmDelete();
// Id for a new group or region: the largest cached id plus a step of 1..10.
int kyNextOrgId(int maxId);
// Ids of the selected rows (column-0 items only), from the last selected item to the first.
std::vector<int> kySelectedIdsFromLast(QTableWidget* table);
// Inserts a row at the top: column 0 the text with the id as data.
void kyInsertMemberRow(QTableWidget* table, const QString& name, int id);

// Checkable member tables of the editors: column 0 holds the check state,
// the id as data and the name; the other cells are plain texts.
void kyAppendCheckRow(QTableWidget* table, const QStringList& cells, int id, bool checked);
void kySetAllChecked(QTableWidget* table, Qt::CheckState state);
// Id and column-0 text of every checked row, top to bottom.
std::vector<std::pair<int, QString>> kyCheckedRows(QTableWidget* table);
