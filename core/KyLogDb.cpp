#include "KyLogDb.h"

#include <cstdio>
#include <cstdlib>

#include "KyDbAccount.h"
#include "KyMySqlConnection.h"
#include "KySettings.h"

namespace {

int toInt(const std::string& text)
{
    return static_cast<int>(strtol(text.c_str(), nullptr, 10));
}

int countRows(const char* sql)
{
    KyMySqlResult result;
    if (!KyMySqlConnection::instance()->query(sql, &result) || result.rowCount() < 1)
        return -1;
    return toInt(result.value(0, 0));
}

template <typename MapRow>
int queryPage(const char* format, std::vector<KyLogEntry>& rows, int start, int count, MapRow mapRow)
{
    rows.clear();
    char sql[256];
    snprintf(sql, sizeof sql, format, start, count);
    KyMySqlResult result;
    if (!KyMySqlConnection::instance()->query(sql, &result))
        return -1;
    rows.reserve(result.rowCount());
    for (int r = 0; r < result.rowCount(); ++r) {
        KyLogEntry entry;
        mapRow(result, r, entry);
        rows.push_back(std::move(entry));
    }
    return 0;
}

}  // namespace

int openLogDatabase(std::string host)
{
    const bool ok = KyMySqlConnection::instance()->connect(host, kyMySqlPort(), KY_DB_USER, KY_DB_PASSWORD,
                                                           "talkbacklog");
    return ok ? 0 : -1;
}

int dbCountTalkLog()
{
    return countRows("select count(*) from talklog_bak;");
}

int dbCountTerminalLog()
{
    return countRows("select count(*) from terminallog;");
}

int dbCountUserLog()
{
    return countRows("select count(*) from userlog;");
}

namespace {

void talkRow(const KyMySqlResult& res, int r, KyLogEntry& e)
{
    e.id = toInt(res.value(r, 0));
    e.time = res.value(r, 1);
    e.endTime = res.value(r, 2);
    e.callerId = toInt(res.value(r, 3));
    e.calledId = toInt(res.value(r, 4));
    e.callerName = res.value(r, 5);
    e.calledName = res.value(r, 6);
    e.type = res.value(r, 7);
    e.content = res.value(r, 8);
    e.recordFile = res.value(r, 9);
}

void terminalRow(const KyMySqlResult& res, int r, KyLogEntry& e)
{
    e.id = toInt(res.value(r, 0));
    e.time = res.value(r, 1);
    e.terminalId = toInt(res.value(r, 2));
    e.name = res.value(r, 3);
    e.type = res.value(r, 4);
    e.ip = res.value(r, 5);
    e.content = res.value(r, 6);
}

void userRow(const KyMySqlResult& res, int r, KyLogEntry& e)
{
    e.id = toInt(res.value(r, 0));
    e.name = res.value(r, 1);
    e.ip = res.value(r, 2);
    e.time = res.value(r, 3);
    e.content = res.value(r, 4);
}

const char kTalkColumns[] =
    "select id,begin_time,end_time,callerId,calledId,callerName,calledName,type,source_name,recordfile from talklog_bak ";
const char kTerminalColumns[] = "select id,date,terminalId,name,type,ip,action from terminallog ";

}  // namespace

int dbQueryTalkLogPage(std::vector<KyLogEntry>& rows, int start, int count)
{
    return queryPage((std::string(kTalkColumns) + "order by id desc limit %d, %d;").c_str(), rows, start, count,
                     talkRow);
}

int dbQueryTerminalLogPage(std::vector<KyLogEntry>& rows, int start, int count)
{
    return queryPage((std::string(kTerminalColumns) + "order by id desc limit %d, %d;").c_str(), rows, start,
                     count, terminalRow);
}

int dbQueryUserLogPage(std::vector<KyLogEntry>& rows, int start, int count)
{
    return queryPage("select * from userlog order by id desc limit %d, %d", rows, start, count, userRow);
}

int dbQueryTalkLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count)
{
    return queryPage((std::string(kTalkColumns) + "where id <= %d order by id desc limit %d;").c_str(), rows, maxId,
                     count, talkRow);
}

int dbQueryTerminalLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count)
{
    return queryPage((std::string(kTerminalColumns) + "where id <= %d order by id desc limit %d;").c_str(), rows,
                     maxId, count, terminalRow);
}

int dbQueryUserLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count)
{
    return queryPage("select * from userlog where id <= %d order by id desc limit %d", rows, maxId, count, userRow);
}
