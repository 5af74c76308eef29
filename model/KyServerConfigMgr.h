#pragma once

#include <mutex>
#include <string>
#include <vector>

#include <QObject>

#include "KyServerConfigManage.h"
#include "KySystemParameter.h"

// Server configuration: parameters, log server, last backup reply. Signals
// are emitted in the receive thread.
class KyServerConfigMgr : public QObject, public KyServerConfigManage::Events {
    Q_OBJECT
public:
    static KyServerConfigMgr* instance();

    // Request 174; the reply replaces the parameters and emits gotServerList().
    int getSystemParameter();
    // Request 178; copies the stored log-server host into host and returns
    // the stored port (below 1: no log server).
    int getLogServer(std::string& host);
    // 173 system name, 176 record server, 179 log server, 180 password.
    int setSystemParameter(const std::string& value, int requestType);
    int setVadPttTimeOut(const std::string& value);
    // The general form of the above; 181 backs up and stores the reply's
    // file name and MD5 (gotBackupMd5()).
    int sendRequest(int requestType, const std::string& value);
    // 182 restore with a file name and its MD5.
    int sendRequest2(int requestType, const std::string& first, const std::string& second);

    std::vector<KySystemParameter> systemParameters() const;
    std::string backupFile() const;
    std::string backupMd5() const;

signals:
    void gotServerList();
    void gotBackupMd5();
    // Declared for the end of a backup download and a restore upload; nothing emits them.
    void downloadFinish();
    void uploadFinish();

private:
    KyServerConfigMgr();
    void listArrived(int, const std::vector<KySystemParameter>& params) override;
    // "host:port"; a value without a port gives port 0.
    void extraArrived(int, const std::string& logServer) override;
    void extraArrived(int, const KyServerConfigManage::KyBackup& backup) override;

    int send(int requestType, KyCommandRequest req);
    mutable std::mutex m_mutex;
    std::vector<KySystemParameter> m_params;
    std::string m_logHost;
    int m_logPort = 0;
    std::string m_backupFile;
    std::string m_backupMd5;
};
