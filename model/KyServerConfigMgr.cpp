#include "KyServerConfigMgr.h"

#include "KyDbpRows.h"
#include "KyFacade.h"
#include "KyManageCenter.h"
#include "KyModelUtil.h"

namespace {
const int kSavePauseMs = 100;
}

KyServerConfigMgr::KyServerConfigMgr()
{
    KyServerConfigManage::Report::listen(m_manage, *this);
}

KyServerConfigMgr* KyServerConfigMgr::instance()
{
    static KyServerConfigMgr* mgr = new KyServerConfigMgr;
    kyAttachManager(&mgr->m_manage);
    return mgr;
}

int KyServerConfigMgr::getSystemParameter()
{
    KyCommandRequest req = KyServerConfigManage::parametersRequest();
    return mcSendRequestRetry(KyManageCenter::instance(), KyServerConfigManage::RT_PARAMETERS, req, kSavePauseMs);
}

int KyServerConfigMgr::getLogServer(std::string& host)
{
    KyCommandRequest req = KyServerConfigManage::logServerRequest();
    mcSendRequestRetry(KyManageCenter::instance(), KyServerConfigManage::RT_LOG_SERVER, req, kSavePauseMs);
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
    return mcSendRequestRetry(KyManageCenter::instance(), requestType, req, kSavePauseMs);
}

int KyServerConfigMgr::sendRequest2(int requestType, const std::string& first, const std::string& second)
{
    KyCommandRequest req;
    if (!KyServerConfigManage::valueRequest2(requestType, first, second, req))
        return -1;
    return mcSendRequestRetry(KyManageCenter::instance(), requestType, req, kSavePauseMs);
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
