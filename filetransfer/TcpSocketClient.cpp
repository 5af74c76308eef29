#include "TcpSocketClient.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDebug>
#include <QMutexLocker>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "KyFileConnection.h"
#include "KyFileRequest.h"

using namespace KyFileRequest;

std::string g_mediaRootPath8 = "/";

namespace {

constexpr int kIdlePoll = 20;

// Directories first, then files, each part in the Chinese collation order.
// Each name's sort key is made once; comparing keys is much cheaper than
// collating the names at every comparison.
void sortMediaList(QList<KyMediaFile_t>& list)
{
    if (list.size() < 2)
        return;
    QCollator collator;
    collator.setLocale(QLocale(QLocale::Chinese));
    std::vector<std::pair<QCollatorSortKey, int>> keys;
    keys.reserve(size_t(list.size()));
    for (int i = 0; i < list.size(); ++i)
        keys.emplace_back(collator.sortKey(list.at(i).fileName), i);
    std::stable_sort(keys.begin(), keys.end(), [&list](const auto& a, const auto& b) {
        const int dirA = list.at(a.second).isDir ? 0 : 1, dirB = list.at(b.second).isDir ? 0 : 1;
        return dirA != dirB ? dirA < dirB : a.first.compare(b.first) < 0;
    });
    QList<KyMediaFile_t> sorted;
    sorted.reserve(list.size());
    for (const auto& k : keys)
        sorted.append(list.at(k.second));
    list.swap(sorted);
}

} // namespace

TcpSocketClient* TcpSocketClient::instance()
{
    static TcpSocketClient* worker = new TcpSocketClient();
    return worker;
}

TcpSocketClient::TcpSocketClient(QObject* parent) : QThread(parent)
{
    qRegisterMetaType<KyMediaFile_t>("KyMediaFile_t");
    qRegisterMetaType<QList<KyMediaFile_t>>("QList<KyMediaFile_t>");
}

TcpSocketClient::~TcpSocketClient()
{
    stop();
}

void TcpSocketClient::stop()
{
    requestInterruption();
    wait();
}

void TcpSocketClient::setServer(const QString& ip, int port)
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    mServerIp = ip;
    mServerPort = port;
}

void TcpSocketClient::setRecordServer(const QString& host, int port)
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    mRecordServerIp = host;
    mRecordServerPort = port;
}

QString TcpSocketClient::recordHost() const
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    return mRecordServerIp;
}

int TcpSocketClient::recordPort() const
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    return mRecordServerPort;
}

TcpSocketClient::Endpoint TcpSocketClient::endpoint(bool recording) const
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    const bool useRecord = recording && !mRecordServerIp.isEmpty() && mRecordServerIp != mServerIp
        && mRecordServerIp != QLatin1String("127.0.0.1");
    return useRecord ? Endpoint{mRecordServerIp, mRecordServerPort} : Endpoint{mServerIp, mServerPort};
}

QString TcpSocketClient::mediaRoot() const
{
    std::lock_guard<std::mutex> lock(mStateMutex);
    return mMediaRoot;
}

QString TcpSocketClient::fileNameOfPath(const QString& path)
{
    return KyFileRequest::fileNameOfPath(path);
}

QString TcpSocketClient::dirOfPath(const QString& path)
{
    return KyFileRequest::dirOfPath(path);
}

void TcpSocketClient::enqueue(const KyFileTask& task)
{
    std::lock_guard<std::mutex> lock(mTaskMutex);
    mTaskList.append(task);
}

bool TcpSocketClient::takeTask(KyFileTask* task)
{
    std::lock_guard<std::mutex> lock(mTaskMutex);
    if (mTaskList.isEmpty())
        return false;
    *task = mTaskList.takeFirst();
    return true;
}

void TcpSocketClient::queue(int type, int mode, const QString& source, const QString& target, int id)
{
    KyFileTask t;
    t.type = type;
    t.mode = mode;
    t.sourcePath = source;
    t.targetPath = target;
    t.id = id;
    t.root8 = QByteArray::fromStdString(g_mediaRootPath8);
    enqueue(t);
}

void TcpSocketClient::getFileRoot()
{
    queue(1, 3, QString(), QString(), 0);
}

void TcpSocketClient::getFileList(const QString& dir)
{
    queue(2, 0, QString(), dir, 0);
}

void TcpSocketClient::getTaskFileList(const QString& dir)
{
    KyFileTask t;
    t.type = 2;
    t.mode = 1;
    t.targetPath = dir;
    runListing(t);
}

bool TcpSocketClient::getFile(const QString& remotePath, const QString& localPath, int id)
{
    if (!isSafeDownload(fileNameOfPath(remotePath), localPath))
        return false;
    queue(3, 3, remotePath, localPath, id);
    return true;
}

void TcpSocketClient::postFile(const QString& localPath, const QString& remotePath, int id)
{
    queue(4, 3, localPath, remotePath, id);
    const int slash = remotePath.lastIndexOf('/');
    if (slash != 0)
        queue(2, 0, QString(), slash < 0 ? remotePath : remotePath.left(slash), id);
}

void TcpSocketClient::deleteEntry(const QString& path, int isDir)
{
    queue(5, isDir, QString(), path, 0);
}

void TcpSocketClient::rename(const QString& oldPath, const QString& newPath, int isDir)
{
    queue(6, isDir, oldPath, newPath, 0);
}

void TcpSocketClient::createDir(const QString& path)
{
    queue(8, 3, QString(), path, 0);
}

void TcpSocketClient::run()
{
    qDebug() << "当前线程对像地址：" << QThread::currentThread();
    while (!isInterruptionRequested()) {
        KyFileTask task;
        if (!takeTask(&task)) {
            msleep(kIdlePoll);
            continue;
        }
        runTask(task);
    }
}

void TcpSocketClient::runTask(const KyFileTask& task)
{
    switch (task.type) {
    case 1: runFileRoot(); break;
    case 2: runListing(task); break;
    case 3: runGetFile(task); break;
    case 4: runPostFile(task); break;
    case 5: runDelete(task); break;
    case 6: runRename(task); break;
    case 8: runCreateDir(task); break;
    default: break;
    }
}

bool TcpSocketClient::exchange(const QByteArray& request, int connectMs, int replyMs, bool perWait, QByteArray* reply)
{
    if (request.isEmpty()) {
        fprintf(stderr, "file-service request refused: too long\n");
        return false;
    }
    const Endpoint main = endpoint(false);
    KyFileConnection conn(main.host, main.port, scaled(connectMs));
    return conn.send(request, scaled(replyMs)) && conn.readReply(scaled(replyMs), perWait, reply);
}

void TcpSocketClient::runFileRoot()
{
    QByteArray text;
    Json::Value reply;
    if (!exchange(format(kGetFileRoot, {cseqText()}), kConnectWait, kReplyWait, false, &text)
        || !KyFileConnection::parseReply(text, reply))
        return;
    qDebug() << "Command : " << KyFileConnection::member(reply, "Command")
             << "CSeq : " << KyFileConnection::member(reply, "CSeq");
    if (KyFileConnection::member(reply, "Command") != QLatin1String("PostFileRoot"))
        return;
    bool present = false;
    const QString root = KyFileConnection::member(reply, "FileRoot", &present);
    QString now;
    {
        std::lock_guard<std::mutex> lock(mStateMutex);
        if (present)
            mMediaRoot = root;
        now = mMediaRoot;
    }
    qDebug() << "MediaRoot : " << now;
    emit socketGetMediaPath(now);
}

QByteArray TcpSocketClient::listRequest(const QString& dir)
{
    return format(kGetFileList, {dir.toUtf8(), cseqText()});
}

bool TcpSocketClient::fetchListing(const QString& dir, QList<KyMediaFile_t>* list, bool* usable)
{
    QByteArray text;
    *usable = false;
    if (!exchange(listRequest(dir), kListConnectWait, kLongWait, true, &text))
        return false;
    *usable = KyFileConnection::parseListing(text, list);
    return true;
}

void TcpSocketClient::runListing(const KyFileTask& task)
{
    const bool media = task.mode == 0;
    QList<KyMediaFile_t> list;
    bool usable = false;
    if (!fetchListing(task.targetPath, &list, &usable) || !usable) {
        if (!KyFileConnection::stopRequested())
            emit ftpError(1, fileNameOfPath(task.targetPath), -1);
        return;
    }
    sortMediaList(list);
    (media ? mMediaMgrInfoList : mTaskMediaInfoList) = list;
    printf(media ? "\r\nmMediaMgrInfoList size: %d\r\n" : "\r\nmTaskMediaInfoList size: %d\r\n", list.size());
    fflush(stdout);
    const ListCallback hook = media ? mMediaListCallback.load() : mTaskMediaListCallback.load();
    if (hook)
        hook(list);
}

TcpSocketClient::DirCheck TcpSocketClient::checkSubDirs(const QString& dir)
{
    QList<KyMediaFile_t> list;
    bool usable = false;
    if (!fetchListing(dir, &list, &usable) || !usable)
        return CheckFailed;
    for (const KyMediaFile_t& f : list) {
        if (f.isDir)
            return HasSubDir;
    }
    return NoSubDir;
}

void TcpSocketClient::runDelete(const KyFileTask& task)
{
    const QString name = fileNameOfPath(task.targetPath);
    QByteArray text;
    if (task.mode == 1) {
        const DirCheck check = checkSubDirs(task.targetPath);
        if (check != NoSubDir) {
            emit ftpError(3, name, check == HasSubDir ? 1 : -1);
            return;
        }
        const QByteArray dir = belowRoot(task.targetPath.toUtf8(), task.root8);
        if (!exchange(format(kDeleteDir, {dir, cseqText()}), kConnectWait, kReplyWait, false, &text)) {
            emit ftpError(3, name, -1);
            return;
        }
    } else {
        const QByteArray request =
            format(kDelFile, {dirOfPath(task.targetPath).toUtf8(), name.toUtf8(), cseqText()});
        if (!exchange(request, kConnectWait, kReplyWait, false, &text)) {
            emit ftpError(2, name, -1);
            return;
        }
    }
    Json::Value reply;
    if (KyFileConnection::parseReply(text, reply))
        qDebug() << "Command : " << KyFileConnection::member(reply, "Command")
                 << "CSeq : " << KyFileConnection::member(reply, "CSeq");
}

void TcpSocketClient::runRename(const KyFileTask& task)
{
    const QString folder = renameFolder(task.targetPath, mediaRoot());
    const QByteArray oldName = fileNameOfPath(task.sourcePath).toUtf8();
    const QByteArray newName = fileNameOfPath(task.targetPath).toUtf8();
    QByteArray request;
    if (task.mode == 1) {
        const QByteArray prefix = folder.toUtf8() + '/';
        request = format(kRenameDir, {cseqText(), prefix + oldName, prefix + newName});
    } else {
        request = format(kRenameFile, {cseqText(), folder.toUtf8(), oldName, newName});
    }
    QByteArray text;
    if (!exchange(request, kConnectWait, kReplyWait, false, &text))
        emit ftpError(7, fileNameOfPath(task.sourcePath), task.mode);
}

void TcpSocketClient::runCreateDir(const KyFileTask& task)
{
    const QByteArray dir = belowRoot(task.targetPath.toUtf8(), task.root8);
    QByteArray text;
    if (!exchange(format(kCreatDir, {dir, cseqText()}), kConnectWait, kReplyWait, false, &text)) {
        emit ftpError(6, fileNameOfPath(task.targetPath), -1);
        return;
    }
    Json::Value reply;
    if (!KyFileConnection::parseReply(text, reply))
        return;
    qDebug() << "Command : " << KyFileConnection::member(reply, "Command")
             << "CSeq : " << KyFileConnection::member(reply, "CSeq");
    if (KyFileConnection::member(reply, "Command") == QLatin1String("CreatDIR"))
        emit socketUpdateMedia();
}
