#pragma once

#include <QObject>

#include "KyM02Manage.h"
#include "KyTalkListBase.h"

// mic02 list manager. Signals are emitted from the receive thread for
// replies and pushes, and from the calling thread for its own saves.
class KyM02ListMgr : public QObject, public KyTalkListBase {
    Q_OBJECT
public:
    // Creates the manager on first use and requests the list (busy retry).
    static KyM02ListMgr* instance();

    // Copy of the cached list, taken under the list mutex.
    std::list<KyMic> m02List() const { return copyRecords(); }
    bool getM02(int id, KyMic& out) const { return getRecord(id, out); }
    bool getM02(int id, KyMic* out) const { return getRecord(id, out); }

    // "ModTalkTerminal" with busy retry; on 0 replaces or appends the record
    // and emits m02Changed. Returns the hub's result.
    int saveM02(KyMic& mic);
    // Stored calls are emptied first and refilled only from this reply.
    int requestButtonCalls(KyMic& mic);
    // With busy retry; the cache is not changed.
    int saveButtonCalls(const std::vector<KyMicBtnCall>& calls);
    // RemoveDevice with busy retry; on 0 removes and emits m02Deleted.
    int removeM02(KyMic& mic);

signals:
    void gotM02List();
    void m02Changed(int id);
    void m02Deleted(int id);

private:
    KyM02ListMgr();
    void notifyList() override { emit gotM02List(); }
    void notifyChanged(int id, bool) override { emit m02Changed(id); }
    void notifyDeleted(int id) override { emit m02Deleted(id); }
};
