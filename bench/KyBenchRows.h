#pragma once
// Terminal stores loaded from rows like a fixture's, as the server's list reply brings them.
#include <QCoreApplication>
#include <string>
#include <vector>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyTermBaseManage.h"

inline void kySetRowField(KyRow& row, const char* key, const std::string& value)
{
    for (auto& field : row.fields)
        if (field.first == key)
            field.second = value;
}

// Rows like `pattern`, with their own id, name and address.
inline std::vector<KyRow> kyRowsLike(const KyRow& pattern, int firstId, int count, int status)
{
    std::vector<KyRow> rows(count, pattern);
    for (int i = 0; i < count; ++i) {
        const int id = firstId + i;
        kySetRowField(rows[i], "terminalId", std::to_string(id));
        kySetRowField(rows[i], "name", pattern.text("name") + std::to_string(id));
        kySetRowField(rows[i], "ip", "10." + std::to_string(id / 65536 % 256) + "." + std::to_string(id / 256 % 256)
                                         + "." + std::to_string(id % 256));
        kySetRowField(rows[i], "status", std::to_string(status));
    }
    return rows;
}

inline std::string kyListBody(const KyRow& pattern, int firstId, int count, int status)
{
    return kyWriteRows(kyRowsLike(pattern, firstId, count, status));
}

// The manager's list (reply type listType) replaced by the rows.
inline void kyLoadRows(KyTermBaseManage* manage, int listType, const std::vector<KyRow>& rows)
{
    KyDbpMessage reply;
    reply.isReply = true;
    reply.statusCode = 200;
    reply.body = kyWriteRows(rows);
    manage->onReply(listType, reply);
    QCoreApplication::processEvents();
}

// The manager's list replaced by `count` rows like `pattern`.
inline void kyLoadList(KyTermBaseManage* manage, int listType, const KyRow& pattern, int firstId, int count)
{
    kyLoadRows(manage, listType, kyRowsLike(pattern, firstId, count, 1));
}
