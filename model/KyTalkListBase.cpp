#include "KyTalkListBase.h"

#include <algorithm>

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

namespace {
void takePart(KyMic& cached, const KyMic& sent, int part)
{
    switch (part) {
    case KyTalkListBase::PART_TALK:
        cached.name = sent.name;
        std::copy(sent.vol, sent.vol + 4, cached.vol);
        break;
    case KyTalkListBase::PART_LED:
        cached.ledColor = sent.ledColor;
        cached.switchMode = sent.switchMode;
        cached.displayTime = sent.displayTime;
        cached.ledTxt = sent.ledTxt;
        break;
    default:
        cached.name = sent.name;
        cached.vol[KyMic::VOL_BROADCAST] = sent.vol[KyMic::VOL_BROADCAST];
        break;
    }
}
}  // namespace

int KyTalkListBase::saveAndApply(int requestType, KyCommandRequest req, const KyMic& mic, SavedPart part)
{
    int rc = send(hub(), requestType, std::move(req), KY_PAUSE_SAVE_MS);
    if (rc != 0)
        return rc;
    const bool known = m_cache.modify(mic.id, [&](KyMic& cached) { takePart(cached, mic, part); });
    if (!known)
        m_cache.upsert(mic);
    notifyChanged(mic.id, !known);
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
