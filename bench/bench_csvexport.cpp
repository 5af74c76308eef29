// Talkback-log export of 1,000,000 rows to a GBK CSV file through
// LogExportThread, against the same job done by the database's own tools:
// `mysql --batch` with the numbering, the dates, the type texts and the CSV
// quoting written in SQL, piped through `iconv -t GBK`. Both write the same
// bytes (checked). Prints the time of each and their ratio (goal: at most 1.0).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "KyBenchDb.h"
#include "KyLogDb.h"
#include "LogExportThread.h"

namespace {
const int kRows = 1000000;
const QStringList kTitles = {"序号", "Begin Time", "End Time", "Caller Code", "Caller Name", "Called Code",
                             "Called Name", "Type", "Content"};
const int kRepeats = 2;  // best of

const char* const kFillSql =
    "insert into talklog_bak (id,begin_time,end_time,callerId,calledId,callerName,calledName,"
    "type,source_name,recordfile) select seq, 1600000000+seq, 1600000060+seq, seq%900, "
    "seq%700, concat('主叫终端',seq%900), concat('被叫\"终端\",',seq%700), seq%3, "
    "concat('广播节目 ',seq%50), if(seq%4=0, null, concat('/data/media/talk_record_file/',"
    "seq,'.wav')) from seq_1_to_";

// One export through the console's thread; the thread's per-page diagnostics
// go to /dev/null while it runs.
double exportSeconds(const QString& path, qint64* bytes)
{
    fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
    int result = 0;
    const auto t0 = KyBenchClock::now();
    {
        LogExportThread thread(path, kTitles, 2);
        QObject::connect(&thread, &LogExportThread::finish_signal, [&](int v) { result = v; });
        thread.start();
        thread.wait();
    }
    const double seconds = kySecondsSince(t0);
    fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    if (result != 1) {
        fprintf(stderr, "export failed: %d\n", result);
        exit(1);
    }
    *bytes = QFileInfo(path).size();
    return seconds;
}

// The export's lines in SQL: every field quoted, quotes doubled, a comma after
// each. A variable numbers the rows along the key's order (a window function
// would sort them in a temporary table, three times slower); the byte check
// below catches a wrong numbering.
const char kLineSql[] =
    "select concat('\"', @n := @n + 1, '\",\"', "
    "date_format(from_unixtime(begin_time), '%Y/%m/%d %H:%i:%s'), '\",\"', "
    "date_format(from_unixtime(end_time), '%Y/%m/%d %H:%i:%s'), '\",\"', "
    "callerId, '\",\"', replace(callerName, '\"', '\"\"'), '\",\"', "
    "calledId, '\",\"', replace(calledName, '\"', '\"\"'), '\",\"', "
    "case type when 1 then '对讲' when 2 then '广播' else 'UNKNOW' end, '\",\"', "
    "replace(source_name, '\"', '\"\"'), '\",') from talklog_bak, (select @n := 0) n order by id desc";

double pipelineSeconds(const KyTestLogDb& db, const QTemporaryDir& dir, qint64* bytes)
{
    const std::string path = dir.filePath("pipeline.csv").toStdString();
    const std::string query = dir.filePath("lines.sql").toStdString();
    QFile sql(QString::fromStdString(query));
    if (!sql.open(QIODevice::WriteOnly) || sql.write(kLineSql) < 0)
        exit(1);
    sql.close();
    const std::string header = LogExportThread::csvHeader(kTitles);
    const std::string command = "{ printf '%s\\n' '" + header + "'; " +
                                kyMysqlClient(db, "--batch --raw --skip-column-names") + " < " + query +
                                "; } | iconv -f UTF-8 -t GBK > " + path;
    const auto t0 = KyBenchClock::now();
    if (std::system(command.c_str()) != 0) {
        fprintf(stderr, "pipeline failed: %s\n", command.c_str());
        exit(1);
    }
    const double seconds = kySecondsSince(t0);
    *bytes = QFileInfo(QString::fromStdString(path)).size();
    return seconds;
}

bool sameBytes(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd())
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    KyTestLogDb db;
    if (!kyOpenBenchDb(db, "bench_csvexport", "talklog_bak", kRows, kFillSql))
        return 1;
    QTemporaryDir dir;
    double console = 1e9, pipeline = 1e9;
    qint64 consoleBytes = 0, pipelineBytes = 0;
    for (int r = 0; r < kRepeats; ++r) {
        pipeline = std::min(pipeline, pipelineSeconds(db, dir, &pipelineBytes));
        console = std::min(console, exportSeconds(dir.filePath("export.csv"), &consoleBytes));
    }
    const bool same = sameBytes(dir.filePath("export.csv"), dir.filePath("pipeline.csv"));
    const double ratio = console / pipeline;
    printf("talkback export of %d rows: console %.2f s (%lld bytes)  mysql|iconv %.2f s (%lld bytes, %s)  ratio %.2f\n",
           kRows, console, static_cast<long long>(consoleBytes), pipeline, static_cast<long long>(pipelineBytes),
           same ? "the same bytes" : "DIFFERENT bytes", ratio);
    printf("goal (ratio <= 1.0): %s\n", ratio <= 1.0 ? "met" : "NOT met");
    return 0;
}
