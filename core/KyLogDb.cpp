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

// One result row as the page queries see it.
struct Cells {
    const char* const* cells;
    const unsigned long* lengths;
    int columns;

    void text(int column, std::string& out) const
    {
        if (column < columns && cells[column])
            out.assign(cells[column], lengths[column]);
        else
            out.clear();
    }
    // As strtol reads the cell; plain decimals of up to 9 digits, the usual
    // ids, are read here without its overhead.
    int number(int column) const
    {
        if (column >= columns || !cells[column])
            return 0;
        const char* text = cells[column];
        const unsigned long length = lengths[column];
        if (length > 0 && length <= 9) {
            int value = 0;
            unsigned long i = 0;
            for (; i < length && static_cast<unsigned char>(text[i] - '0') <= 9; ++i)
                value = value * 10 + (text[i] - '0');
            if (i == length)
                return value;
        }
        return static_cast<int>(strtol(text, nullptr, 10));
    }
};

// Resets an entry for refilling; its texts keep their storage.
void resetEntry(KyLogEntry& e)
{
    e.id = e.terminalId = e.callerId = e.calledId = 0;
    for (std::string* text : {&e.name, &e.ip, &e.time, &e.endTime, &e.callerName, &e.calledName, &e.type,
                              &e.content, &e.recordFile})
        text->clear();
}

// Fills rows from the rows that run (a query taking a row visitor) hands
// over. Entries already in rows are refilled rather than rebuilt, so that a
// caller reading page after page into one vector allocates little.
template <typename MapRow, typename Run>
int fillRows(std::vector<KyLogEntry>& rows, MapRow mapRow, Run run)
{
    size_t used = 0;
    const bool ok = run([&](const char* const* cells, const unsigned long* lengths, int columns) {
        if (used == rows.size())
            rows.emplace_back();
        KyLogEntry& entry = rows[used++];
        resetEntry(entry);
        mapRow(Cells{cells, lengths, columns}, entry);
    });
    rows.resize(ok ? used : 0);
    return ok ? 0 : -1;
}

template <typename MapRow>
int queryPage(const char* format, std::vector<KyLogEntry>& rows, int start, int count, MapRow mapRow)
{
    char sql[256];
    snprintf(sql, sizeof sql, format, start, count);
    return fillRows(rows, mapRow, [&](const KyMySqlConnection::RowVisitor& onRow) {
        return KyMySqlConnection::instance()->query(sql, onRow);
    });
}

// Walking a whole log runs the same statement many times: it is prepared.
template <typename MapRow>
int queryUpTo(const char* select, std::vector<KyLogEntry>& rows, int maxId, int count, MapRow mapRow)
{
    const std::string sql = std::string(select) + "where id <= ? order by id desc limit " + std::to_string(count);
    return fillRows(rows, mapRow, [&](const KyMySqlConnection::RowVisitor& onRow) {
        return KyMySqlConnection::instance()->queryPrepared(sql, maxId, onRow);
    });
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

void talkRow(const Cells& c, KyLogEntry& e)
{
    e.id = c.number(0);
    c.text(1, e.time);
    c.text(2, e.endTime);
    e.callerId = c.number(3);
    e.calledId = c.number(4);
    c.text(5, e.callerName);
    c.text(6, e.calledName);
    c.text(7, e.type);
    c.text(8, e.content);
    c.text(9, e.recordFile);
}

void terminalRow(const Cells& c, KyLogEntry& e)
{
    e.id = c.number(0);
    c.text(1, e.time);
    e.terminalId = c.number(2);
    c.text(3, e.name);
    c.text(4, e.type);
    c.text(5, e.ip);
    c.text(6, e.content);
}

void userRow(const Cells& c, KyLogEntry& e)
{
    e.id = c.number(0);
    c.text(1, e.name);
    c.text(2, e.ip);
    c.text(3, e.time);
    c.text(4, e.content);
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
    return queryUpTo(kTalkColumns, rows, maxId, count, talkRow);
}

int dbQueryTerminalLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count)
{
    return queryUpTo(kTerminalColumns, rows, maxId, count, terminalRow);
}

int dbQueryUserLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count)
{
    return queryUpTo("select * from userlog ", rows, maxId, count, userRow);
}
