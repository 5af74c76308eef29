#include "KyCreateViewCtrMgr.h"

#include <QObject>

#include "KyQtViewCtrl.h"

KyCreateViewCtrMgr* KyCreateViewCtrMgr::instance()
{
    static KyCreateViewCtrMgr mgr;
    return &mgr;
}

KyQtViewCtrl* KyCreateViewCtrMgr::createViewCtrl()
{
    return new KyQtViewCtrl;
}

int KyCreateViewCtrMgr::connectView(KyViewCtrlHolder* holder, const KyViewConnectReq& req)
{
    if (!holder || !req.slot || !req.receiver)
        return -1;
    KyQtViewCtrl* ctrl = holder->viewCtrl();
    if (!ctrl)
        return -1;
    static const char* const signalsByKind[] = {
        SIGNAL(haveTerminals()), SIGNAL(addTerminal(int)), SIGNAL(delTerminal(int)), SIGNAL(updateTerminal(int)),
    };
    if (req.kind < 0 || req.kind > 3)
        return -1;
    return QObject::connect(ctrl->viewSignal(), signalsByKind[req.kind], req.receiver, req.slot) ? 0 : -1;
}
