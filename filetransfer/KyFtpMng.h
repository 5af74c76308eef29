#pragma once

#include <QMutex>
#include <QString>

#include <string>

class KyCFtpClient;

// The process-wide file-transfer manager. Operations with a result answer 0
// when the request was queued and -1 when it was refused; the outcome comes
// later through the worker's signals.
class KyFtpMng {
public:
    static KyFtpMng* instance();
    KyCFtpClient* ftpClient() { return mClient; }

    int deleteDir(QString path);
    int deleteFile(QString path);
    int downloadFile(std::string remote, std::string local, int id = 0);
    int createDir(QString path);
    int renameFile(std::string oldPath, std::string newPath, int kind);
    int transferState(int handle);
    int uploadFile(std::string local, std::string remote, int id);
    void changeDir(std::string path);
    void getFileList(QString dir);
    void getTaskFileList(QString dir);

private:
    KyFtpMng();

    KyCFtpClient* mClient;
    QMutex mMutex;
};
