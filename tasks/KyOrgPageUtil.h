#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

class QTableWidget;

// Shared row work of the mic-group and region pages and their editors.

// Save operations of the group and region list managers.
enum { KY_OP_ADD = 4, KY_OP_MODIFY = 5, KY_OP_DELETE = 6 };

// BaseMessageDialog titled "Tips" with one confirm button, run modal.
void kyShowTips(const QString& text);
// Id for a new group or region: the largest cached id plus a step of 1..10.
int kyNextOrgId(int maxId);
// With rows selected, asks once, then calls deleteOne for each selected id
// from the last selected; each non-zero answer shows failedText and the walk goes on.
void kyDeleteSelectedRows(QTableWidget* table, const std::function<int(int id)>& deleteOne, const QString& failedText);
// Inserts a row at the top: column 0 the text with the id as data.
void kyInsertMemberRow(QTableWidget* table, const QString& name, int id);

// Checkable member tables of the editors: column 0 holds the check state,
// the id as data and the name; the other cells are plain texts.
void kyAppendCheckRow(QTableWidget* table, const QStringList& cells, int id, bool checked);
void kySetAllChecked(QTableWidget* table, Qt::CheckState state);
// Id and column-0 text of every checked row, top to bottom.
std::vector<std::pair<int, QString>> kyCheckedRows(QTableWidget* table);
