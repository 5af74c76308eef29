// Request texts, path fields and the simple operations of the file-service worker;
// deep JSON replies fail their task and the worker goes on.
#include <QtTest>

#include "KyFileTestRig.h"
#include "KyJson.h"

class TestFileRequests : public QObject {
    Q_OBJECT
private slots:
    void requestTextsWithRootKnown();
    void pathFieldsRootUnknown();
    void pathFieldsRootEndingInSlash();
    void escapedValuesAndOverlongRequests();
    void deleteDirGating();
    void operationsReportFailures();
    void fileServiceDeepReplies();
};

void TestFileRequests::requestTextsWithRootKnown()
{
    KyFileTestRig rig;
    const QByteArray song = KyFileTestRig::randomBytes(5000, 1);
    KyFileTestRig::writeFile(rig.srvDir() + "/music/a.mp3", song);
    QDir().mkpath(rig.srvDir() + "/music/sub");
    KyFileTestRig::writeFile(rig.localDir() + "/up.mp3", "0123456789");

    rig.worker->getFileRoot();
    QVERIFY(rig.waitUntil([&] { return !rig.roots.isEmpty(); }));
    QCOMPARE(rig.roots.first(), QStringLiteral("/data/media"));
    QCOMPARE(rig.worker->mediaRoot(), QStringLiteral("/data/media"));
    g_mediaRootPath8 = "/data/media";

    const QString r = rig.root();
    rig.worker->getFileList(r + "/music");
    QVERIFY(rig.worker->getFile(r + "/music/a.mp3", rig.localDir() + "/a.mp3", 5));
    rig.worker->postFile(rig.localDir() + "/up.mp3", r + "/music/up.mp3", 6);
    rig.worker->deleteEntry(r + "/music/a.mp3", 0);
    rig.worker->createDir(r + "/music/new");
    rig.worker->deleteEntry(r + "/music/new", 1);
    rig.worker->rename(r + "/music/up.mp3", r + "/music/up2.mp3", 0);
    rig.worker->rename(r + "/music", r + "/songs", 1);
    rig.worker->rename(r + "/songs/sub", r + "/songs/sub2", 1);
    QVERIFY(rig.drain());

    const QList<QByteArray> expected = {
        "{\"Command\":\"GetFileRoot\",\"CSeq\":\"1\"}\r\n\r\n",
        "{\"Command\":\"GetFileList\",\"DirName\":\"/data/media/music\",\"CSeq\":\"2\"}\r\n\r\n",
        "{\"Command\": \"GetFile\", \"CSeq\": \"3\", \"DirName\": \"/data/media/music\", \"FileName\": \"a.mp3\"}\r\n\r\n",
        "{\"Command\":\"PostFile\",\"DirName\":\"/data/media/music\",\"CSeq\":\"4\",\"FileName\":\"up.mp3\", "
        "\"FileLen\":\"10\"}\r\n\r\n",
        "{\"Command\":\"GetFileList\",\"DirName\":\"/data/media/music\",\"CSeq\":\"5\"}\r\n\r\n",
        "{\"Command\":\"DelFile\",\"DirName\":\"/data/media/music\",\"FileName\":\"a.mp3\",\"CSeq\":\"6\"}\r\n\r\n",
        "{\"Command\":\"CreatDIR\",\"DirName\":\"music/new\",\"CSeq\":\"7\"}\r\n\r\n",
        "{\"Command\":\"GetFileList\",\"DirName\":\"/data/media/music/new\",\"CSeq\":\"8\"}\r\n\r\n",
        "{\"Command\":\"DeleteDIR\",\"DirName\":\"music/new\",\"CSeq\":\"9\"}\r\n\r\n",
        "{\"Command\":\"RenameFile\",\"CSeq\":\"10\",\"DirName\":\"/music\",\"OldFileName\":\"up.mp3\","
        "\"NewFileName\":\"up2.mp3\"}\r\n\r\n",
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"11\",\"DirName\":\"\",\"OldDirName\":\"/music\",\"NewDirName\":\"/songs\"}"
        "\r\n\r\n",
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"12\",\"DirName\":\"\",\"OldDirName\":\"/songs/sub\","
        "\"NewDirName\":\"/songs/sub2\"}\r\n\r\n",
        "{\"Command\":\"GetFileRoot\",\"CSeq\":\"13\"}\r\n\r\n",
    };
    QCOMPARE(rig.raws(), expected);

    // What the stand-in did with them.
    QCOMPARE(KyFileTestRig::readFile(rig.localDir() + "/a.mp3"), song);
    QCOMPARE(KyFileTestRig::readFile(rig.srvDir() + "/songs/up2.mp3"), QByteArray("0123456789"));
    QVERIFY(!QFile::exists(rig.srvDir() + "/songs/a.mp3"));
    QVERIFY(QFileInfo(rig.srvDir() + "/songs/sub2").isDir());
    QVERIFY(!QFileInfo(rig.srvDir() + "/songs/new").exists());
    QCOMPARE(rig.updates, 1);
    QVERIFY(rig.errors.isEmpty());
}

void TestFileRequests::pathFieldsRootUnknown()
{
    KyFileTestRig rig;
    g_mediaRootPath8 = "/";
    rig.worker->createDir("/data/media/music/new");
    rig.worker->rename("/data/media/music/a.mp3", "/data/media/music/b.mp3", 0);
    rig.worker->rename("/data/media/a", "/data/media/b", 1);
    rig.worker->rename("a", "b", 1);
    rig.worker->deleteEntry("x.mp3", 0);
    QVERIFY(rig.drain());
    QCOMPARE(rig.raws(), (QList<QByteArray>{
        "{\"Command\":\"CreatDIR\",\"DirName\":\"data/media/music/new\",\"CSeq\":\"1\"}\r\n\r\n",
        "{\"Command\":\"RenameFile\",\"CSeq\":\"2\",\"DirName\":\"/data/media/music\","
        "\"OldFileName\":\"a.mp3\",\"NewFileName\":\"b.mp3\"}\r\n\r\n",
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"3\",\"DirName\":\"\","
        "\"OldDirName\":\"/data/media/a\",\"NewDirName\":\"/data/media/b\"}\r\n\r\n",
        // A path without "/": empty folder and names.
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"4\",\"DirName\":\"\",\"OldDirName\":\"/\",\"NewDirName\":\"/\"}\r\n\r\n",
        "{\"Command\":\"DelFile\",\"DirName\":\"\",\"FileName\":\"\",\"CSeq\":\"5\"}\r\n\r\n",
        "{\"Command\":\"GetFileRoot\",\"CSeq\":\"6\"}\r\n\r\n",
    }));
}

void TestFileRequests::pathFieldsRootEndingInSlash()
{
    KyFileTestRig rig(nullptr, QStringLiteral("/data/media/"));
    QDir().mkpath(rig.srvDir() + "/music/x");
    rig.worker->getFileRoot();
    QVERIFY(rig.waitUntil([&] { return !rig.roots.isEmpty(); }));
    QCOMPARE(rig.worker->mediaRoot(), QStringLiteral("/data/media/"));
    g_mediaRootPath8 = "/data/media/";
    rig.worker->createDir("/data/media/music/new");
    rig.worker->rename("/data/media/music/x", "/data/media/music/y", 1);
    rig.worker->rename("/data/media/music", "/data/media/songs", 1);
    QVERIFY(rig.drain());
    QCOMPARE(rig.raws(), (QList<QByteArray>{
        "{\"Command\":\"GetFileRoot\",\"CSeq\":\"1\"}\r\n\r\n",
        "{\"Command\":\"CreatDIR\",\"DirName\":\"music/new\",\"CSeq\":\"2\"}\r\n\r\n",
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"3\",\"DirName\":\"\","
        "\"OldDirName\":\"music/x\",\"NewDirName\":\"music/y\"}\r\n\r\n",
        "{\"Command\":\"RenameDIR\",\"CSeq\":\"4\",\"DirName\":\"\","
        "\"OldDirName\":\"/music\",\"NewDirName\":\"/songs\"}\r\n\r\n",
        "{\"Command\":\"GetFileRoot\",\"CSeq\":\"5\"}\r\n\r\n",
    }));
    QVERIFY(QFileInfo(rig.srvDir() + "/songs/y").isDir());
    QVERIFY(QFileInfo(rig.srvDir() + "/songs/new").isDir());
    g_mediaRootPath8 = "/";
}

void TestFileRequests::escapedValuesAndOverlongRequests()
{
    KyFileTestRig rig;
    g_mediaRootPath8 = "/data/media";
    const QString odd = QStringLiteral("引号\"和\\反斜杠\t");
    rig.worker->createDir("/data/media/" + odd);
    rig.worker->deleteEntry("/data/media/dir/" + odd, 0);
    rig.worker->createDir("/data/media/" + QString(5000, 'n'));
    rig.worker->rename("/data/media/a", "/data/media/" + QString(5000, 'n'), 0);
    QVERIFY(rig.drain());

    const auto created = rig.service->requests("CreatDIR");
    QCOMPARE(int(created.size()), 1);
    QVERIFY(created[0].raw.contains("\\u0009"));
    QCOMPARE(QString::fromStdString(created[0].json["DirName"].asString()), odd);
    const auto deleted = rig.service->requests("DelFile");
    QCOMPARE(int(deleted.size()), 1);
    QCOMPARE(QString::fromStdString(deleted[0].json["FileName"].asString()), odd);
    QCOMPARE(QString::fromStdString(deleted[0].json["DirName"].asString()), QStringLiteral("/data/media/dir"));
    QVERIFY(rig.service->requests("RenameFile").empty());

    // Requests that do not fit their buffer are not sent and count as failed.
    QCOMPARE(rig.errors.size(), 2);
    QCOMPARE(rig.errors.at(0).code, 6);
    QCOMPARE(rig.errors.at(0).path, QString(5000, 'n'));
    QCOMPARE(rig.errors.at(0).status, -1);
    QCOMPARE(rig.errors.at(1).code, 7);
    QCOMPARE(rig.errors.at(1).path, QStringLiteral("a"));
    QCOMPARE(rig.errors.at(1).status, 0);
}

void TestFileRequests::deleteDirGating()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.1);
    g_mediaRootPath8 = "/data/media";
    KyFileTestRig::writeFile(rig.srvDir() + "/files/a.mp3", "a");
    QDir().mkpath(rig.srvDir() + "/nested/sub");
    QDir().mkpath(rig.srvDir() + "/bad");
    QDir().mkpath(rig.srvDir() + "/quiet");
    const auto deletes = [&] { return int(rig.service->requests("DeleteDIR").size()); };

    // Only files: the check passes and DeleteDIR goes out.
    rig.worker->deleteEntry("/data/media/files", 1);
    QVERIFY(rig.drain());
    QCOMPARE(deletes(), 1);
    QVERIFY(!QFileInfo::exists(rig.srvDir() + "/files"));
    QVERIFY(rig.errors.isEmpty());

    // A sub-folder: refused with status 1, nothing deleted.
    rig.worker->deleteEntry("/data/media/nested", 1);
    QVERIFY(rig.drain());
    // A check reply that is not JSON, or has no list, is a failed check.
    rig.service->setListingNotJson();
    rig.worker->deleteEntry("/data/media/bad", 1);
    QVERIFY(rig.drain());
    rig.worker->deleteEntry("/data/media/gone", 1);
    QVERIFY(rig.drain());
    QCOMPARE(deletes(), 1);
    QVERIFY(QFileInfo(rig.srvDir() + "/nested/sub").isDir());
    QVERIFY(QFileInfo(rig.srvDir() + "/bad").isDir());

    // The check passes but DeleteDIR is not answered.
    rig.service->setNoReply("DeleteDIR");
    rig.worker->deleteEntry("/data/media/quiet", 1);
    QVERIFY(rig.drain());
    QCOMPARE(deletes(), 2);

    QCOMPARE(rig.errors.size(), 4);
    const QStringList names = {"nested", "bad", "gone", "quiet"};
    const QList<int> statuses = {1, -1, -1, -1};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(rig.errors.at(i).code, 3);
        QCOMPARE(rig.errors.at(i).path, names.at(i));
        QCOMPARE(rig.errors.at(i).status, statuses.at(i));
    }
}

void TestFileRequests::operationsReportFailures()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.1);
    g_mediaRootPath8 = "/data/media";
    KyFileTestRig::writeFile(rig.srvDir() + "/music/a.mp3", "x");

    rig.service->setNoReply("DelFile");
    rig.service->setReplyDelay("RenameFile", 1500);
    rig.service->setNoReply("RenameDIR");
    rig.service->setNoReply("CreatDIR");
    rig.worker->deleteEntry("/data/media/music/a.mp3", 0);
    rig.worker->rename("/data/media/music/a.mp3", "/data/media/music/b.mp3", 0);
    rig.worker->rename("/data/media/music", "/data/media/songs", 1);
    rig.worker->createDir("/data/media/new");
    QVERIFY(rig.drain());
    QCOMPARE(rig.errors.size(), 4);
    const int want[4][2] = {{2, -1}, {7, 0}, {7, 1}, {6, -1}};
    const QStringList names = {"a.mp3", "a.mp3", "music", "new"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(rig.errors.at(i).code, want[i][0]);
        QCOMPARE(rig.errors.at(i).status, want[i][1]);
        QCOMPARE(rig.errors.at(i).path, names.at(i));
    }
    QCOMPARE(rig.updates, 0);

    // A media-root reply in pieces is assembled; a late one changes nothing.
    rig.service->setSplitReply("GetFileRoot", 4, 30);
    rig.roots.clear();
    QVERIFY(rig.drain());
    QCOMPARE(rig.roots, QStringList{"/data/media"});
    rig.service->setReplyDelay("GetFileRoot", 1500);
    rig.worker->getFileRoot();
    QVERIFY(rig.drain());
    QCOMPARE(rig.roots.size(), 2);

    // The server unreachable: every operation reports, nothing hangs.
    rig.service->stop();
    rig.errors.clear();
    rig.worker->deleteEntry("/data/media/music", 1);
    rig.worker->getFileList("/data/media/music");
    rig.worker->createDir("/data/media/new");
    QVERIFY(rig.waitUntil([&] { return rig.errors.size() == 3; }));
    QCOMPARE(rig.errors.at(0).code, 3);
    QCOMPARE(rig.errors.at(0).status, -1);
    QCOMPARE(rig.errors.at(1).code, 1);
    QCOMPARE(rig.errors.at(1).path, QStringLiteral("music"));
    QCOMPARE(rig.errors.at(2).code, 6);
}

// The file-service worker fed deep JSON as a listing reply and as a download
// header: the listing and the transfer fail, the worker takes the next task.
void TestFileRequests::fileServiceDeepReplies()
{
    KyFileTestRig rig;
    const QByteArray song = KyFileTestRig::randomBytes(3000, 7);
    KyFileTestRig::writeFile(rig.srvDir() + "/a.mp3", song);
    const QString local = rig.localDir() + "/a.mp3";

    rig.service->setListingNotJson(1, true);
    rig.worker->getFileList(rig.root());
    QVERIFY(rig.waitUntil([&] { return !rig.errors.isEmpty(); }));
    QCOMPARE(rig.errors.first().code, 1);

    rig.service->setFileLenMode(KyTestFileService::FileLenDeepJson);
    QVERIFY(rig.worker->getFile(rig.root() + "/a.mp3", local, 7));
    QVERIFY(rig.worker->getFile(rig.root() + "/a.mp3", local, 8));
    QVERIFY(rig.drain());
    QCOMPARE(rig.failuresOf(7).size(), 1);
    QCOMPARE(rig.endsOf(8, song.size()).size(), 1);
    QCOMPARE(rig.endsOf(8, song.size()).first().status, 0);
    QCOMPARE(KyFileTestRig::readFile(local), song);
}

QTEST_MAIN(TestFileRequests)
#include "test_filerequests.moc"
