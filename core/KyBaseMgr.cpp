#include "KyBaseMgr.h"

#include <algorithm>

#include "KyDbpMessage.h"

namespace {
const std::string kDeleteType = "DELETE";   // compared by size first
}

KyBaseMgr::KyBaseMgr(const std::string& name) : m_name(name) {}

KyBaseMgr::~KyBaseMgr() = default;

void KyBaseMgr::addReplyTypes(int first, int last)
{
    if (first <= last)
        m_replyTypes.emplace_back(first, last);
}

void KyBaseMgr::addListType(int requestType)
{
    if (!ownsRequestType(requestType))
        addReplyType(requestType);
    m_listTypes.push_back(requestType);
}

bool KyBaseMgr::isListType(int requestType) const
{
    return std::find(m_listTypes.begin(), m_listTypes.end(), requestType) != m_listTypes.end();
}

void KyBaseMgr::setCallback(Callback cb)
{
    std::lock_guard<std::mutex> lock(m_cbMutex);
    m_callback = std::move(cb);
}

bool KyBaseMgr::hasCallback() const
{
    std::lock_guard<std::mutex> lock(m_cbMutex);
    return static_cast<bool>(m_callback);
}

void KyBaseMgr::callback(int event, int id, const void* data) const
{
    Callback cb;
    {
        std::lock_guard<std::mutex> lock(m_cbMutex);
        cb = m_callback;
    }
    if (cb)
        cb(event, id, data);
}

void KyBaseMgr::onReply(int, const KyDbpMessage&) {}

void KyBaseMgr::onFailedRequest(int, int, const KyDbpMessage&) {}

void KyBaseMgr::onLateListReply(int requestType, const KyDbpMessage& msg)
{
    onReply(requestType, msg);
}

bool KyBaseMgr::onPush(const KyDbpMessage& msg, const std::string& name)
{
    if (!handlesCode(name))
        return false;
    if (msg.packetType == kDeleteType)
        return onNotification(name, msg.body);
    return parseBody(name, msg.body);
}

bool KyBaseMgr::parseBody(const std::string&, const std::string&) { return false; }

bool KyBaseMgr::onNotification(const std::string&, const std::string&) { return false; }

bool KyBaseMgr::handlesCode(const std::string&) const { return false; }
