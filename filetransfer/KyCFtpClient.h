#pragma once

#include <QString>

#include "KyFtpClient.h"
#include "KyFtpListRelay.h"
#include "KyMediaListListener.h"

class TcpSocketClient;

// The file-transfer facade: queues requests on the worker and hands finished
// listings to the registered listeners on the user-interface thread.
class KyCFtpClient : public KyFtpClient {
public:
    explicit KyCFtpClient(TcpSocketClient* worker);
    ~KyCFtpClient() override;

    static KyCFtpClient* current();

    bool reserved1() override { return false; }
    void setConnectionInfo(std::string host, int port, std::string user, std::string password) override;
    bool isConnected() override { return true; }
    bool reserved4(std::string, std::string, int, int) override { return true; }
    bool reserved5() override { return true; }
    bool reserved6() override { return true; }
    bool reserved7() override { return true; }
    bool reserved8(std::string) override { return true; }
    bool reserved9(std::string, std::string, int) override { return true; }
    int uploadedNameCount() override { return static_cast<int>(uploaded.size()); }
    bool reserved11() override { return true; }
    bool downloadFile(std::string remote, std::string local, int id) override;
    bool rename(std::string oldPath, std::string newPath, int kind) override;
    bool reserved14() override { return true; }
    bool reserved15(std::string) override { return true; }
    bool reserved16(std::string) override { return true; }
    bool reserved17(std::string) override { return true; }
    std::list<KyFile>& uploadedNames(std::string) override { return uploaded; }
    void changeDir(std::string) override {}
    bool reserved20(std::string) override { return true; }
    int reserved21(int, int) override { return 111; }
    int transferState(int) override { return 222; }

    virtual bool deleteFile(QString path);
    virtual void getFileList(QString dir);
    virtual bool deleteDir(QString path);

    bool createDir(QString path);
    bool uploadFile(std::string local, std::string remote, int id);
    void getTaskFileList(QString dir);

    // Listing hooks given to the worker.
    static void onMediaList(const QList<KyMediaFile_t>& list);
    static void onTaskMediaList(const QList<KyMediaFile_t>& list);
    // A destroyed listener is no longer called.
    void forgetListener(KyMediaListListener* listener);

    KyMediaListListener* mediaListener = nullptr;
    KyMediaListListener* taskMediaListener = nullptr;

private:
    void takeMediaList(const QList<KyMediaFile_t>& list);

    TcpSocketClient* mWorker;
    KyFtpListRelay mRelay;   // lives in the thread that built the facade
};
