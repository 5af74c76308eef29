#include "KyManageContext.h"

#include "KyCreateViewCtrMgr.h"
#include "KyUser.h"

namespace {
KyManageContext* g_context = nullptr;
KyUser g_user;
}

KyManageContext::KyManageContext(KyManageCenter* center)
    : m_center(center), m_viewMgr(KyCreateViewCtrMgr::instance())
{
}

KyManageContext* KyManageContext::create(KyManageCenter* center)
{
    if (!g_context)
        g_context = new KyManageContext(center);
    return g_context;
}

KyManageContext* KyManageContext::instance()
{
    return g_context;
}

void KyManageContext::destroy()
{
    delete g_context;
    g_context = nullptr;
}

KyUser& kyUserRecord()
{
    return g_user;
}

KyUser* currentUser()
{
    return g_context ? &g_user : nullptr;
}
