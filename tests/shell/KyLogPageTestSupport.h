#pragma once

// Shared pieces of the log-page tests: table texts, stand-in log rows and the
// log-server parameter that chooses a page's road.

#include <string>
#include <vector>

#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "KyDbpRows.h"
#include "KySettingsTestSupport.h"
#include "KyTestServer.h"

inline QString cellText(QWidget* page, int row, int col)
{
    auto* t = page->findChild<QTableWidget*>(QStringLiteral("fTableWidget"));
    QTableWidgetItem* item = t ? t->item(row, col) : nullptr;
    return item ? item->text() : QStringLiteral("<none>");
}

inline int rowCount(QWidget* page)
{
    return page->findChild<QTableWidget*>(QStringLiteral("fTableWidget"))->rowCount();
}

inline QString labelText(QWidget* page, const char* name)
{
    return page->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

inline QPushButton* button(QWidget* page, const char* name)
{
    return page->findChild<QPushButton*>(QString::fromLatin1(name));
}

inline QString dateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
}

// "Talk_Log_Server" of the stand-in server: a value with a port selects the
// direct road, none the service road.
inline void setLogServer(KyTestServer& server, const std::string* value)
{
    setParameterRow(server, "Talk_Log_Server", value);
}

// n user-log rows with ids 1..n for the stand-in server.
inline std::vector<KyRow> userRows(int n)
{
    std::vector<KyRow> rows;
    for (int i = 1; i <= n; ++i) {
        KyRow r;
        r.add("id", std::to_string(i));
        r.add("name", "操作员" + std::to_string(i));
        r.add("ip", "10.0.0." + std::to_string(i % 250));
        r.add("time", std::to_string(1600000000 + i));
        r.add("content", "登录 " + std::to_string(i));
        rows.push_back(r);
    }
    return rows;
}
