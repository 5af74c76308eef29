#include "KyServiceLogMgr.h"

#include "KyManageCenter.h"
#include "KyModelUtil.h"
#include "KyStoreBase.h"

KyServiceLogMgr::KyServiceLogMgr()
{
    KyServiceLogManage::Report::listen(*KyServiceLogManage::instance(), *this);
}

KyServiceLogMgr* KyServiceLogMgr::instance()
{
    static KyServiceLogMgr* mgr = new KyServiceLogMgr;
    kyAttachManager(KyServiceLogManage::instance());
    return mgr;
}

int KyServiceLogMgr::requestLogs(int kind, int start)
{
    KyCommandRequest req;
    if (!KyServiceLogManage::logRequest(kind, start, req))
        return -1;
    return kyStoreSend(KyManageCenter::instance(), KyServiceLogManage::instance(), KyServiceLogManage::RT_FIRST + kind,
                       req, KY_PAUSE_QUERY_MS);
}

std::list<KyLogEntry> KyServiceLogMgr::page(int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pages[index];
}

bool KyServiceLogMgr::getTalkRecord(int id, KyLogEntry& record) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const KyLogEntry& e : m_pages[3]) {
        if (e.id == id) {
            record = e;
            return true;
        }
    }
    return false;
}

void KyServiceLogMgr::listArrived(int kind, const std::vector<KyLogEntry>& rows)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pages[kind / 2].assign(rows.begin(), rows.end());
    }
    emitPage(kind);
}

void KyServiceLogMgr::extraArrived(int kind, const int& n)
{
    switch (kind) {
    case 0: emit gotUserLogSize(n); break;
    case 2: emit gotTalkLogSize(n); break;
    case 4: emit gotTermLogSize(n); break;
    case 6: emit gotTalkRecordSize(n); break;
    default: break;
    }
}

void KyServiceLogMgr::emitPage(int kind)
{
    switch (kind) {
    case 1: emit gotUserLogList(); break;
    case 3: emit gotTalkLogList(); break;
    case 5: emit gotTermLogList(); break;
    case 7: emit gotTalkRecordList(); break;
    default: break;
    }
}
