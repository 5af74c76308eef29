#include "KyFtpMng.h"

#include <cstdio>
#include <exception>

#include "KyCFtpClient.h"
#include "TcpSocketClient.h"

namespace {

// 0 when call answers true, -1 when it answers false or throws.
template <typename F>
int guarded(const char* what, F call)
{
    try {
        return call() ? 0 : -1;
    } catch (const std::exception& e) {
        fprintf(stderr, "%s failed. error string:%s\n", what, e.what());
    } catch (...) {
        fprintf(stderr, "%s failed. error string:%s\n", what, "unknown");
    }
    return -1;
}

} // namespace

KyFtpMng* KyFtpMng::instance()
{
    static KyFtpMng* mng = new KyFtpMng();
    return mng;
}

KyFtpMng::KyFtpMng() : mClient(new KyCFtpClient(TcpSocketClient::instance())) {}

int KyFtpMng::deleteDir(QString path)
{
    return mClient && mClient->isConnected() && mClient->deleteDir(path) ? 0 : -1;
}

int KyFtpMng::deleteFile(QString path)
{
    return guarded("deleteFile", [&] { return mClient && mClient->deleteFile(path); });
}

int KyFtpMng::downloadFile(std::string remote, std::string local, int id)
{
    return guarded("downloadFile",
        [&] { return mClient && mClient->isConnected() && mClient->downloadFile(remote, local, id); });
}

int KyFtpMng::createDir(QString path)
{
    return guarded("createDir", [&] { return mClient && mClient->createDir(path); });
}

int KyFtpMng::renameFile(std::string oldPath, std::string newPath, int kind)
{
    return guarded("renameFile", [&] { return mClient && mClient->rename(oldPath, newPath, kind); });
}

int KyFtpMng::transferState(int handle)
{
    return mClient ? mClient->transferState(handle) : -1;
}

int KyFtpMng::uploadFile(std::string local, std::string remote, int id)
{
    const int result = guarded("uploadFile", [&] { return mClient && mClient->uploadFile(local, remote, id); });
    if (result == 0) {
        KyFile entry;
        const size_t slash = remote.rfind('/');
        entry.name = slash == std::string::npos ? remote : remote.substr(slash + 1);
        entry.state = 0;
        kyUploadedNames().push_back(entry);
    }
    return result;
}

void KyFtpMng::changeDir(std::string path)
{
    if (mClient)
        mClient->changeDir(path);
}

void KyFtpMng::getFileList(QString dir)
{
    if (mClient)
        mClient->getFileList(dir);
}

void KyFtpMng::getTaskFileList(QString dir)
{
    if (mClient)
        mClient->getTaskFileList(dir);
}
