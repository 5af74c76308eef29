#include "KyMicListMgr.h"

KyMicListMgr::KyMicListMgr() : KyBookListBase(KyM11Manage::instance())
{
    hookCallback();
}

KyMicListMgr* KyMicListMgr::instance()
{
    static KyMicListMgr* mgr = new KyMicListMgr;
    return mgr;
}

int KyMicListMgr::removeMic(KyMic& mic)
{
    return removeRecord(mic, KyM11Manage::RT_REMOVE, false);
}

int KyMicListMgr::refreshMic(KyManageCenter* center, int id)
{
    return refresh(center, id);
}

int KyMicListMgr::saveMic(KyMic* mic)
{
    if (!mic)
        return -1;
    const KyMic sent = *mic;
    return saveNameAndVolumes(KyM11Manage::RT_SAVE, KyM11Manage::instance()->saveRequest(sent), sent,
                              [&sent](KyMic& cached) { cached.pttMode = sent.pttMode; });
}

int KyMicListMgr::requestMicBooks(const KyBookReq& req)
{
    if (req.type != KyM11Manage::RT_PLAY_TERMINALS)
        return requestBook(req);
    {
        std::lock_guard<std::recursive_mutex> lock(m_bookMutex);
        m_playTerminals.clear();
    }
    return send(hub(), req.type, KyM11Manage::instance()->playTerminalsQuery(), KY_PAUSE_QUERY_MS);
}

int KyMicListMgr::saveMicBooks(const KyBookSaveReq& req)
{
    return saveBook(req);
}

std::list<KyTerminal>* KyMicListMgr::lockPlayTerminals()
{
    m_bookMutex.lock();
    return &m_playTerminals;
}

void KyMicListMgr::unlockPlayTerminals()
{
    m_bookMutex.unlock();
}

void KyMicListMgr::extraArrived(int, const std::vector<KyTerminal>& terms)
{
    std::lock_guard<std::recursive_mutex> lock(m_bookMutex);
    m_playTerminals.assign(terms.begin(), terms.end());
}
