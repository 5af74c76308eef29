#pragma once

// Shared set-up of the mic-group and region page tests: the console under
// test and a second console (KyOrgEnv), and table helpers by record id.

#include <set>
#include <vector>

#include <QTableWidget>
#include <QTextCodec>
#include <QtTest>

#include "../model/KyOrgTestSupport.h"
#include "KyTestWidgets.h"

inline std::vector<int> columnIds(QTableWidget* t)
{
    std::vector<int> ids;
    for (int r = 0; r < t->rowCount(); ++r)
        ids.push_back(t->item(r, 0)->data(Qt::UserRole).toInt());
    return ids;
}

inline QStringList columnTexts(QTableWidget* t, int column = 0)
{
    QStringList texts;
    for (int r = 0; r < t->rowCount(); ++r)
        texts << t->item(r, column)->text();
    return texts;
}

// Makes the row current and clicks it as the operator does.
inline void clickRow(QTableWidget* t, int id)
{
    const int row = rowOfId(t, id);
    QVERIFY(row >= 0);
    t->scrollToItem(t->item(row, 0));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 0)).center());
    QCOMPARE(t->currentRow(), row);
}

inline void doubleClickRow(QTableWidget* t, int id)
{
    const int row = rowOfId(t, id);
    QVERIFY(row >= 0);
    const QPoint at = t->visualItemRect(t->item(row, 0)).center();
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, at);
}

// Selects the rows of these ids, adding each to the selection in this order.
inline void selectRows(QTableWidget* t, const std::vector<int>& ids)
{
    t->clearSelection();
    for (int id : ids)
        t->setRangeSelected(QTableWidgetSelectionRange(rowOfId(t, id), 0, rowOfId(t, id), t->columnCount() - 1), true);
}

// Checks exactly the rows of these ids.
inline void checkOnly(QTableWidget* t, const std::set<int>& ids)
{
    for (int r = 0; r < t->rowCount(); ++r)
        t->item(r, 0)->setCheckState(ids.count(t->item(r, 0)->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
}

inline std::vector<int> checkedIds(QTableWidget* t)
{
    std::vector<int> ids;
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->item(r, 0)->checkState() == Qt::Checked)
            ids.push_back(t->item(r, 0)->data(Qt::UserRole).toInt());
    }
    return ids;
}

// Ids of the delete requests the console under test sent, in order.
inline std::vector<int> sentDeleteIds(const KyOrgEnv& env, const std::string& packetType)
{
    std::vector<int> ids;
    for (const auto& r : env.server().received(packetType)) {
        Json::Value body;
        if (r.connection == KyOrgEnv::consoleConnection() && r.json(body) && body["Action"].asString() == "Del")
            ids.push_back(std::stoi(body["Id"].asString()));
    }
    return ids;
}
