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
    m_manage.setCallback([this](int event, int id, const void* data) { onManagerEvent(event, id, data); });
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

void KyServerConfigMgr::storeLogServer(const std::string& value)
{
    // "host:port"; a value without a port gives port 0.
    const size_t colon = value.rfind(':');
    std::lock_guard<std::mutex> lock(m_mutex);
    m_logHost = value.substr(0, colon);
    m_logPort = colon == std::string::npos ? 0 : kyToInt(value.substr(colon + 1), 0);
}

void KyServerConfigMgr::onManagerEvent(int event, int, const void* data)
{
    if (event == KyServerConfigManage::EV_PARAMETERS) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_params = *static_cast<const std::vector<KySystemParameter>*>(data);
        }
        emit gotServerList();
    } else if (event == KyServerConfigManage::EV_LOG_SERVER) {
        storeLogServer(*static_cast<const std::string*>(data));
    } else if (event == KyServerConfigManage::EV_BACKUP) {
        const auto* backup = static_cast<const KyServerConfigManage::KyBackup*>(data);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_backupFile = backup->file;
            m_backupMd5 = backup->md5;
        }
        emit gotBackupMd5();
    }
}
