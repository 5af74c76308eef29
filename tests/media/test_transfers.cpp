// The transfer job list: re-encoding and tagging of uploads with the real
// encoder and tag tool (and failing stand-ins), the timer's handling of
// finished and failed rows, and the journal's bytes.
#include <QtTest>

#include <QProcess>
#include <QProgressBar>
#include <QTableWidget>

#include <memory>

#include "KyDownAndUploadViewCtr.h"
#include "KyFileNote.h"
#include "KyFileTestRig.h"
#include "KyFtpMng.h"
#include "KyTranscodeProcess.h"

namespace {

struct Mp3Format {
    bool mpeg1Layer3 = false;
    int bitrateIndex = -1, rateIndex = -1, channelMode = -1;
};

// The first frame header after any ID3v2 tag.
Mp3Format mp3Format(const QByteArray& b)
{
    int at = 0;
    if (b.startsWith("ID3") && b.size() > 10)
        at = 10 + ((b[6] & 0x7f) << 21 | (b[7] & 0x7f) << 14 | (b[8] & 0x7f) << 7 | (b[9] & 0x7f));
    while (at + 4 <= b.size() && !(uchar(b[at]) == 0xff && (uchar(b[at + 1]) & 0xe0) == 0xe0))
        ++at;
    Mp3Format f;
    if (at + 4 > b.size())
        return f;
    const uchar b1 = uchar(b[at + 1]), b2 = uchar(b[at + 2]), b3 = uchar(b[at + 3]);
    f.mpeg1Layer3 = ((b1 >> 3) & 3) == 3 && ((b1 >> 1) & 3) == 1;
    f.bitrateIndex = b2 >> 4;
    f.rateIndex = (b2 >> 2) & 3;
    f.channelMode = b3 >> 6;
    return f;
}

// A job list in a fresh working folder, its progress fed by the process-wide worker.
struct Transfers {
    QString oldCwd = QDir::currentPath();
    KyFileTestRig rig{TcpSocketClient::instance()};
    QTableWidget table{0, 4};
    std::unique_ptr<KyDownAndUploadViewCtr> ctr;

    Transfers()
    {
        QDir::setCurrent(rig.tmp.path());
        ctr.reset(new KyDownAndUploadViewCtr(&table));
        QObject::connect(rig.worker, &TcpSocketClient::updateProgressIndicator, ctr.get(),
                         &KyDownAndUploadViewCtr::slot_progressIndicator);
        QObject::connect(rig.worker, &TcpSocketClient::downloadAnnounced, ctr.get(),
                         &KyDownAndUploadViewCtr::slot_downloadAnnounced);
    }
    ~Transfers()
    {
        ctr.reset();
        QDir::setCurrent(oldCwd);
    }
    QString local(const QString& name) const { return rig.localDir() + '/' + name; }
    int upload(const QString& path, const QString& remoteDir)
    {
        QDir().mkpath(rig.srvDir() + remoteDir);
        const QString name = QFileInfo(path).fileName();
        return ctr->addUploadJob(name.toUtf8(), path.toUtf8(), (rig.root() + remoteDir + '/' + name).toUtf8(),
                                 int(QFileInfo(path).size()));
    }
    QString stateAt(int row) const { return table.item(row, 0)->text(); }
    bool waitNoJobs(int ms = 60000)
    {
        return KyFileTestRig::waitUntil([&] { return ctr->jobList().empty(); }, ms);
    }
    void tick()
    {
        QTimerEvent event(0);
        QCoreApplication::sendEvent(ctr.get(), &event);
    }
};

// Stand-ins for the tools, first on PATH while the object lives.
struct StandIns {
    QTemporaryDir bin;
    QByteArray oldPath = qgetenv("PATH");
    explicit StandIns(bool keepPath = true)
    {
        qputenv("PATH", bin.path().toUtf8() + (keepPath ? ":" + oldPath : QByteArray()));
    }
    ~StandIns() { qputenv("PATH", oldPath); }
    void add(const QString& name, const QByteArray& body)
    {
        KyFileTestRig::writeFile(bin.path() + '/' + name, "#!/bin/sh\n" + body + "\n");
        QFile(bin.path() + '/' + name).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
};

const char kFailed[] = "下载错误";

} // namespace

class TestTransfers : public QObject {
    Q_OBJECT
private slots:
    void reencodeTagAndUpload();
    void failingToolsAdvanceTheQueue();
    void tickOrderAndFailedRows();
    void failedTransfersAndRefusals();
    void journalBytes();
};

void TestTransfers::reencodeTagAndUpload()
{
    Transfers t;
    const QString wav = t.local("tone 1.wav");
    KyFileTestRig::writeWav(wav, 1.0, 48000, 2, 440);
    const QString mp3 = t.local(QString::fromUtf8("曲 \"%1\" 'x'.mp3"));
    QProcess lame;
    lame.start("lame", {"--quiet", "-b", "128", wav, mp3});
    QVERIFY(lame.waitForFinished(30000) && lame.exitCode() == 0);
    QVERIFY(mp3Format(KyFileTestRig::readFile(mp3)).channelMode != 3);   // a stereo source
    // Same name in another folder, other bytes.
    const QString other = t.rig.localDir() + "/other/tone 1.wav";
    KyFileTestRig::writeWav(other, 2.0, 48000, 2, 880);

    QCOMPARE(t.upload(wav, "/up"), 0);
    QCOMPARE(t.upload(mp3, "/up"), 0);
    QCOMPARE(t.upload(other, "/up2"), 0);
    QCOMPARE(t.stateAt(0), QString::fromUtf8("正在转码"));
    QCOMPARE(t.stateAt(1), QString::fromUtf8("等待转码"));
    QCOMPARE(t.stateAt(2), QString::fromUtf8("等待转码"));
    const std::list<KyTransferRecord> jobs = t.ctr->jobList();
    QCOMPARE(int(jobs.size()), 3);
    QVERIFY(jobs.front().id > 0 && jobs.front().id != jobs.back().id);
    // Uploading the converted file, the job (and so the journal) names what the server receives.
    t.rig.service->setReplyDelay("PostFile", 1000);
    QVERIFY(KyFileTestRig::waitUntil([&] { return t.ctr->findJob(jobs.front().id).state == KyStateUploading; }));
    QCOMPARE(t.ctr->findJob(jobs.front().id).name, std::string("tone 1.mp3"));
    QCOMPARE(QString::fromStdString(t.ctr->findJob(jobs.front().id).target), t.rig.root() + "/up/tone 1.mp3");
    QVERIFY(KyFileTestRig::waitUntil([&] { return t.stateAt(1) == QString::fromUtf8("正在转码"); }));
    QVERIFY(t.waitNoJobs());

    const QString srv = t.rig.srvDir();
    for (const QString& path : {srv + "/up/tone 1.mp3", srv + QString::fromUtf8("/up/曲 \"%1\" 'x'.mp3"),
                                srv + "/up2/tone 1.mp3"}) {
        const QByteArray bytes = KyFileTestRig::readFile(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable(path));
        const Mp3Format f = mp3Format(bytes);
        QVERIFY(f.mpeg1Layer3);
        QCOMPARE(f.channelMode, 3);    // mono
        QCOMPARE(f.bitrateIndex, 7);   // 96 kbit/s
        QCOMPARE(f.rateIndex, 0);      // 44.1 kHz
        QVERIFY(bytes.contains("RoZU Zuduvi"));
    }
    // Each upload kept its own bytes; the last report is the converted size.
    const qint64 first = QFileInfo(srv + "/up/tone 1.mp3").size();
    const qint64 second = QFileInfo(srv + "/up2/tone 1.mp3").size();
    QVERIFY(second > first * 3 / 2);
    QCOMPARE(qint64(t.rig.endsOf(jobs.front().id, int(first)).last().size), first);
    QVERIFY(first != QFileInfo(wav).size());
    // Converted files go with their jobs.
    QVERIFY(QDir("temp_mp3").entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestTransfers::failingToolsAdvanceTheQueue()
{
    Transfers t;
    StandIns tools;
    tools.add("lame", "case \"$8\" in\n"
                      "*exit1*) exit 1 ;;\n"
                      "*crash*) kill -SEGV $$ ;;\n"
                      "*noout*) exit 0 ;;\n"
                      "esac\nexec /usr/bin/lame --quiet \"$@\"");
    // The tag tool hangs on one file (and ignores the polite end).
    tools.add("id3v2", "case \"$*\" in\n*hang*) trap '' TERM; exec sleep 30 ;;\nesac\nexit 0");
    KyTranscodeProcess::setTagWaits(1000, 200);
    const char* const names[] = {"exit1.wav", "crash.wav", "noout.wav", "hang.wav", "good.wav"};
    for (const char* n : names)
        KyFileTestRig::writeWav(t.local(n), 0.3, 44100, 1, 440);
    for (const char* n : names)
        QCOMPARE(t.upload(t.local(n), "/f"), 0);

    // Four failed rows shown and removed (the killed tag run one of them), the
    // good one uploaded; the user-interface thread never waits for a tool.
    QElapsedTimer clock, sinceTick;
    clock.start();
    sinceTick.start();
    qint64 longestPause = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { longestPause = qMax(longestPause, sinceTick.restart()); });
    ticker.start(5);
    int failedSeen = 0;
    QSet<QString> failedJobs;
    QVERIFY(KyFileTestRig::waitUntil([&] {
        for (int r = 0; r < t.table.rowCount(); ++r) {
            if (t.stateAt(r) == QString::fromUtf8(kFailed) && t.table.item(r, 2)
                && t.table.item(r, 2)->text() == QString::fromUtf8("网络传输错误！"))
                failedSeen |= 1 << r;
        }
        for (const KyTransferRecord& job : t.ctr->jobList()) {
            if (job.state == KyStateFailed)
                failedJobs << QString::fromStdString(job.name);
        }
        return t.ctr->jobList().empty();
    }));
    ticker.stop();
    qInfo("longest pause of the user-interface thread: %lld ms", longestPause);
    QVERIFY2(longestPause < 500, qPrintable(QString::number(longestPause)));   // the tag wait is 1000 ms
    QVERIFY(failedSeen != 0);
    QCOMPARE(failedJobs, (QSet<QString>{"exit1.wav", "crash.wav", "noout.wav", "hang.wav"}));
    QVERIFY(!KyFileTestRig::readFile(t.rig.srvDir() + "/f/good.mp3").isEmpty());
    QCOMPARE(QDir(t.rig.srvDir() + "/f").entryList(QDir::Files), QStringList{"good.mp3"});
    QVERIFY(clock.elapsed() < 30000);

    // No encoder on PATH at all: the job fails, the next one is not held up.
    {
        StandIns none(false);
        QCOMPARE(t.upload(t.local("good.wav"), "/g"), 0);
        QCOMPARE(t.upload(t.local("exit1.wav"), "/g"), 0);
        QVERIFY(KyFileTestRig::waitUntil([&] {
            const auto jobs = t.ctr->jobList();
            return jobs.size() == 2 && jobs.front().state == KyStateFailed && jobs.back().state == KyStateFailed;
        }));
    }
    QVERIFY(t.waitNoJobs());
    QVERIFY(QDir(t.rig.srvDir() + "/g").entryList(QDir::Files).isEmpty());
    KyTranscodeProcess::setTagWaits(10000, 1000);
}

void TestTransfers::tickOrderAndFailedRows()
{
    Transfers t;
    // No reports from the worker here: the test plays them.
    QObject::disconnect(t.rig.worker, nullptr, t.ctr.get(), nullptr);
    for (const char* n : {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"})
        QCOMPARE(t.ctr->addDownloadJob(n, (t.rig.root() + "/" + n).toUtf8(), t.local(n).toUtf8(), 10), 0);
    auto idAt = [&](int row) { return t.table.item(row, 0)->data(Qt::UserRole).toInt(); };
    const int a = idAt(0), b = idAt(1), c = idAt(2), d = idAt(3), e = idAt(4);
    t.ctr->slot_progressIndicator(e, 4, 0);
    t.ctr->slot_progressIndicator(123456789, 10, -1);   // unknown: ignored
    t.tick();
    QCOMPARE(qobject_cast<QProgressBar*>(t.table.cellWidget(4, 2))->value(), 40);
    QCOMPARE(t.ctr->findJob(e).shownTransferred, int64_t(4));

    t.ctr->slot_progressIndicator(a, 10, 0);
    t.ctr->slot_progressIndicator(b, 10, 0);
    t.ctr->slot_progressIndicator(c, 3, -1);
    t.ctr->slot_progressIndicator(d, 10, -1);   // all bytes but failed: not done
    t.ctr->slot_progressIndicator(e, 7, 0);
    QCOMPARE(int(t.ctr->jobList().size()), 5);

    // Lowest failed row first: d marked, c waits; the rows above are not visited.
    t.tick();
    QCOMPARE(t.table.rowCount(), 5);
    QCOMPARE(t.stateAt(3), QString::fromUtf8(kFailed));
    QCOMPARE(t.table.item(3, 2)->text(), QString::fromUtf8("网络传输错误！"));
    QCOMPARE(t.table.item(3, 2)->data(Qt::UserRole).toInt(), d);
    QVERIFY(!t.table.cellWidget(3, 2));
    for (int col = 0; col < 4; ++col)
        QCOMPARE(t.table.item(3, col)->background().color(), QColor("#fdf6ec"));
    QCOMPARE(t.stateAt(2), QString::fromUtf8("正在下载"));
    QCOMPARE(qobject_cast<QProgressBar*>(t.table.cellWidget(4, 2))->value(), 70);
    // Shown for 11 ticks after being marked, then gone.
    for (int i = 0; i < 10; ++i)
        t.tick();
    QCOMPARE(t.table.rowCount(), 5);
    t.tick();
    QCOMPARE(t.table.rowCount(), 4);
    QCOMPARE(idAt(3), e);
    QVERIFY(t.ctr->findJob(d).name.empty());

    t.tick();   // c marked
    QCOMPARE(t.stateAt(2), QString::fromUtf8(kFailed));
    for (int i = 0; i < 11; ++i)
        t.tick();
    QCOMPARE(t.table.rowCount(), 3);
    t.tick();   // b finished
    QCOMPARE(t.table.rowCount(), 2);
    QCOMPARE(idAt(0), a);
    t.tick();   // a finished
    QCOMPARE(t.table.rowCount(), 1);
    QCOMPARE(idAt(0), e);
    t.tick();
    QCOMPARE(t.table.rowCount(), 1);
}

void TestTransfers::failedTransfersAndRefusals()
{
    Transfers t;
    t.rig.worker->setTimeScale(0.1);
    KyFileTestRig::writeFile(t.local("cut.mp3"), KyFileTestRig::randomBytes(200000, 1));
    KyFileTestRig::writeFile(t.local("silent.mp3"), KyFileTestRig::randomBytes(5000, 2));
    // Not re-encoded: the stand-in encoder copies, so the sizes are known.
    StandIns tools;
    tools.add("lame", "cp \"$8\" \"$9\"");
    tools.add("id3v2", "exit 0");
    t.rig.service->setCloseAfter(50000);
    QCOMPARE(t.upload(t.local("cut.mp3"), "/x"), 0);
    auto stateOf = [&](const char* name) {
        for (const KyTransferRecord& r : t.ctr->jobList())
            if (r.name == name)
                return r.state;
        return -1;
    };
    QVERIFY(KyFileTestRig::waitUntil([&] { return stateOf("cut.mp3") == KyStateFailed; }));
    t.rig.service->setNoReply("PostFile");
    QCOMPARE(t.upload(t.local("silent.mp3"), "/x"), 0);
    QVERIFY(KyFileTestRig::waitUntil([&] { return stateOf("silent.mp3") == KyStateFailed; }));

    // A download of a missing file fails; one with an unsafe name is refused and not listed.
    QCOMPARE(t.ctr->addDownloadJob("none.mp3", (t.rig.root() + "/none.mp3").toUtf8(),
                                   t.local("none.mp3").toUtf8(), 10), 0);
    QVERIFY(KyFileTestRig::waitUntil([&] { return stateOf("none.mp3") == KyStateFailed; }));
    const int rows = t.table.rowCount();
    QCOMPARE(t.ctr->addDownloadJob("..", (t.rig.root() + "/..").toUtf8(), t.local("..").toUtf8(), 10), -1);
    QCOMPARE(t.ctr->addDownloadJob(nullptr, nullptr, nullptr, 10), -1);
    QCOMPARE(t.table.rowCount(), rows);
    QVERIFY(t.waitNoJobs());

    // Files that grew and shrank since the listing: finished with the server's bytes.
    const QByteArray grown = KyFileTestRig::randomBytes(30000, 3), shrunk = KyFileTestRig::randomBytes(700, 4);
    KyFileTestRig::writeFile(t.rig.srvDir() + "/grown.mp3", grown);
    KyFileTestRig::writeFile(t.rig.srvDir() + "/shrunk.mp3", shrunk);
    QCOMPARE(t.ctr->addDownloadJob("grown.mp3", (t.rig.root() + "/grown.mp3").toUtf8(),
                                   t.local("grown.mp3").toUtf8(), 10000), 0);
    const int grownId = t.ctr->jobList().back().id;
    QCOMPARE(t.ctr->addDownloadJob("shrunk.mp3", (t.rig.root() + "/shrunk.mp3").toUtf8(),
                                   t.local("shrunk.mp3").toUtf8(), 90000), 0);
    const int shrunkId = t.ctr->jobList().back().id;
    QVERIFY(t.waitNoJobs());
    QCOMPARE(KyFileTestRig::readFile(t.local("grown.mp3")), grown);
    QCOMPARE(KyFileTestRig::readFile(t.local("shrunk.mp3")), shrunk);
    QCOMPARE(t.rig.endsOf(grownId, grown.size()).last().status, 0);
    QCOMPARE(t.rig.endsOf(shrunkId, shrunk.size()).last().status, 0);
}

void TestTransfers::journalBytes()
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QTableWidget table(0, 4);
    // An empty list leaves an empty journal.
    delete new KyDownAndUploadViewCtr(&table);
    QCOMPARE(QFileInfo("UploadAndDownloadNote").size(), qint64(0));

    KyFileTestRig rig(TcpSocketClient::instance());
    QString longName;
    for (int i = 0; i < 90; ++i)
        longName += QString::fromUtf8("曲");
    longName += ".mp3";
    const QByteArray name8 = longName.toUtf8();
    const QByteArray remote = (rig.root() + "/a/" + longName).toUtf8();
    const QByteArray local = (rig.localDir() + "/" + QString(70, 'x') + "/" + longName).toUtf8();
    QVERIFY(remote.size() > 255 && local.size() > 255);
    auto* ctr = new KyDownAndUploadViewCtr(&table);
    QCOMPARE(ctr->addDownloadJob(name8, remote, local, 1234567), 0);
    QCOMPARE(ctr->addDownloadJob("b.mp3", remote, local, -5), 0);
    const KyTransferRecord first = ctr->jobList().front();
    QCOMPARE(first.source, remote.toStdString());   // full paths in memory
    QCOMPARE(first.target, local.toStdString());
    ctr->slot_progressIndicator(first.id, 99, 0);
    delete ctr;

    const QByteArray bytes = KyFileTestRig::readFile("UploadAndDownloadNote");
    QCOMPARE(bytes.size(), 2 * 695);
    QVERIFY(bytes.startsWith("classb:") && bytes.mid(695, 7) == "classb:");
    auto i32 = [&](int at) { return qFromLittleEndian<qint32>(bytes.constData() + 7 + at); };
    auto i64 = [&](int at) { return qFromLittleEndian<qint64>(bytes.constData() + 7 + at); };
    QCOMPARE(i32(0), -first.id);
    QCOMPARE(i32(4), 0);
    QCOMPARE(i32(8), int(KyStateDownloading));
    // 42 characters of three bytes fit the 127 of the name field; the 43rd does not.
    QCOMPARE(bytes.mid(7 + 12, 128), name8.left(126) + QByteArray(2, '\0'));
    QCOMPARE(i32(140), 0);
    QCOMPARE(i64(144), qint64(1234567));
    QCOMPARE(i64(152), qint64(99));
    QCOMPARE(i64(160), qint64(0));
    // Paths cut to the longest whole-character prefix of at most 255 bytes, zeros after.
    auto cut = [](const QByteArray& text) {
        int k = 255;
        while (QString::fromUtf8(text.left(k)).toUtf8() != text.left(k))
            --k;
        return text.left(k);
    };
    QCOMPARE(bytes.mid(7 + 168, 256), cut(remote) + QByteArray(256 - cut(remote).size(), '\0'));
    QCOMPARE(bytes.mid(7 + 424, 256), cut(local) + QByteArray(256 - cut(local).size(), '\0'));
    QCOMPARE(cut(remote).size(), 254);   // not 255: that would split a character
    QCOMPARE(bytes.mid(7 + 680, 8), QByteArray(8, '\0'));
    QCOMPARE(qFromLittleEndian<qint64>(bytes.constData() + 695 + 7 + 144), qint64(-5));

    KyFileNote note("UploadAndDownloadNote");
    QCOMPARE(note.open("rb"), 0);
    unsigned char record[KyTransferRecord::kJournalSize];
    QCOMPARE(note.readRecord(record, KyTransferRecord::kJournalSize), 0);
    const KyTransferRecord back = KyTransferRecord::fromJournal(record);
    QCOMPARE(back.id, -first.id);
    QCOMPARE(QByteArray::fromStdString(back.name), name8.left(126));
    QCOMPARE(back.transferred, int64_t(99));
    QCOMPARE(note.readRecord(record, KyTransferRecord::kJournalSize), 0);
    QCOMPARE(KyTransferRecord::fromJournal(record).name, std::string("b.mp3"));
    QCOMPARE(note.readRecord(record, KyTransferRecord::kJournalSize), -1);
    QCOMPARE(note.readRecord(nullptr, 4), -1);
    QDir::setCurrent(old);
}

QTEST_MAIN(TestTransfers)
#include "test_transfers.moc"
