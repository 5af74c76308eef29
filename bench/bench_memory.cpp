// Resident memory of the console (build/app/kyconsole) logged in to the
// stand-in server: once with the demo site, once with a large one of 10,000
// terminals (the kinds whose lists the main window loads at start) and
// 10,000 tasks. Each run starts the console, waits until its queries have
// stopped and its memory has settled, and reads VmRSS (and the peak, VmHWM)
// from /proc. Prints both figures and the large one against its goal (at
// most 100 MB resident).
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "KyTestServer.h"

namespace {

const int kTerminals = 10000;
const int kTasks = 10000;
const char* const kTerminalTables[] = {"ipamp", "m12", "mic11"};   // loaded by the pages built at start
const char kHost[] = "127.0.61.1";
const double kGoalMb = 100.0;

// Rows of table made from its demo rows in turn, with ids from firstId and
// texts made distinct.
std::vector<KyRow> grown(const KyTestServer& server, const std::string& table, const std::string& idColumn,
                         int count, int firstId)
{
    const std::vector<KyRow> demo = server.rows(table);
    std::vector<KyRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count && !demo.empty(); ++i) {
        KyRow row = demo[i % demo.size()];
        const int id = firstId + i;
        for (auto& field : row.fields) {
            if (field.first == idColumn || field.first == "id")
                field.second = std::to_string(id);
            else if (field.first == "ip")
                field.second = "10." + std::to_string(id / 65536 % 256) + "." + std::to_string(id / 256 % 256) +
                               "." + std::to_string(id % 256);
            else if (field.first == "name")
                field.second += std::to_string(id);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void makeLarge(KyTestServer& server)
{
    const int perTable = kTerminals / 3;
    int firstId = 100000;
    for (const char* table : kTerminalTables) {
        const int count = table == kTerminalTables[0] ? kTerminals - 2 * perTable : perTable;
        server.setRows(table, grown(server, table, "terminalId", count, firstId));
        firstId += count;
    }
    server.setRows("soundsource", grown(server, "soundsource", "id", kTasks, 1000));
}

struct Resident {
    long kb = -1;       // VmRSS
    long peakKb = -1;   // VmHWM
};

Resident resident(qint64 pid)
{
    Resident r;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return r;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            r.kb = line.mid(6).trimmed().split(' ').value(0).toLong();
        else if (line.startsWith("VmHWM:"))
            r.peakKb = line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return r;
}

// Requests other than keep-alives received so far.
size_t queries(const KyTestServer& server)
{
    size_t n = 0;
    for (const KyTestServer::Received& r : server.received())
        n += r.packetType != "KeepAlive";
    return n;
}

// Starts the console against server and returns its settled memory (-1 when it did not run).
Resident consoleResident(KyTestServer& server, const QString& console)
{
    const int port = server.start(0, kHost);
    QTemporaryDir dir;
    QFile config(dir.filePath("config.ini"));
    if (port <= 0 || !config.open(QIODevice::WriteOnly))
        return Resident();
    config.write(QStringLiteral("[Setting]\nServerPort=%1\n").arg(port).toUtf8());
    config.close();
    QFile::link(QFileInfo(console).dir().filePath("../translate"), dir.filePath("translate"));

    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(console, {"-serverip", kHost, "-user", "admin", "-password", "admin123"});
    if (!process.waitForStarted(10000))
        return Resident();

    // Settled: no new query and less than 256 kB of growth for two seconds.
    QElapsedTimer clock, quiet;
    clock.start();
    quiet.start();
    size_t lastQueries = 0;
    long lastKb = 0;
    Resident now;
    while (process.state() == QProcess::Running && clock.elapsed() < 120000) {
        QThread::msleep(250);
        now = resident(process.processId());
        const size_t n = queries(server);
        if (n != lastQueries || now.kb > lastKb + 256 || n < 3) {
            lastQueries = n;
            lastKb = now.kb;
            quiet.restart();
        } else if (quiet.elapsed() >= 2000) {
            break;
        }
    }
    const bool running = process.state() == QProcess::Running;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
    server.stop();
    return running ? now : Resident();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString console = QCoreApplication::applicationDirPath() + "/../app/kyconsole";
    KyTestServer small;
    KyTestServer large;
    if (!small.loadFixture(KyTestServer::demoFixturePath()) || !large.loadFixture(KyTestServer::demoFixturePath())) {
        printf("bench_memory: demo fixture not loaded: nothing measured\n");
        return 0;
    }
    makeLarge(large);
    const Resident smallSite = consoleResident(small, console);
    const Resident largeSite = consoleResident(large, console);
    if (smallSite.kb < 0 || largeSite.kb < 0) {
        printf("bench_memory: the console did not run (%s): nothing measured\n", qPrintable(console));
        return 0;
    }
    const double largeMb = largeSite.kb / 1024.0;
    printf("console resident: demo site %.1f MB (peak %.1f MB), %d terminals + %d tasks %.1f MB (peak %.1f MB); "
           "%.2f KB a row above the demo\n",
           smallSite.kb / 1024.0, smallSite.peakKb / 1024.0, kTerminals, kTasks, largeMb, largeSite.peakKb / 1024.0,
           (largeSite.kb - smallSite.kb) / double(kTerminals + kTasks));
    printf("goal (large site <= %.0f MB): %s\n", kGoalMb, largeMb <= kGoalMb ? "met" : "NOT met");
    return 0;
}
