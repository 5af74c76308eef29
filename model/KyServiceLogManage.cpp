#include "KyServiceLogManage.h"

#include <cstdio>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyModelUtil.h"

namespace {
struct LogQuery {
    const char* subtype;
    const char* sql;   // %d: first row of the page
};

const LogQuery kQueries[KyServiceLogManage::KIND_COUNT] = {
    {"UserLogCount", "select count(*) from userlog;"},
    {"UserLog", "select * from userlog order by id DESC limit %d, 100 "},
    {"TalkLogCount", "select count(*) from talklog;"},
    {"TalkLog", "select * from talklog order by id DESC limit %d, 100"},
    {"TermLogCount", "select count(*) from terminallog;"},
    {"TermLog", "select * from terminallog order by id DESC limit %d, 100"},
    {"RecordCount", "select count(*) from talklog;"},
    {"Record", "select * from talklog order by id DESC limit %d, 100"},
};

KyLogEntry talkEntry(const KyRow& row)
{
    KyLogEntry e;
    e.id = row.toInt("id");
    e.time = row.text("begin_time");
    e.endTime = row.text("end_time");
    e.callerId = row.toInt("callerId");
    e.calledId = row.toInt("calledId");
    e.callerName = row.text("callerName");
    e.calledName = row.text("calledName");
    e.type = row.text("type");
    e.content = row.text("source_name");
    e.recordFile = row.text("recordfile");
    return e;
}

KyLogEntry terminalEntry(const KyRow& row)
{
    KyLogEntry e;
    e.id = row.toInt("id");
    e.time = row.text("date");
    e.terminalId = row.toInt("terminalId");
    e.name = row.text("name");
    e.type = row.text("type");
    e.ip = row.text("ip");
    e.content = row.text("action");
    return e;
}

KyLogEntry userEntry(const KyRow& row)
{
    KyLogEntry e;
    e.id = kyToInt(row.at(0));
    e.name = row.at(1);
    e.ip = row.at(2);
    e.time = row.at(3);
    e.content = row.at(4);
    return e;
}
}

KyServiceLogManage::KyServiceLogManage() : KyBaseMgr("KyServiceLogManage")
{
    addReplyTypes(RT_FIRST, RT_FIRST + KIND_COUNT - 1);
}

KyServiceLogManage* KyServiceLogManage::instance()
{
    static KyServiceLogManage mgr;
    return &mgr;
}

bool KyServiceLogManage::logRequest(int kind, int start, KyCommandRequest& out)
{
    if (kind < 0 || kind >= KIND_COUNT)
        return false;
    char sql[128];
    std::snprintf(sql, sizeof sql, kQueries[kind].sql, start);
    out = KyCommandRequest::sqlQuery(kQueries[kind].subtype, sql, "SqlLog");
    return true;
}

KyLogEntry KyServiceLogManage::entryFromRow(int kind, const KyRow& row)
{
    if (kind <= 1)
        return userEntry(row);
    if (kind == 4 || kind == 5)
        return terminalEntry(row);
    return talkEntry(row);
}

void KyServiceLogManage::onReply(int requestType, const KyDbpMessage& msg)
{
    const int kind = requestType - RT_FIRST;
    std::vector<KyRow> rows;
    if (kind < 0 || kind >= KIND_COUNT || !kyParseRowsLogged(name(), msg.body, rows))
        return;
    if (isCountKind(kind)) {
        const int count = rows.empty() ? -1 : kyToInt(rows.front().at(0), -1);
        if (count < 0)
            std::fprintf(stderr, "%s: count reply without a count dropped\n", name().c_str());
        else
            Report::extra(*this, kind, count);
        return;
    }
    std::vector<KyLogEntry> page;
    page.reserve(rows.size());
    for (const KyRow& row : rows)
        page.push_back(entryFromRow(kind, row));
    Report::list(*this, kind, page);
}
