#include "KySchemeDataMgr.h"

#include <QCoreApplication>
#include <QThread>

#include "KyCreateViewCtrMgr.h"
#include "KyDbpMessage.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyModelUtil.h"
#include "KyQtViewCtrl.h"
#include "KyStoreBase.h"

KySchemeDataMgr::KySchemeDataMgr()
{
    KySchemeManage::Report::listen(*KySchemeManage::instance(), *this);
}

KySchemeDataMgr* KySchemeDataMgr::instance()
{
    static KySchemeDataMgr* store = new KySchemeDataMgr;
    kyAttachManager(KySchemeManage::instance());
    if (KyManageContext* ctx = KyManageContext::instance())
        ctx->setSchemeStore(store);
    return store;
}

std::list<KyScheme>* KySchemeDataMgr::lockSchemes(int kind)
{
    if (!validKind(kind))
        return nullptr;
    if (std::list<KyScheme>* list = m_lists[kind].lock())
        return list;
    requestList(kind);
    return nullptr;
}

int KySchemeDataMgr::requestList(int kind)
{
    if (!validKind(kind))
        return -1;
    KySchemeManage* mgr = KySchemeManage::instance();
    return kyStoreSend(KyManageCenter::instance(), mgr, KySchemeManage::RT_LIST, mgr->listRequest(kind),
                       KY_PAUSE_QUERY_MS);
}

bool KySchemeDataMgr::findScheme(int id, int kind, KyScheme* out)
{
    if (!validKind(kind))
        return false;
    return m_lists[kind].get(id, out);
}

KyQtViewCtrl* KySchemeDataMgr::viewCtrl(int kind)
{
    if (!validKind(kind))
        return nullptr;
    std::lock_guard<std::mutex> guard(m_ctrlMutex);
    if (!m_ctrls[kind]) {
        m_ctrls[kind].reset(KyCreateViewCtrMgr::instance()->createViewCtrl());
        // Made by a push in the receive thread: hand it to the UI thread.
        QCoreApplication* app = QCoreApplication::instance();
        if (app && QThread::currentThread() != app->thread())
            m_ctrls[kind]->viewSignal()->moveToThread(app->thread());
    }
    return m_ctrls[kind].get();
}

int KySchemeDataMgr::sendChange(int requestType, KyCommandRequest req, KyScheme& record, int kind)
{
    KyDbpMessage reply;
    const int rc =
        kyStoreSend(KyManageCenter::instance(), KySchemeManage::instance(), requestType, std::move(req), 0, &reply);
    KyScheme reported;
    if (rc == 0 && KySchemeManage::schemeOfReply(reply.body, kind, reported))
        record = reported;
    return rc;
}

int KySchemeDataMgr::addScheme(KyScheme& record, int kind)
{
    if (!validKind(kind))
        return -1;
    return sendChange(KySchemeManage::RT_ADD, KySchemeManage::addRequest(record, kind), record, kind);
}

int KySchemeDataMgr::modifyScheme(KyScheme& record, int kind)
{
    if (!validKind(kind))
        return -1;
    return sendChange(KySchemeManage::RT_MODIFY, KySchemeManage::modifyRequest(record, kind), record, kind);
}

int KySchemeDataMgr::enableScheme(KyScheme& record, int kind)
{
    KyScheme flipped = record;
    flipped.enable = flipped.enable == 0 ? 1 : 0;
    const int rc = modifyScheme(flipped, kind);
    if (rc == 0)
        record = flipped;
    return rc;
}

int KySchemeDataMgr::deleteScheme(int id, int kind)
{
    if (!validKind(kind))
        return -1;
    return kyStoreSend(KyManageCenter::instance(), KySchemeManage::instance(), KySchemeManage::RT_DELETE,
                       KySchemeManage::deleteRequest(id, kind), 0);
}

int KySchemeDataMgr::onSchemeDeleted(int id, int kind)
{
    if (!validKind(kind))
        return 0;
    if (m_lists[kind].remove(id))
        viewCtrl(kind)->delTerminal(id);
    return 0;
}

void KySchemeDataMgr::storeList(int kind, const std::vector<KyScheme>& schemes)
{
    if (!validKind(kind))
        return;
    m_lists[kind].replaceAll(schemes);
    viewCtrl(kind)->haveTerminals();
}

void KySchemeDataMgr::storeReported(const KyScheme& scheme)
{
    if (m_lists[scheme.kind].upsert(scheme))
        viewCtrl(scheme.kind)->updateTerminal(scheme.id);
    else
        viewCtrl(scheme.kind)->addTerminal(scheme.id);
}
