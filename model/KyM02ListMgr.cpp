#include "KyM02ListMgr.h"

KyM02ListMgr::KyM02ListMgr() : KyTalkListBase(KyM02Manage::instance())
{
    hookCallback();
}

KyM02ListMgr* KyM02ListMgr::instance()
{
    static KyM02ListMgr* mgr = new KyM02ListMgr;
    mgr->initOnce();
    return mgr;
}

int KyM02ListMgr::saveM02(KyMic& mic)
{
    return saveAndApply(KyM02Manage::RT_SAVE, KyM02Manage::instance()->saveRequest(mic), mic, PART_TALK);
}

int KyM02ListMgr::requestButtonCalls(KyMic& mic)
{
    return requestCalls(mic);
}

int KyM02ListMgr::saveButtonCalls(const std::vector<KyMicBtnCall>& calls)
{
    return send(hub(), KyM02Manage::RT_BUTTON_SAVE, KyM02Manage::instance()->buttonCallsRequest(calls),
                KY_PAUSE_SAVE_MS);
}

int KyM02ListMgr::removeM02(KyMic& mic)
{
    return removeAndNotify(mic, KyM02Manage::RT_REMOVE);
}
