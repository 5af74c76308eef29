#pragma once

#include <memory>

#include "KyCapManage.h"
#include "KyQtViewCtrl.h"
#include "KyTermListBase.h"

class KyManageContext;

// Capture-terminal list holder. Its view controller signals haveTerminals()
// after a list arrived, updateTerminal(id) after a terminal was changed or
// added by the server, delTerminal(id) after the server removed one.
class KyCapList : public KyViewCtrlHolder, public KyTermListBase<KyCap> {
public:
    // Creates the holder once (in the user-interface thread) and requests the
    // list; hooks it into the manage context whenever that has none.
    static KyCapList* instance();

    KyQtViewCtrl* viewCtrl() override { return m_view.get(); }

    // init() requests the list and waits for it, busy retry every 100 ms;
    // this does the same through the context's center.
    int requestListUntilDone(KyManageContext* ctx);

    // Locks the holder's mutex and returns the list; null, without locking,
    // before the first list. The caller calls unlockList() after use.
    std::list<KyCap>* lockList() { return m_cache.lock(); }
    void unlockList() { m_cache.unlock(); }
    bool getCap(int id, KyCap& out) const { return getRecord(id, out); }

    // "CapM03Set" with busy retry; returns the hub's result (-1 without a
    // center). On 0 the record moves to the end of the list; no view signal.
    int saveCap(KyManageCenter* center, const KyCap& cap);
    // RemoveDevice with the type, busy retry; on 0 removes the cached record.
    int removeCap(KyManageCenter* center, const KyCap& cap);

private:
    KyCapList();
    void notifyList() override { m_view->haveTerminals(); }
    void notifyChanged(int id, bool) override { m_view->updateTerminal(id); }
    void notifyDeleted(int id) override { m_view->delTerminal(id); }

    std::unique_ptr<KyQtViewCtrl> m_view;
};
