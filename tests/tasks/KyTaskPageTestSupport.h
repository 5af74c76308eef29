#pragma once

// Shared pieces of the task and scheme page tests: pages whose task editor
// is scripted, table readers and row clicks.

#include <functional>
#include <string>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "../model/KyOrgTestSupport.h"
#include "KySsTask.h"
#include "KyTestWidgets.h"

// A task page whose editor is a function: it edits the record and says
// whether OK was pressed.
template <class Page>
class KyScriptedPage : public Page {
public:
    using Page::Page;
    std::function<bool(KySsTask&)> editor;
    int editorRuns = 0;

protected:
    bool runEditor(KySsTask& task) override
    {
        ++editorRuns;
        return editor ? editor(task) : false;
    }
};

inline QStringList kyColumnTexts(QTableWidget* t, int column)
{
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << (t->item(r, column) ? t->item(r, column)->text() : QString());
    return out;
}

inline QList<int> kyRowIds(QTableWidget* t)
{
    QList<int> out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << (t->item(r, 0) ? t->item(r, 0)->data(Qt::UserRole).toInt() : -1);
    return out;
}

inline int kyRowOf(QTableWidget* t, int id)
{
    return kyRowIds(t).indexOf(id);
}

inline QPoint kyCellPoint(QTableWidget* t, int row, int column = 0)
{
    return t->visualItemRect(t->item(row, column)).center();
}

inline void kyClickRow(QTableWidget* t, int row, int column = 0)
{
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, kyCellPoint(t, row, column));
}

// A double click lands only on the row its press chose.
inline void kyDoubleClickRow(QTableWidget* t, int row, int column = 0)
{
    kyClickRow(t, row, column);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, kyCellPoint(t, row, column));
}

// Bodies of the console's requests of a Packet-Type, from index `from` on.
inline std::vector<Json::Value> kyBodiesSince(const KyOrgEnv& env, const std::string& type, size_t from)
{
    std::vector<Json::Value> out;
    size_t n = 0;
    for (const auto& r : env.server().received(type)) {
        if (r.connection != KyOrgEnv::consoleConnection())
            continue;
        if (n++ < from)
            continue;
        Json::Value body;
        r.json(body);
        out.push_back(body);
    }
    return out;
}
