#pragma once

// Shared set-up of the terminal-list tests: every terminal list manager of
// the console under test, and the first cached record of a locked list.

#include "KyCapList.h"
#include "KyFAlarmListMgr.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyM12ListMgr.h"
#include "KyMicListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyTtsListMgr.h"

struct KyTermLists {
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    KyM04ListMgr* m04 = KyM04ListMgr::instance();
    KyMicListMgr* m11 = KyMicListMgr::instance();
    KyM12ListMgr* m12 = KyM12ListMgr::instance();
    KyTtsListMgr* tts = KyTtsListMgr::instance();
    KyPlayTermListMgr* play = KyPlayTermListMgr::instance();
    KyCapList* caps = KyCapList::instance();
    KyFAlarmListMgr* alarms = KyFAlarmListMgr::instance();

    // Requests every list from the current hub; false when one request fails.
    bool load() const
    {
        return m02->init() == 0 && m04->init() == 0 && m11->init() == 0 && m12->init() == 0 && tts->init() == 0
            && play->init() == 0 && caps->init() == 0 && alarms->init() == 0;
    }
};

// First record of a manager's locked list (a fresh record when the list is
// missing or empty); the lock is released again.
template <class Mgr>
auto kyLockedFront(Mgr* mgr) -> typename std::decay<decltype(mgr->lockList()->front())>::type
{
    typename std::decay<decltype(mgr->lockList()->front())>::type rec;
    if (auto* list = mgr->lockList()) {
        if (!list->empty())
            rec = list->front();
        mgr->unlockList();
    }
    return rec;
}
