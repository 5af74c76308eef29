#pragma once

class QObject;
class KyViewCtrlHolder;
class KyQtViewCtrl;

// One request to connect a receiver's slot to a view signal.
struct KyViewConnectReq {
    int kind = 0;                 // 0 haveTerminals(), 1 addTerminal(int), 2 delTerminal(int), 3 updateTerminal(int)
    QObject* receiver = nullptr;
    const char* slot = nullptr;   // "1name(args)": the receiver's slot
};

// View-controller factory.
class KyCreateViewCtrMgr {
public:
    static KyCreateViewCtrMgr* instance();

    KyQtViewCtrl* createViewCtrl();
    // -1 when the holder has no view controller, no slot or no receiver is
    // given, or the kind is unknown; else 0.
    static int connectView(KyViewCtrlHolder* holder, const KyViewConnectReq& req);
};
