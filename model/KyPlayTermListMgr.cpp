#include "KyPlayTermListMgr.h"

#include "KyFacade.h"

KyPlayTermListMgr::KyPlayTermListMgr() : KyTermListBase<KyTerminal>(KyIpAmpManage::instance(), true)
{
    hookCallback();
}

KyPlayTermListMgr* KyPlayTermListMgr::instance()
{
    static KyPlayTermListMgr* mgr = new KyPlayTermListMgr;
    return mgr;
}

int KyPlayTermListMgr::saveTerminal(const KyTerminal& term)
{
    const KyTerminal sent = term;
    int rc = send(hub(), KyIpAmpManage::RT_SAVE, KyIpAmpManage::instance()->saveRequest(sent), KY_PAUSE_SAVE_MS);
    if (rc == 0)
        m_cache.replaceExisting(sent);
    return rc;
}

int KyPlayTermListMgr::setPower(KyManageCenter* center, int id, const char*, int state)
{
    if (!center)
        return -1;
    int rc = send(center, KyIpAmpManage::RT_POWER, KyIpAmpManage::instance()->powerRequest(id, state),
                  KY_PAUSE_SAVE_MS);
    if (rc == 0)
        m_cache.modify(id, [state](KyTerminal& t) { t.power = state != 0; });
    return rc;
}

int KyPlayTermListMgr::deleteTerminal(const KyTerminal& term)
{
    return removeRecord(term, KyIpAmpManage::RT_REMOVE, true);
}

int KyPlayTermListMgr::sendSpeakerCheck(KyManageCenter* center, const KyTerminal& term)
{
    if (!center)
        return -1;
    return send(center, KyIpAmpManage::RT_SPK_CHECK, KyIpAmpManage::instance()->speakerCheckRequest(term.id),
                KY_PAUSE_SAVE_MS);
}

int KyPlayTermListMgr::setTerminal(KyManageCenter* center, const KyTerminal* term)
{
    if (!center || !term)
        return -1;
    const KyTerminal sent = *term;
    int rc = send(center, KyIpAmpManage::RT_SET_TERMINAL, KyIpAmpManage::instance()->setTerminalRequest(sent),
                  KY_PAUSE_SAVE_MS);
    mcSleepProcessingEvents(KY_PAUSE_SAVE_MS);
    if (rc == 0)
        m_cache.replaceExisting(sent);
    return rc;
}

int KyPlayTermListMgr::replaceTerminal(const KyTerminal& term)
{
    return m_cache.replaceExisting(term) ? 0 : -1;
}

void KyPlayTermListMgr::notifyList()
{
    ++m_lists;
    emit gotPlayTermList();
}

void KyPlayTermListMgr::notifyChanged(int id, bool appended)
{
    if (appended)
        emit gotPlayTermList();
    emit playTermChanged(id);   // a new one too: a page adds its row alone
}

void KyPlayTermListMgr::removeFailed(int, const std::string& text)
{
    emit delTermError(QString::fromStdString(text));
}
