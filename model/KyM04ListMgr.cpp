#include "KyM04ListMgr.h"

KyM04ListMgr::KyM04ListMgr() : KyTalkListBase(KyM04Manage::instance())
{
    hookCallback();
}

KyM04ListMgr* KyM04ListMgr::instance()
{
    static KyM04ListMgr* mgr = new KyM04ListMgr;
    mgr->initOnce();
    return mgr;
}

int KyM04ListMgr::saveM04(KyMic& mic, int kind)
{
    KyM04Manage* mgr = KyM04Manage::instance();
    switch (kind) {
    case SAVE_TALK:
        return saveAndApply(KyM04Manage::RT_SAVE, mgr->saveRequest(mic), mic, PART_TALK);
    case SAVE_LED:
        return saveAndApply(KyM04Manage::RT_SAVE_LED, mgr->ledRequest(mic), mic, PART_LED);
    case SAVE_AMP:
        return saveAndApply(KyM04Manage::RT_SAVE_AMP, mgr->ampRequest(mic), mic, PART_AMP);
    default:
        return -1;
    }
}

int KyM04ListMgr::requestButtonCalls(KyMic& mic)
{
    return requestCalls(mic);
}

int KyM04ListMgr::saveButtonCalls(KyMicBtnCall& call)
{
    return send(hub(), KyM04Manage::RT_BUTTON_SAVE, KyM04Manage::instance()->buttonCallRequest(call),
                KY_PAUSE_SAVE_MS);
}

int KyM04ListMgr::removeM04(KyMic& mic)
{
    return removeAndNotify(mic, KyM04Manage::RT_REMOVE);
}
