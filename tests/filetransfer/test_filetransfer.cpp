// Downloads and uploads through the file-service worker and the facade.
#include <QtTest>

#include "KyCFtpClient.h"
#include "KyFileTestRig.h"
#include "KyFtpMng.h"

namespace {

QStringList entriesOf(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestFileTransfer : public QObject {
    Q_OBJECT
private slots:
    void downloadAndUploadWithProgress();
    void failedDownloadsLeaveTargetAlone();
    void failedUploadsAreReported();
    void recordEndpointChoice();
    void facadeResultsAndRefusals();
};

void TestFileTransfer::downloadAndUploadWithProgress()
{
    KyFileTestRig rig;
    const QByteArray big = KyFileTestRig::randomBytes(3 * 1024 * 1024 + 123, 7);
    KyFileTestRig::writeFile(rig.srvDir() + "/music/big.bin", big);
    KyFileTestRig::writeFile(rig.srvDir() + "/music/empty.bin", QByteArray());
    KyFileTestRig::writeFile(rig.localDir() + "/up.bin", big);
    KyFileTestRig::writeFile(rig.localDir() + "/small.bin", KyFileTestRig::randomBytes(20000, 3));

    QVERIFY(rig.worker->getFile(rig.root() + "/music/big.bin", rig.localDir() + "/big.bin", 11));
    QVERIFY(rig.worker->getFile(rig.root() + "/music/empty.bin", rig.localDir() + "/empty.bin", 13));
    rig.worker->postFile(rig.localDir() + "/up.bin", rig.root() + "/music/up.bin", 12);
    rig.worker->postFile(rig.localDir() + "/small.bin", rig.root() + "/music/small.bin", 14);
    QVERIFY(rig.drain());

    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/big.bin"), big);
    QVERIFY(QFileInfo(rig.localDir() + "/empty.bin").isFile());
    QCOMPARE(QFileInfo(rig.localDir() + "/empty.bin").size(), 0);
    QCOMPARE(KyFileTestRig::readFile(rig.srvDir() + "/music/up.bin"), big);

    QList<int> down, up, small, empty;
    for (const auto& p : rig.progress) {
        QCOMPARE(p.status, 0);
        (p.id == 11 ? down : p.id == 12 ? up : p.id == 14 ? small : empty).append(p.size);
    }
    // Downloads: at most one report per whole percent, rising, the last one the file length.
    QVERIFY(down.size() >= 2 && down.size() <= 100);
    for (int i = 1; i < down.size(); ++i)
        QVERIFY(down.at(i) > down.at(i - 1) && down.at(i) * 100LL / big.size() > down.at(i - 1) * 100LL / big.size());
    QCOMPARE(down.last(), big.size());
    QCOMPARE(empty, QList<int>{0});
    // Uploads: one report per 8192-byte piece, the last after the server's reply.
    QCOMPARE(up.size(), (big.size() + 8191) / 8192);
    for (int i = 0; i < up.size(); ++i)
        QCOMPARE(up.at(i), qMin((i + 1) * 8192, big.size()));
    QCOMPARE(small, (QList<int>{8192, 16384, 20000}));

    // Bytes the server sends beyond FileLen are not taken.
    rig.service->setFileLenMode(KyTestFileService::FileLenHalf);
    QVERIFY(rig.worker->getFile(rig.root() + "/music/big.bin", rig.localDir() + "/half.bin", 15));
    QVERIFY(rig.drain());
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/half.bin"), big.left(big.size() / 2));
    QCOMPARE(rig.endsOf(15, big.size() / 2).size(), 1);
    QCOMPARE(rig.endsOf(15, big.size() / 2).first().status, 0);
}

void TestFileTransfer::failedDownloadsLeaveTargetAlone()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.05);
    const QByteArray song = KyFileTestRig::randomBytes(300000, 9);
    KyFileTestRig::writeFile(rig.srvDir() + "/music/s.mp3", song);
    const QString target = rig.localDir() + "/s.mp3";
    KyFileTestRig::writeFile(target, "old content");
    KyTestFileService& srv = *rig.service;

    // Each fault armed for exactly one download, in queue order.
    const QList<std::function<void()>> faults = {
        [&] { srv.setFileLenMode(KyTestFileService::FileLenMissing); },
        [&] { srv.setFileLenMode(KyTestFileService::FileLenNonNumeric); },
        [&] { srv.setFileLenMode(KyTestFileService::FileLenNumber); },
        [&] { srv.setFileLenMode(KyTestFileService::FileLenShort); },
        [&] { srv.setCloseAfter(100000); },
        [&] { srv.setReplyDelay("GetFile", 2500); },
        [&] { srv.setNoReply("GetFile"); },
    };
    int id = 100;
    for (const auto& arm : faults) {
        arm();
        QVERIFY(rig.worker->getFile(rig.root() + "/music/s.mp3", target, ++id));
        QVERIFY(rig.drain());
        QCOMPARE(rig.failuresOf(id).size(), 1);
        QCOMPARE(rig.progress.last().id, id);
        QCOMPARE(rig.progress.last().status, -1);
        QCOMPARE(KyFileTestRig::readFile(target), QByteArray("old content"));
        QCOMPARE(entriesOf(rig.localDir()), QStringList{"s.mp3"});
    }
    // A file the server does not have, then one that works and replaces the old content.
    QVERIFY(rig.worker->getFile(rig.root() + "/music/none.mp3", rig.localDir() + "/none.mp3", 200));
    QVERIFY(rig.worker->getFile(rig.root() + "/music/s.mp3", target, 201));
    QVERIFY(rig.drain());
    QCOMPARE(rig.endsOf(200, 0).first().status, -1);
    QCOMPARE(rig.endsOf(201, song.size()).size(), 1);
    QCOMPARE(rig.endsOf(201, song.size()).first().status, 0);
    QCOMPARE(KyFileTestRig::readFile(target), song);
    QCOMPARE(entriesOf(rig.localDir()), QStringList{"s.mp3"});
    // The bytes reported at a failure are the bytes received before it.
    QCOMPARE(rig.endsOf(105, song.size()).first().size, 100000);
}

void TestFileTransfer::failedUploadsAreReported()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.1);
    const QByteArray data = KyFileTestRig::randomBytes(100000, 5);
    const QString local = rig.localDir() + "/u.mp3";
    KyFileTestRig::writeFile(local, data);

    rig.service->setNoReply("PostFile");
    rig.worker->postFile(local, "/u1.mp3", 1);
    QVERIFY(rig.drain());
    rig.service->setCloseAfter(30000);
    rig.worker->postFile(local, "/u2.mp3", 2);
    QVERIFY(rig.drain());
    rig.worker->postFile(rig.localDir() + "/missing.mp3", "/u3.mp3", 3);
    QVERIFY(rig.drain());
    QVERIFY(rig.service->requests("PostFile").size() == 2);

    for (int id = 1; id <= 3; ++id) {
        const auto ends = rig.endsOf(id, data.size());
        QCOMPARE(ends.size(), 1);
        QCOMPARE(ends.first().status, -1);
    }
    QCOMPARE(rig.endsOf(3, data.size()).first().size, 0);
    QVERIFY(!QFile::exists(rig.srvDir() + "/u2.mp3"));

    // No server at all.
    rig.service->stop();
    rig.worker->postFile(local, "/u4.mp3", 4);
    QVERIFY(rig.waitUntil([&] { return !rig.endsOf(4, data.size()).isEmpty(); }));
    QCOMPARE(rig.endsOf(4, data.size()).first().status, -1);
    QCOMPARE(rig.endsOf(4, data.size()).first().size, 0);
}

void TestFileTransfer::recordEndpointChoice()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.1);
    KyTestFileService record(rig.tmp.path() + "/rec");
    QVERIFY(record.start(0, QStringLiteral("127.0.0.2")) != 0);
    const QByteArray call = KyFileTestRig::randomBytes(500000, 11);
    KyFileTestRig::writeFile(record.folder() + "/talk_record_file/c1.wav", call);
    KyFileTestRig::writeFile(record.folder() + "/talk_record_file/zero.wav", QByteArray());
    KyFileTestRig::writeFile(rig.srvDir() + "/talk_record_file/c1.wav", "main copy");
    KyFileTestRig::writeFile(rig.srvDir() + "/music/m.mp3", "music");
    KyFileTestRig::writeFile(record.folder() + "/music/m.mp3", "not here");
    const QString rec = "/data/media/talk_record_file/";

    rig.worker->setRecordServer(QStringLiteral("127.0.0.2"), record.port());
    QCOMPARE(rig.worker->recordHost(), QStringLiteral("127.0.0.2"));
    QCOMPARE(rig.worker->recordPort(), int(record.port()));
    rig.worker->getFile(rec + "c1.wav", rig.localDir() + "/c1.wav", 1);
    rig.worker->getFile(rec + "zero.wav", rig.localDir() + "/zero.wav", 2);
    rig.worker->getFile("/data/media/music/m.mp3", rig.localDir() + "/m.mp3", 3);
    QVERIFY(rig.drain());
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/c1.wav"), call);
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/m.mp3"), QByteArray("music"));
    QCOMPARE(int(record.requests("GetFile").size()), 2);
    QCOMPARE(int(rig.service->requests("GetFile").size()), 1);
    // Recordings report through their own signal: rising percents, then 100 and 1.
    QList<KyFileTestRig::Tip> c1, zero;
    for (const auto& t : rig.tips)
        (t.name == QLatin1String("c1.wav") ? c1 : zero).append(t);
    QVERIFY(c1.size() >= 2);
    for (int i = 0; i + 1 < c1.size(); ++i) {
        QCOMPARE(c1.at(i).status, 0);
        QVERIFY(i == 0 || c1.at(i).percent > c1.at(i - 1).percent);
    }
    QCOMPARE(c1.last().percent, 100);
    QCOMPARE(c1.last().status, 1);
    QCOMPARE(zero.size(), 1);
    QCOMPARE(zero.first().name, QStringLiteral("zero.wav"));
    QCOMPARE(zero.first().percent, 100);
    QCOMPARE(zero.first().status, 1);
    QCOMPARE(rig.endsOf(3, 5).size(), 1);

    // Record host empty, "127.0.0.1", or the main host itself: the main endpoint.
    const QStringList hosts = {QString(), QStringLiteral("127.0.0.1"), QStringLiteral("localhost")};
    for (const QString& host : hosts) {
        if (host == QLatin1String("localhost"))
            rig.worker->setServer(host, rig.service->port());
        rig.worker->setRecordServer(host, record.port());
        rig.service->clearRequests();
        record.clearRequests();
        rig.worker->getFile("/x/TalkServerData/record/c1.wav", rig.localDir() + "/main.wav", 4);
        rig.worker->getFile(rec + "c1.wav", rig.localDir() + "/main.wav", 4);
        QVERIFY(rig.drain());
        QCOMPARE(int(rig.service->requests("GetFile").size()), 2);
        QVERIFY(record.requests().empty());
    }
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/main.wav"), QByteArray("main copy"));

    // A recording whose server does not answer fails at 0 percent.
    rig.worker->setServer(QStringLiteral("127.0.0.1"), rig.service->port());
    rig.worker->setRecordServer(QStringLiteral("127.0.0.2"), record.port());
    record.setNoReply("GetFile");
    rig.tips.clear();
    rig.worker->getFile(rec + "c1.wav", rig.localDir() + "/late.wav", 5);
    QVERIFY(rig.drain());
    QCOMPARE(rig.tips.size(), 1);
    QCOMPARE(rig.tips.first().percent, 0);
    QCOMPARE(rig.tips.first().status, -1);
    QVERIFY(!QFile::exists(rig.localDir() + "/late.wav"));
}

void TestFileTransfer::facadeResultsAndRefusals()
{
    KyFileTestRig rig(TcpSocketClient::instance());
    for (const char* name : {"ok.mp3", "dots..mp3", "x", "b", "nul", "evil.mp3"})
        KyFileTestRig::writeFile(rig.srvDir() + "/music/" + name, name);
    KyFtpMng* mng = KyFtpMng::instance();
    g_mediaRootPath8 = "/data/media";
    const std::string local = rig.localDir().toStdString();
    // A server's name joined to the music folder and to the chosen folder, as the media page does.
    const auto get = [&](const std::string& name, int id) {
        return mng->downloadFile("/data/media/music/" + name, local + "/" + name, id);
    };

    // Names that are not one plain component of the chosen folder are refused and nothing is sent;
    // ".." inside a name is no path component.
    const std::string nul("nul\0evil.mp3", 12);
    for (const std::string& name : {std::string(".."), std::string("."), std::string("./x"), std::string("a/../b"),
                                    std::string("..\\..\\evil.mp3"), nul})
        QCOMPARE(get(name, 1), -1);
    QCOMPARE(mng->downloadFile("/data/media/music/ok.mp3", local + "/../ok.mp3", 3), -1);
    QCOMPARE(get("dots..mp3", 4), 0);
    QCOMPARE(get("ok.mp3", 5), 0);
    QVERIFY(rig.drain());
    QCOMPARE(int(rig.service->requests("GetFile").size()), 2);
    QCOMPARE(entriesOf(rig.localDir()), (QStringList{"dots..mp3", "ok.mp3"}));
    QCOMPARE(entriesOf(rig.tmp.path()), (QStringList{"local", "srv"}));
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/dots..mp3"), QByteArray("dots..mp3"));

    // Queued requests answer 0; the facade's fixed answers; upload names remembered.
    const size_t before = kyUploadedNames().size();
    KyFileTestRig::writeFile(rig.localDir() + "/src.mp3", "up");
    QCOMPARE(mng->uploadFile(local + "/src.mp3", "/data/media/music/up.mp3", 6), 0);
    QCOMPARE(mng->uploadFile(local + "/ok.mp3", "plain.mp3", 7), 0);
    QCOMPARE(kyUploadedNames().size(), before + 2);
    QCOMPARE(QString::fromStdString(std::prev(kyUploadedNames().end(), 2)->name), QStringLiteral("up.mp3"));
    QCOMPARE(QString::fromStdString(kyUploadedNames().back().name), QStringLiteral("plain.mp3"));
    QCOMPARE(kyUploadedNames().back().state, 0);
    QCOMPARE(mng->ftpClient()->uploadedNameCount(), int(kyUploadedNames().size()));
    QCOMPARE(mng->transferState(3), 222);
    QCOMPARE(mng->deleteDir("/data/media/none"), 0);
    QCOMPARE(mng->deleteFile("/data/media/none.mp3"), 0);
    QCOMPARE(mng->createDir("/data/media/new"), 0);
    QCOMPARE(mng->renameFile("/data/media/new", "/data/media/new2", 1), 0);
    QVERIFY(rig.drain());
    // The stored name is the local file's name; the remote path gives the folder.
    QCOMPARE(KyFileTestRig::readFile(rig.srvDir() + "/music/src.mp3"), QByteArray("up"));
    QVERIFY(QFileInfo(rig.srvDir() + "/new2").isDir());
}

QTEST_MAIN(TestFileTransfer)
#include "test_filetransfer.moc"
