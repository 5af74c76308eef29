#include "KyCreateViewCtrMgr.h"

#include <QByteArray>
#include <QMetaMethod>
#include <QObject>

#include "KyQtViewCtrl.h"

namespace {

// The receiver's method a slot string names: "1name(args)" a slot, "2name(args)" a signal.
QMetaMethod receiverMethod(const QObject* receiver, const char* text)
{
    if (text[0] != '1' && text[0] != '2')
        return QMetaMethod();
    const QByteArray signature = QMetaObject::normalizedSignature(text + 1);
    const QMetaObject* meta = receiver->metaObject();
    const int index = text[0] == '1' ? meta->indexOfSlot(signature) : meta->indexOfSignal(signature);
    return index < 0 ? QMetaMethod() : meta->method(index);
}

}  // namespace

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
    if (req.kind < 0 || req.kind > 3)
        return -1;
    static const QMetaMethod signalsByKind[] = {
        QMetaMethod::fromSignal(&KyQtViewSignal::haveTerminals),
        QMetaMethod::fromSignal(&KyQtViewSignal::addTerminal),
        QMetaMethod::fromSignal(&KyQtViewSignal::delTerminal),
        QMetaMethod::fromSignal(&KyQtViewSignal::updateTerminal),
    };
    const QMetaMethod slot = receiverMethod(req.receiver, req.slot);
    return slot.isValid() && QObject::connect(ctrl->viewSignal(), signalsByKind[req.kind], req.receiver, slot) ? 0 : -1;
}
