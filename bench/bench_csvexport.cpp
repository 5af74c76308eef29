// Talkback-log export of 1,000,000 rows to a GBK CSV file through
// LogExportThread, against `mysql --batch` piped through `iconv -t GBK` on
// the same table. Prints the time of each and their ratio (goal: at most 1.0).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "KyBenchDb.h"
#include "KyLogDb.h"
#include "LogExportThread.h"

namespace {
const int kRows = 1000000;
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
        LogExportThread thread(path, {"序号", "Begin Time", "End Time", "Caller Code", "Caller Name", "Called Code",
                                      "Called Name", "Type", "Content"},
                               2);
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

double pipelineSeconds(const KyTestLogDb& db, const std::string& path, qint64* bytes)
{
    const std::string command =
        kyMysqlClient(db, "--batch") + " -e 'select id,begin_time,end_time,callerId,calledId,callerName,calledName,type,source_name,"
        "recordfile from talklog_bak order by id desc' | iconv -f UTF-8 -t GBK > " + path;
    const auto t0 = KyBenchClock::now();
    if (std::system(command.c_str()) != 0) {
        fprintf(stderr, "pipeline failed: %s\n", command.c_str());
        exit(1);
    }
    const double seconds = kySecondsSince(t0);
    *bytes = QFileInfo(QString::fromStdString(path)).size();
    return seconds;
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
        pipeline = std::min(pipeline, pipelineSeconds(db, dir.filePath("pipeline.tsv").toStdString(), &pipelineBytes));
        console = std::min(console, exportSeconds(dir.filePath("export.csv"), &consoleBytes));
    }
    const double ratio = console / pipeline;
    printf("talkback export of %d rows: console %.2f s (%lld bytes)  mysql|iconv %.2f s (%lld bytes)  ratio %.2f\n",
           kRows, console, static_cast<long long>(consoleBytes), pipeline, static_cast<long long>(pipelineBytes),
           ratio);
    printf("goal (ratio <= 1.0): %s\n", ratio <= 1.0 ? "met" : "NOT met");
    return 0;
}
