#pragma once

#include <QObject>

#include "KyM04Manage.h"
#include "KyTalkListBase.h"

// mic04 list manager, the same shape as the mic02 one.
class KyM04ListMgr : public QObject, public KyTalkListBase {
    Q_OBJECT
public:
    enum SaveKind { SAVE_TALK = 0, SAVE_LED = 1, SAVE_AMP = 2 };

    static KyM04ListMgr* instance();

    std::list<KyMic> m04List() const { return copyRecords(); }
    bool getM04(int id, KyMic& out) const { return getRecord(id, out); }
    bool getM04(int id, KyMic* out) const { return getRecord(id, out); }

    // kind 0 "ModTalkTerminal", 1 "ModM04Led", 2 "IpAmpSet"; busy retry; on 0
    // replaces the cached record and emits m04Changed. -1 for an unknown kind.
    int saveM04(KyMic& mic, int kind);
    int requestButtonCalls(KyMic& mic);
    int saveButtonCalls(KyMicBtnCall& call);
    int removeM04(KyMic& mic);

signals:
    void gotM04List();
    void m04Changed(int id);
    void m04Deleted(int id);

private:
    KyM04ListMgr();
    void notifyList() override { emit gotM04List(); }
    void notifyChanged(int id, bool) override { emit m04Changed(id); }
    void notifyDeleted(int id) override { emit m04Deleted(id); }
};
