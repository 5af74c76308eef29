#include "KyServerConfigMgr.h"

#include "KyDbpRows.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"
#include "KyStoreBase.h"

KyServerConfigMgr::KyServerConfigMgr()
{
    KyServerConfigManage::Report::listen(*KyServerConfigManage::instance(), *this);
}

KyServerConfigMgr* KyServerConfigMgr::instance()
{
    static KyServerConfigMgr* mgr = new KyServerConfigMgr;
    kyAttachManager(KyServerConfigManage::instance());
    return mgr;
}

int KyServerConfigMgr::getSystemParameter()
{
    return send(KyServerConfigManage::RT_PARAMETERS, KyServerConfigManage::parametersRequest());
}

int KyServerConfigMgr::getLogServer(std::string& host)
{
    send(KyServerConfigManage::RT_LOG_SERVER, KyServerConfigManage::logServerRequest());
    std::lock_guard<std::mutex> lock(m_mutex);
    host = m_logHost;
    return m_logPort;
}

int KyServerConfigMgr::setSystemParameter(const std::string& value, int requestType)
{
    return sendRequest(requestType, value);
}

int KyServerConfigMgr::setVadPttTimeOut(const std::string& value)
{
    return sendRequest(KyServerConfigManage::RT_VAD_PTT, value);
}

int KyServerConfigMgr::sendRequest(int requestType, const std::string& value)
{
    KyCommandRequest req;
    if (!KyServerConfigManage::valueRequest(requestType, value, req))
        return -1;
    return send(requestType, req);
}

int KyServerConfigMgr::sendRequest2(int requestType, const std::string& first, const std::string& second)
{
    KyCommandRequest req;
    if (!KyServerConfigManage::valueRequest2(requestType, first, second, req))
        return -1;
    return send(requestType, req);
}

// Queries and changes alike retry every 100 ms while busy.
int KyServerConfigMgr::send(int requestType, KyCommandRequest req)
{
    return kyStoreSend(KyManageCenter::instance(), KyServerConfigManage::instance(), requestType, std::move(req),
                       KY_PAUSE_SAVE_MS);
}

std::vector<KySystemParameter> KyServerConfigMgr::systemParameters() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_params;
}

std::string KyServerConfigMgr::backupFile() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_backupFile;
}

std::string KyServerConfigMgr::backupMd5() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_backupMd5;
}

void KyServerConfigMgr::listArrived(int, const std::vector<KySystemParameter>& params)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_params = params;
    }
    emit gotServerList();
}

void KyServerConfigMgr::extraArrived(int, const std::string& value)
{
    const size_t colon = value.rfind(':');
    std::lock_guard<std::mutex> lock(m_mutex);
    m_logHost = value.substr(0, colon);
    m_logPort = colon == std::string::npos ? 0 : kyToInt(value.substr(colon + 1), 0);
}

void KyServerConfigMgr::extraArrived(int, const KyServerConfigManage::KyBackup& backup)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_backupFile = backup.file;
        m_backupMd5 = backup.md5;
    }
    emit gotBackupMd5();
}
