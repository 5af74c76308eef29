#include "KyManageCenter.h"

#include <algorithm>
#include <cstdio>

#include "KyBaseMgr.h"
#include "KyJson.h"
#include "KyDbpRows.h"
#include "KyNetManage.h"
#include "KyResult.h"
#include "KyUser.h"

namespace {
std::atomic<KyManageCenter*> g_center{nullptr};

bool isHubType(int requestType)
{
    return requestType >= KyManageCenter::RT_LOGIN1 && requestType <= KyManageCenter::RT_SYSTEM_TIME;
}
}

KyManageCenter::KyManageCenter() : m_net(new KyNetManage(this))
{
    m_lists.emplace_back(new Managers);
    m_managers = m_lists.back().get();
    g_center = this;
}

KyManageCenter::~KyManageCenter()
{
    m_net->disconnect();
    KyManageCenter* self = this;
    g_center.compare_exchange_strong(self, nullptr);
}

KyManageCenter* KyManageCenter::instance()
{
    return g_center.load();
}

void KyManageCenter::setManagers(Managers next)
{
    m_lists.emplace_back(new Managers(std::move(next)));
    m_managers.store(m_lists.back().get(), std::memory_order_release);
}

void KyManageCenter::registerManager(KyBaseMgr* mgr)
{
    if (!mgr)
        return;
    std::lock_guard<std::mutex> lock(m_mgrMutex);
    const Managers& now = managers();
    if (std::find(now.begin(), now.end(), mgr) != now.end())
        return;
    Managers next = now;
    next.push_back(mgr);
    setManagers(std::move(next));
}

void KyManageCenter::unregisterManager(KyBaseMgr* mgr)
{
    std::lock_guard<std::mutex> lock(m_mgrMutex);
    Managers next = managers();
    next.erase(std::remove(next.begin(), next.end(), mgr), next.end());
    setManagers(std::move(next));
}

KyBaseMgr* KyManageCenter::managerForRequestType(int requestType) const
{
    for (KyBaseMgr* mgr : managers())
        if (mgr->ownsRequestType(requestType))
            return mgr;
    return nullptr;
}

KyBaseMgr* KyManageCenter::managerByName(const std::string& name) const
{
    for (KyBaseMgr* mgr : managers())
        if (mgr->name() == name)
            return mgr;
    return nullptr;
}

int KyManageCenter::login(const std::string& host, int port, const std::string& user, const std::string& password)
{
    return m_net->login(host, port, user, password);
}

void KyManageCenter::logout()
{
    m_net->disconnect();
}

bool KyManageCenter::isLoggedIn() const
{
    return m_net->isLoggedIn();
}

int KyManageCenter::sendRequest(int requestType, KyCommandRequest& req, KyDbpMessage* reply)
{
    if (!isHubType(requestType) && !managerForRequestType(requestType))
        return KY_NO_OBJECT;
    return m_net->sendRequestAndWait(requestType, req, reply);
}

int KyManageCenter::postRequest(int requestType, KyCommandRequest& req)
{
    if (!isHubType(requestType) && !managerForRequestType(requestType))
        return KY_NO_OBJECT;
    return m_net->postRequest(requestType, req);
}

std::string KyManageCenter::systemTime() const
{
    std::lock_guard<std::mutex> lock(m_timeMutex);
    return m_systemTime;
}

long long KyManageCenter::systemTimeSeconds() const
{
    const long long v = kyToInt64(systemTime(), -1);
    return v < 0 ? -1 : v;
}

void KyManageCenter::setSystemTime(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_timeMutex);
    m_systemTime = text.empty() ? "----" : text;
}

void KyManageCenter::dispatch(const KyDbpMessage& msg, int requestType)
{
    if (msg.isReply && isHubType(requestType)) {
        handleHubReply(requestType, msg);
        return;
    }
    if (msg.isReply) {
        KyBaseMgr* mgr = managerForRequestType(requestType);
        if (!mgr) {
            std::fprintf(stderr, "reply %s for request type %d has no manager, dropped\n",
                         msg.packetType.c_str(), requestType);
            return;
        }
        if (msg.statusCode == 200)
            mgr->onReply(requestType, msg);
        else
            mgr->onFailedRequest(requestType, msg.resultCode(), msg);
        return;
    }
    thread_local std::string name;   // kept: no allocation per push
    msg.pushName(name);
    for (KyBaseMgr* mgr : managers())
        if (mgr->onPush(msg, name))
            return;
    std::fprintf(stderr, "push %s taken by no manager, dropped\n", name.c_str());
}

bool KyManageCenter::dispatchLateReply(const KyDbpMessage& msg, int requestType)
{
    KyBaseMgr* mgr = isHubType(requestType) ? nullptr : managerForRequestType(requestType);
    if (!mgr || !mgr->isListType(requestType) || msg.statusCode != 200)
        return false;
    mgr->onLateListReply(requestType, msg);
    return true;
}

void KyManageCenter::handleHubReply(int requestType, const KyDbpMessage& msg)
{
    if (msg.statusCode != 200)
        return;   // the login state is stepped by the network part
    Json::Value obj;
    if (requestType == RT_SYSTEM_TIME) {
        if (kyJsonParse(msg.body, obj))
            setSystemTime(kyJsonText(obj, "SystemTime"));
        else
            std::fprintf(stderr, "GetSystemTime reply without a JSON body, dropped\n");
    } else if (requestType == RT_LOGIN2) {
        if (!kyJsonParse(msg.body, obj)) {
            std::fprintf(stderr, "login reply without a JSON body; level left as it is\n");
            return;
        }
        KyUser& user = kyUserRecord();
        user.level = kyToInt(kyJsonText(obj, "Level"), user.level);
        const std::string name = kyJsonText(obj, "Name");
        if (!name.empty())
            user.name = name;
    }
}
