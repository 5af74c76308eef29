// Media views and the transfer journal.
// A 10,000-job journal written and read back against a plain write and read of
// the same bytes (goal: ratio <= 1.5); a 10,000-entry Chinese folder from
// listDir to a filled media table against a raw loopback fetch of the same
// reply plus a bare QTableWidget fill (goal: ratio <= 2).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableWidget>
#include <QTcpSocket>

#include <cstdio>
#include <vector>

#include <json/json.h>

#include "KyCFtpClient.h"
#include "KyFileNote.h"
#include "KyFtpMng.h"
#include "KyMediaViewCtrl.h"
#include "KyTestFileService.h"
#include "KyTransferRecord.h"
#include "TcpSocketClient.h"

namespace {

constexpr int kJobs = 10000;
constexpr int kEntries = 10000;
constexpr int kEntrySize = 7 + KyTransferRecord::kJournalSize;

template <typename F>
double bestSeconds(int rounds, F run)
{
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!run())
            return -1;
        best = qMin(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

std::vector<KyTransferRecord> makeJobs()
{
    std::vector<KyTransferRecord> jobs(kJobs);
    for (int i = 0; i < kJobs; ++i) {
        KyTransferRecord& r = jobs[i];
        r.id = i + 1;
        r.state = i % 7;
        r.name = QString::fromUtf8("广播曲目%1.mp3").arg(i).toStdString();
        r.size = 1000000 + i;
        r.transferred = i;
        r.source = "/data/media/" + QString::fromUtf8("节目/早间/").toStdString() + r.name;
        r.target = "/home/operator/下载/" + r.name;
    }
    return jobs;
}

bool journalRound(const std::vector<KyTransferRecord>& jobs, const char* path)
{
    KyFileNote note(path);
    if (note.open("w+b") != 0)
        return false;
    unsigned char bytes[KyTransferRecord::kJournalSize];
    for (KyTransferRecord job : jobs) {
        job.id = -job.id;
        job.toJournal(bytes);
        note.writeRecord(bytes, KyTransferRecord::kJournalSize);
    }
    note.close();
    if (note.open("rb") != 0)
        return false;
    int read = 0;
    while (note.readRecord(bytes, KyTransferRecord::kJournalSize) == 0) {
        if (KyTransferRecord::fromJournal(bytes).name.empty())
            return false;
        ++read;
    }
    return read == kJobs;
}

bool plainRound(const QByteArray& all, const char* path)
{
    FILE* f = fopen(path, "w+b");
    if (!f)
        return false;
    for (int i = 0; i < kJobs; ++i)
        fwrite(all.constData() + i * kEntrySize, 1, kEntrySize, f);
    fclose(f);
    f = fopen(path, "rb");
    std::vector<char> in(kEntrySize);
    int read = 0;
    while (fread(in.data(), 1, kEntrySize, f) == size_t(kEntrySize))
        ++read;
    fclose(f);
    return read == kJobs;
}

// The reply of one GetFileList, read raw over loopback.
QByteArray rawListing(quint16 port, const QString& dir)
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!s.waitForConnected(3000))
        return QByteArray();
    s.write("{\"Command\":\"GetFileList\",\"DirName\":\"" + dir.toUtf8() + "\",\"CSeq\":\"1\"}\r\n\r\n");
    QByteArray reply;
    while (!reply.endsWith("\r\n\r\n") && s.waitForReadyRead(30000))
        reply += s.readAll();
    return reply;
}

bool bareFill(const QByteArray& reply, QTableWidget& table)
{
    Json::Value root;
    Json::Reader reader;
    if (!reader.parse(reply.constData(), reply.constData() + reply.size() - 4, root))
        return false;
    const Json::Value& list = root["FileList"];
    table.setRowCount(0);
    table.setRowCount(int(list.size()));
    for (int i = 0; i < int(list.size()); ++i) {
        table.setItem(i, 0, new QTableWidgetItem(QString::fromUtf8(list[i]["FileName"].asCString())));
        table.setItem(i, 1, new QTableWidgetItem(QString::fromUtf8(list[i]["CreatDate"].asCString())));
        table.setItem(i, 2, new QTableWidgetItem(QStringLiteral("Media File")));
        table.setItem(i, 3, new QTableWidgetItem(QString::fromUtf8(list[i]["Size"].asCString())));
    }
    return table.rowCount() == kEntries;
}

} // namespace

// The worker writes every listed entry to the debug output; the comparison leaves that out.
void quietDebug(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(text));
}

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietDebug);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString base = QCoreApplication::applicationDirPath() + "/bench-mediaviews";
    QDir(base).removeRecursively();
    QDir().mkpath(base + "/srv/曲库");
    int rc = 0;

    const std::vector<KyTransferRecord> jobs = makeJobs();
    const QByteArray journal = (base + "/journal").toLocal8Bit();
    const double ours = bestSeconds(5, [&] { return journalRound(jobs, journal.constData()); });
    QFile written(QString::fromLocal8Bit(journal));
    written.open(QIODevice::ReadOnly);
    const QByteArray all = written.readAll();
    written.close();
    const double plain = bestSeconds(5, [&] { return plainRound(all, journal.constData()); });
    if (ours < 0 || plain < 0 || all.size() != kJobs * kEntrySize) {
        fprintf(stderr, "journal round failed\n");
        rc = 1;
    } else {
        printf("journal of %d jobs written and read: %.4f s, plain bytes %.4f s, ratio %.2f (goal <= 1.5)\n", kJobs,
               ours, plain, ours / plain);
    }

    for (int i = 0; i < kEntries; ++i)
        QFile(base + QString::fromUtf8("/srv/曲库/铃声曲目%1.mp3").arg(i)).open(QIODevice::WriteOnly);
    KyTestFileService service(base + "/srv");
    const quint16 port = service.start();
    TcpSocketClient* worker = TcpSocketClient::instance();
    worker->setServer(QStringLiteral("127.0.0.1"), port);
    worker->start();
    const QString dir = service.fileRoot() + QString::fromUtf8("/曲库");
    QTableWidget viewTable(0, 4), bareTable(0, 4);
    KyMediaViewCtrl view(&viewTable);
    KyFtpMng::instance()->ftpClient()->mediaListener = &view;
    const double listed = bestSeconds(3, [&] {
        viewTable.setRowCount(0);
        view.listDir(dir);
        QElapsedTimer limit;
        limit.start();
        while (viewTable.rowCount() < kEntries && limit.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return viewTable.rowCount() == kEntries;
    });
    const double bare = bestSeconds(3, [&] { return bareFill(rawListing(port, dir), bareTable); });
    if (listed < 0 || bare < 0) {
        fprintf(stderr, "listing failed\n");
        rc = 1;
    } else {
        printf("folder of %d Chinese entries listed into the media table: %.3f s, raw fetch and bare fill %.3f s, "
               "ratio %.2f (goal <= 2)\n", kEntries, listed, bare, listed / bare);
    }
    fflush(stdout);
    KyFtpMng::instance()->ftpClient()->mediaListener = nullptr;
    service.stop();
    QDir(base).removeRecursively();
    return rc;
}
