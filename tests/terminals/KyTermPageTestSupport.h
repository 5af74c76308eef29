#pragma once

// Shared helpers of the terminal page tests.

#include <QTableWidget>
#include <QTextCodec>
#include <initializer_list>

#include "KyTestServer.h"

// The JSON body of the last request of that packet type the server received; null when none came.
inline Json::Value kyLastBody(KyTestServer& server, const char* packetType)
{
    Json::Value v;
    const auto all = server.received(packetType);
    if (!all.empty())
        all.back().json(v);
    return v;
}

// Clears the selection and selects the rows whose column-0 id is one of ids.
inline void kySelectIds(QTableWidget* t, std::initializer_list<int> ids)
{
    t->clearSelection();
    for (int r = 0; r < t->rowCount(); ++r) {
        for (int id : ids) {
            if (t->item(r, 0)->data(Qt::UserRole).toInt() == id)
                t->setCurrentCell(r, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

// Local 8-bit text is UTF-8, as start-up sets it.
inline void kyUseUtf8Locale()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}
