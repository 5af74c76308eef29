#include "KyM12ListMgr.h"

KyM12ListMgr::KyM12ListMgr() : KyBookListBase<KyM12>(KyM12Manage::instance())
{
    hookCallback();
}

KyM12ListMgr* KyM12ListMgr::instance()
{
    static KyM12ListMgr* mgr = new KyM12ListMgr;
    return mgr;
}

int KyM12ListMgr::refreshM12(KyManageCenter* center, int id)
{
    return refresh(center, id);
}

int KyM12ListMgr::removeM12(KyM12& m12)
{
    return removeRecord(m12, KyM12Manage::RT_REMOVE, false);
}

int KyM12ListMgr::saveM12(KyM12* m12)
{
    if (!m12)
        return -1;
    const KyM12 sent = *m12;
    return saveNameAndVolumes(KyM12Manage::RT_SAVE, KyM12Manage::instance()->saveRequest(sent), sent,
                              [](KyM12&) {});
}

int KyM12ListMgr::requestBooks(const KyBookReq& req)
{
    return requestBook(req);
}

int KyM12ListMgr::saveBooks(const KyBookSaveReq& req)
{
    return saveBook(req);
}
