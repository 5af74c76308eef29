#pragma once
// Timing and log-table helpers shared by the log-database benchmarks.
#include <chrono>
#include <cstdio>
#include <string>

#include "KyDbAccount.h"
#include "KyLogDb.h"
#include "KyTestLogDb.h"

using KyBenchClock = std::chrono::steady_clock;

inline double kySecondsSince(KyBenchClock::time_point start)
{
    return std::chrono::duration<double>(KyBenchClock::now() - start).count();
}

// Makes table hold ids 1..rows: kept when it already does, otherwise emptied
// and filled by fillSql (an insert ... select from seq_1_to_<rows>).
inline bool kyEnsureBenchRows(KyTestLogDb& db, const std::string& table, int rows, const std::string& fillSql)
{
    KyMySqlResult result;
    if (!db.exec("select count(*), coalesce(max(id), 0) from " + table, &result))
        return false;
    if (result.value(0, 0) == std::to_string(rows) && result.value(0, 1) == std::to_string(rows)) {
        printf("%s already holds %d rows\n", table.c_str(), rows);
        return true;
    }
    const auto start = KyBenchClock::now();
    const bool ok = db.exec("truncate table " + table) && db.exec(fillSql + std::to_string(rows));
    printf("filled %s with %d rows in %.1f s\n", table.c_str(), rows, kySecondsSince(start));
    return ok;
}

// The mysql command-line client on the log database, as the console's account.
inline std::string kyMysqlClient(const KyTestLogDb& db, const std::string& options)
{
    return "mysql --no-defaults " + options + " -h " + db.host() + " -P " + std::to_string(db.port()) + " -u " +
           KY_DB_USER + " --password=" + KY_DB_PASSWORD + " talkbacklog";
}

// Opens the private log database, fills table by kyEnsureBenchRows and
// connects the console's shared connection to it; false (with a message) on
// any failure.
inline bool kyOpenBenchDb(KyTestLogDb& db, const char* bench, const std::string& table, int rows,
                          const std::string& fillSql)
{
    QString why;
    if (!db.open(&why)) {
        fprintf(stderr, "%s: %s (run eval \"$(bash scripts/mariadb-start)\")\n", bench, qPrintable(why));
        return false;
    }
    if (!kyEnsureBenchRows(db, table, rows, fillSql))
        return false;
    db.useForConsole();
    if (openLogDatabase(db.host()) != 0) {
        fprintf(stderr, "%s: the console could not connect to the log database\n", bench);
        return false;
    }
    return true;
}
