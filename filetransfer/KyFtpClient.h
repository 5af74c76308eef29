#pragma once

#include <QList>

#include <list>
#include <string>

#include "KyFile.h"
#include "KyMediaFile_t.h"

// Names of the files uploaded in this run, shared by every facade.
std::list<KyFile>& kyUploadedNames();

// File-transfer interface of the screens.
class KyFtpClient {
public:
    KyFtpClient();
    virtual ~KyFtpClient();

    virtual bool reserved1() = 0;
    virtual void setConnectionInfo(std::string host, int port, std::string user, std::string password) = 0;
    virtual bool isConnected() = 0;
    virtual bool reserved4(std::string a, std::string b, int c, int d) = 0;
    virtual bool reserved5() = 0;
    virtual bool reserved6() = 0;
    virtual bool reserved7() = 0;
    virtual bool reserved8(std::string a) = 0;
    virtual bool reserved9(std::string a, std::string b, int c) = 0;
    virtual int uploadedNameCount() = 0;
    virtual bool reserved11() = 0;
    virtual bool downloadFile(std::string remote, std::string local, int id) = 0;
    virtual bool rename(std::string oldPath, std::string newPath, int kind) = 0;
    virtual bool reserved14() = 0;
    virtual bool reserved15(std::string a) = 0;
    virtual bool reserved16(std::string a) = 0;
    virtual bool reserved17(std::string a) = 0;
    virtual std::list<KyFile>& uploadedNames(std::string ignored) = 0;
    virtual void changeDir(std::string path) = 0;
    virtual bool reserved20(std::string a) = 0;
    virtual int reserved21(int a, int b) = 0;
    virtual int transferState(int handle) = 0;

    std::string host;
    int port = 0;
    std::string user;
    std::string password;
    std::list<KyFile>& uploaded;
    QList<KyMediaFile_t> mediaList;       // last media listing (user-interface thread)
    QList<KyMediaFile_t> taskMediaList;   // last task-media listing
};
