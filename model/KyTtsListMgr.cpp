#include "KyTtsListMgr.h"

KyTtsListMgr::KyTtsListMgr() : KyTermListBase<KyTts>(KyTtsManage::instance(), false)
{
    hookCallback();
}

KyTtsListMgr* KyTtsListMgr::instance()
{
    static KyTtsListMgr* mgr = new KyTtsListMgr;
    mgr->initOnce();
    return mgr;
}

int KyTtsListMgr::saveTts(const KyTts& tts)
{
    const KyTts sent = tts;
    int rc = send(hub(), KyTtsManage::RT_SAVE, KyTtsManage::instance()->saveRequest(sent), KY_PAUSE_SAVE_MS);
    if (rc == 0)
        notifyChanged(sent.id, !m_cache.upsert(sent));
    return rc;
}

int KyTtsListMgr::deleteTts(const KyTts& tts)
{
    const int id = tts.id;
    int rc = removeRecord(tts, KyTtsManage::RT_REMOVE, true);
    if (rc == 0)
        emit TTsDeleted(id);
    return rc;
}
