// Listings of the file-service worker and their way to the facade's listeners.
#include <QtTest>

#include "KyCFtpClient.h"
#include "KyFileConnection.h"
#include "KyFileTestRig.h"
#include "KyFtpMng.h"

namespace {

struct Listener : KyMediaListListener {
    QList<QList<KyMediaFile_t>> lists;
    QList<QThread*> threads;
    void ftpListForward(const QList<KyMediaFile_t>& list) override
    {
        lists.append(list);
        threads.append(QThread::currentThread());
    }
};

QStringList namesOf(const QList<KyMediaFile_t>& list)
{
    QStringList out;
    for (const KyMediaFile_t& f : list)
        out.append(f.fileName);
    return out;
}

} // namespace

class TestFileListing : public QObject {
    Q_OBJECT
private slots:
    void listingOrderAndFields();
    void unusableAndSplitListings();
    void facadeHandsListsToListeners();
    void uploadQueuesListingOfItsFolder();
};

void TestFileListing::listingOrderAndFields()
{
    KyFileTestRig rig(TcpSocketClient::instance());
    for (const char* n : {"张三.mp3", "b.mp3", "北京.mp3", "A.mp3", "阿里.mp3"})
        KyFileTestRig::writeFile(rig.srvDir() + "/music/" + QString::fromUtf8(n), QByteArray(7, 'x'));
    for (const char* n : {"x", "中文", "Ab"})
        QDir().mkpath(rig.srvDir() + "/music/" + QString::fromUtf8(n));

    Listener listener;
    KyFtpMng::instance()->ftpClient()->mediaListener = &listener;
    KyFtpMng::instance()->getFileList(rig.root() + "/music");
    QVERIFY(rig.waitUntil([&] { return listener.lists.size() == 1; }));
    const QList<KyMediaFile_t> list = listener.lists.first();
    // Folders first; Chinese names in pinyin order (not code-point order), ahead of Latin ones.
    QCOMPARE(namesOf(list), (QStringList{"中文", "Ab", "x", "阿里.mp3", "北京.mp3", "张三.mp3", "A.mp3", "b.mp3"}));
    QCOMPARE(list.at(0).isDir, 1);
    QCOMPARE(list.at(0).fileSize, QStringLiteral("-1"));
    QCOMPARE(list.at(6).isDir, 0);
    QCOMPARE(list.at(6).fileSize, QStringLiteral("7"));
    QCOMPARE(list.at(6).fullName, QStringLiteral("A.mp3"));
    QVERIFY(list.at(6).path.isEmpty());
    QCOMPARE(list.at(6).createDate.size(), 19);
    QCOMPARE(namesOf(KyFtpMng::instance()->ftpClient()->mediaList), namesOf(list));
    QCOMPARE(listener.threads.first(), QThread::currentThread());
    KyFtpMng::instance()->ftpClient()->mediaListener = nullptr;
}

void TestFileListing::unusableAndSplitListings()
{
    KyFileTestRig rig;
    rig.worker->setTimeScale(0.05);
    QDir().mkpath(rig.srvDir() + "/music/sub");
    KyFileTestRig::writeFile(rig.srvDir() + "/music/a.mp3", "a");
    QDir().mkpath(rig.srvDir() + "/empty");
    static QList<QList<KyMediaFile_t>> hooked;
    hooked.clear();
    rig.worker->setMediaListCallback([](const QList<KyMediaFile_t>& l) { hooked.append(l); });

    rig.service->setSplitReply("GetFileList", 6, 40);
    rig.worker->getFileList(rig.root() + "/music");
    QVERIFY(rig.drain());
    rig.service->setListingNotJson();
    rig.worker->getFileList(rig.root() + "/empty");
    rig.worker->getFileList(rig.root() + "/missing");
    rig.worker->getFileList(rig.root() + "/empty");
    QVERIFY(rig.drain());
    QCOMPARE(hooked.size(), 2);
    QCOMPARE(namesOf(hooked.at(0)), (QStringList{"sub", "a.mp3"}));
    QVERIFY(hooked.at(1).isEmpty());
    // Not JSON, and a reply without a list: error 1 under the new path, no stale list handed on.
    QCOMPARE(rig.errors.size(), 2);
    QCOMPARE(rig.errors.at(0).code, 1);
    QCOMPARE(rig.errors.at(0).path, QStringLiteral("empty"));
    QCOMPARE(rig.errors.at(0).status, -1);
    QCOMPARE(rig.errors.at(1).path, QStringLiteral("missing"));

    // A reply slower than the wait (1500 ms scaled) fails with error 1.
    rig.service->setReplyDelay("GetFileList", 2500);
    rig.worker->getFileList(rig.root() + "/music");
    QVERIFY(rig.drain());
    QCOMPARE(rig.errors.size(), 3);
    QCOMPARE(rig.errors.at(2).path, QStringLiteral("music"));
    QCOMPARE(hooked.size(), 2);

    // Blanks ahead of a reply are read through; a reply that runs past the bound
    // without its terminator fails instead of growing without end.
    rig.service->setReplyPadding("GetFileList", 100000);
    rig.worker->getFileList(rig.root() + "/music");
    QVERIFY(rig.drain());
    QCOMPARE(hooked.size(), 3);
    QCOMPARE(namesOf(hooked.at(2)), (QStringList{"sub", "a.mp3"}));
    rig.service->setReplyPadding("GetFileList", KyFileConnection::kMaxReplyText + 4096);
    rig.worker->getFileList(rig.root() + "/music");
    QVERIFY(rig.drain());
    QCOMPARE(hooked.size(), 3);
    QCOMPARE(rig.errors.size(), 4);
    QCOMPARE(rig.errors.at(3).code, 1);
    QCOMPARE(rig.errors.at(3).path, QStringLiteral("music"));
    rig.worker->setMediaListCallback(nullptr);
}

void TestFileListing::facadeHandsListsToListeners()
{
    KyFileTestRig rig(TcpSocketClient::instance());
    KyFileTestRig::writeFile(rig.srvDir() + "/task/t.mp3", "t");
    KyCFtpClient* client = KyFtpMng::instance()->ftpClient();

    // The task-media listing runs on the calling thread and reaches the listener before it returns.
    {
        Listener task;
        client->taskMediaListener = &task;
        KyFtpMng::instance()->getTaskFileList(rig.root() + "/task");
        QCOMPARE(task.lists.size(), 1);
        QCOMPARE(namesOf(task.lists.first()), QStringList{"t.mp3"});
        QCOMPARE(task.threads.first(), QThread::currentThread());
        QCOMPARE(namesOf(client->taskMediaList), QStringList{"t.mp3"});
    }
    // A destroyed listener is forgotten.
    QVERIFY(client->taskMediaListener == nullptr);
    KyFtpMng::instance()->getTaskFileList(rig.root() + "/task");
    QCOMPARE(namesOf(client->taskMediaList), QStringList{"t.mp3"});

    // A media listing with no listener still replaces the facade's list; a failed one leaves it empty.
    client->mediaListener = nullptr;
    KyFtpMng::instance()->getFileList(rig.root() + "/task");
    QVERIFY(rig.drain());
    QCOMPARE(namesOf(client->mediaList), QStringList{"t.mp3"});
    rig.service->setListingNotJson();
    KyFtpMng::instance()->getFileList(rig.root() + "/task");
    QVERIFY(rig.drain());
    QVERIFY(client->mediaList.isEmpty());
    QCOMPARE(rig.errors.size(), 1);
}

void TestFileListing::uploadQueuesListingOfItsFolder()
{
    KyFileTestRig rig;
    KyFileTestRig::writeFile(rig.localDir() + "/u.mp3", "u");
    rig.worker->postFile(rig.localDir() + "/u.mp3", rig.root() + "/music/u.mp3", 3);
    rig.worker->postFile(rig.localDir() + "/u.mp3", "name.mp3", 4);
    rig.worker->postFile(rig.localDir() + "/u.mp3", "/name.mp3", 5);
    QVERIFY(rig.drain());
    QStringList sequence;
    for (const auto& r : rig.service->requests())
        sequence.append(r.command + ":" + QString::fromStdString(r.json.get("DirName", "").asString()));
    QCOMPARE(sequence, (QStringList{"PostFile:/data/media/music", "GetFileList:/data/media/music",
                                    "PostFile:", "GetFileList:name.mp3", "PostFile:", "GetFileRoot:"}));
}

QTEST_MAIN(TestFileListing)
#include "test_filelisting.moc"
