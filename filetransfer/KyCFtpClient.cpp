#include "KyCFtpClient.h"

#include "TcpSocketClient.h"

namespace {
KyCFtpClient* g_ftpClient = nullptr;
}

KyMediaListListener::~KyMediaListListener()
{
    if (g_ftpClient)
        g_ftpClient->forgetListener(this);
}

KyCFtpClient::KyCFtpClient(TcpSocketClient* worker) : mWorker(worker)
{
    g_ftpClient = this;
    QObject::connect(&mRelay, &KyFtpListRelay::mediaListArrived, &mRelay,
        [this](QList<KyMediaFile_t> list) { takeMediaList(list); }, Qt::QueuedConnection);
}

KyCFtpClient::~KyCFtpClient()
{
    if (g_ftpClient == this)
        g_ftpClient = nullptr;
}

KyCFtpClient* KyCFtpClient::current()
{
    return g_ftpClient;
}

void KyCFtpClient::setConnectionInfo(std::string h, int p, std::string u, std::string pw)
{
    host = h;
    port = p;
    user = u;
    password = pw;
}

bool KyCFtpClient::downloadFile(std::string remote, std::string local, int id)
{
    return mWorker->getFile(QString::fromStdString(remote), QString::fromStdString(local), id);
}

bool KyCFtpClient::rename(std::string oldPath, std::string newPath, int kind)
{
    mWorker->rename(QString::fromStdString(oldPath), QString::fromStdString(newPath), kind);
    return true;
}

bool KyCFtpClient::deleteFile(QString path)
{
    mWorker->deleteEntry(path, 0);
    return true;
}

bool KyCFtpClient::deleteDir(QString path)
{
    mWorker->deleteEntry(path, 1);
    return true;
}

bool KyCFtpClient::createDir(QString path)
{
    mWorker->createDir(path);
    return true;
}

bool KyCFtpClient::uploadFile(std::string local, std::string remote, int id)
{
    mWorker->postFile(QString::fromStdString(local), QString::fromStdString(remote), id);
    return true;
}

void KyCFtpClient::getFileList(QString dir)
{
    mediaList.clear();
    mWorker->setMediaListCallback(&KyCFtpClient::onMediaList);
    mWorker->getFileList(dir);
}

void KyCFtpClient::getTaskFileList(QString dir)
{
    taskMediaList.clear();
    mWorker->setTaskMediaListCallback(&KyCFtpClient::onTaskMediaList);
    mWorker->getTaskFileList(dir);
}

void KyCFtpClient::onMediaList(const QList<KyMediaFile_t>& list)
{
    if (g_ftpClient)
        emit g_ftpClient->mRelay.mediaListArrived(list);
}

void KyCFtpClient::onTaskMediaList(const QList<KyMediaFile_t>& list)
{
    KyCFtpClient* self = g_ftpClient;
    if (!self)
        return;
    self->taskMediaList = list;
    if (self->taskMediaListener)
        self->taskMediaListener->ftpListForward(self->taskMediaList);
}

void KyCFtpClient::takeMediaList(const QList<KyMediaFile_t>& list)
{
    mediaList = list;
    if (mediaListener)
        mediaListener->ftpListForward(mediaList);
}

void KyCFtpClient::forgetListener(KyMediaListListener* listener)
{
    if (mediaListener == listener)
        mediaListener = nullptr;
    if (taskMediaListener == listener)
        taskMediaListener = nullptr;
}
