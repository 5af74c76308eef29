#include "KyTalkListBase.h"

KyTalkListBase::KyTalkListBase(KyTalkTermManage* mgr) : KyTermListBase(mgr, false) {}

std::vector<KyMicBtnCall> KyTalkListBase::buttonCallList() const
{
    std::lock_guard<std::recursive_mutex> lock(m_callsMutex);
    return m_calls;
}

int KyTalkListBase::requestCalls(const KyMic& mic)
{
    {
        std::lock_guard<std::recursive_mutex> lock(m_callsMutex);
        m_calls.clear();
    }
    return send(hub(), talkMgr()->buttonQueryType(), talkMgr()->buttonCallsQuery(mic.id), KY_PAUSE_QUERY_MS);
}

int KyTalkListBase::saveAndApply(int requestType, KyCommandRequest req, const KyMic& mic)
{
    int rc = send(hub(), requestType, std::move(req), KY_PAUSE_SAVE_MS);
    if (rc == 0)
        notifyChanged(mic.id, !m_cache.upsert(mic));
    return rc;
}

int KyTalkListBase::removeAndNotify(const KyMic& mic, int requestType)
{
    const int id = mic.id;  // the record may be the cached one
    int rc = removeRecord(mic, requestType, false);
    if (rc == 0)
        notifyDeleted(id);
    return rc;
}

void KyTalkListBase::extraArrived(int requestType, const std::vector<KyMicBtnCall>& calls)
{
    if (requestType != talkMgr()->buttonQueryType())
        return;
    std::lock_guard<std::recursive_mutex> lock(m_callsMutex);
    m_calls = calls;
}
