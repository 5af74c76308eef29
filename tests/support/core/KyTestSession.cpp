#include "KyTestSession.h"

#include <cstdio>

#include "KyLoginInfo.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyNetManage.h"

const char* const KyTestSession::kUser = "admin";
const char* const KyTestSession::kPassword = "admin123";

KyTestSession::KyTestSession(bool login, const std::string& host) : m_host(host)
{
    if (!m_server.loadFixture(KyTestServer::demoFixturePath()))
        std::fprintf(stderr, "test session: demo fixture not loaded\n");
    m_port = m_server.start(0, host);
    KyLoginInfo::instance().ServerIp = host;
    m_center.reset(new KyManageCenter);
    KyManageContext::create(m_center.get());
    if (login)
        this->login();
}

KyTestSession::~KyTestSession()
{
    m_center->logout();
    KyManageContext::destroy();
    m_center.reset();
    m_server.stop();
    KyNetManage::setKeepAliveIntervalMs(KyNetManage::kDefaultKeepAliveMs);
    KyNetManage::setLossTimeoutMs(KyNetManage::kDefaultLossTimeoutMs);
}

int KyTestSession::login(const std::string& user, const std::string& password)
{
    m_loginResult = m_center->login(m_host, m_port, user, password);
    return m_loginResult;
}

bool KyTestSession::loggedIn() const
{
    return m_center->isLoggedIn();
}

void KyTestSession::shortenIntervals(int keepAliveMs, int lossMs)
{
    KyNetManage::setKeepAliveIntervalMs(keepAliveMs);
    KyNetManage::setLossTimeoutMs(lossMs);
}
