// Terminal-log paging through the console's connection against the same SQL
// through the mysql command-line client, on a table of 1,000,000 rows.
// Prints the time of each and their ratio (goal: at most 1.2).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "KyBenchDb.h"
#include "KyLogDb.h"

namespace {
const int kRows = 1000000;
const int kRepeats = 3;  // best of

const char* const kFillSql =
    "insert into terminallog (date,terminalId,name,type,ip,action) "
    "select 1600000000+seq, seq%500, concat('终端',seq%500), 'IP', "
    "concat('10.0.',seq%250,'.',seq%200), concat('在线 ',seq) from seq_1_to_";

// Seconds per call of dbQueryTerminalLogPage, best of kRepeats runs of n.
double consoleSeconds(int start, int n)
{
    std::vector<KyLogEntry> rows;
    dbQueryTerminalLogPage(rows, start, 100);  // warm the cache
    double best = 1e9;
    for (int r = 0; r < kRepeats; ++r) {
        const auto t0 = KyBenchClock::now();
        for (int i = 0; i < n; ++i) {
            if (dbQueryTerminalLogPage(rows, start, 100) != 0 || rows.size() != 100) {
                fprintf(stderr, "page query failed\n");
                exit(1);
            }
        }
        best = std::min(best, kySecondsSince(t0) / n);
    }
    return best;
}

// Wall time of one client process that runs the script, best of kRepeats.
double clientRun(const KyTestLogDb& db, const std::string& script)
{
    const std::string command = kyMysqlClient(db, "-B -N") + " < " + script + " > /dev/null";
    double best = 1e9;
    for (int r = 0; r < kRepeats; ++r) {
        const auto t0 = KyBenchClock::now();
        if (std::system(command.c_str()) != 0) {
            fprintf(stderr, "mysql client failed: %s\n", command.c_str());
            exit(1);
        }
        best = std::min(best, kySecondsSince(t0));
    }
    return best;
}

// Seconds per query through the client: n queries in one process, less the
// same process without queries (start-up and connect).
double clientSeconds(const KyTestLogDb& db, const QTemporaryDir& dir, int start, int n)
{
    const std::string empty = dir.filePath("empty.sql").toStdString();
    const std::string queries = dir.filePath("queries.sql").toStdString();
    std::ofstream(empty) << "";
    {
        std::ofstream out(queries);
        for (int i = 0; i <= n; ++i)  // one more: the warm-up
            out << "select id,date,terminalId,name,type,ip,action from terminallog order by id desc limit " << start
                << ", 100;\n";
    }
    const double base = clientRun(db, empty);
    const double all = clientRun(db, queries);
    return std::max(all - base, 1e-9) / (n + 1);
}
}  // namespace

int main()
{
    KyTestLogDb db;
    if (!kyOpenBenchDb(db, "bench_logdb", "terminallog", kRows, kFillSql))
        return 1;
    QTemporaryDir dir;

    struct Page {
        const char* name;
        int start;
        int n;
    };
    const Page pages[] = {{"first page", 0, 1000}, {"page near the end", kRows - 200, 8}};
    bool met = true;
    for (const Page& page : pages) {
        const double console = consoleSeconds(page.start, page.n);
        const double client = clientSeconds(db, dir, page.start, page.n);
        const double ratio = console / client;
        met = met && ratio <= 1.2;
        printf("dbQueryTerminalLogPage %-18s console %9.3f ms  mysql client %9.3f ms  ratio %.2f\n", page.name,
               console * 1e3, client * 1e3, ratio);
    }
    printf("goal (ratio <= 1.2): %s\n", met ? "met" : "NOT met");
    return 0;
}
