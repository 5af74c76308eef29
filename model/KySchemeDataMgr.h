#pragma once

#include <list>
#include <memory>
#include <mutex>

#include "KyMutexHolder.h"
#include "KyRecordCache.h"
#include "KyScheme.h"
#include "KySchemeManage.h"

class KyQtViewCtrl;

// Scheme store: one cache per kind 0..3, all behind the store's recursive
// mutex, and one view controller per kind made on demand. Notifications of a kind go out
// through its view controller after the list has been updated.
class KySchemeDataMgr : public KyMutexHolder, public KySchemeManage::Events {
public:
    enum { KIND_COUNT = 4 };

    // Created on first use; registered with the manage context when one exists.
    static KySchemeDataMgr* instance();

    // The kind's list with the store mutex held (release with unlock()).
    // Until the kind's full list has been received (a list made by a push or
    // a lookup does not count) it is requested (retrying while busy) and null
    // is returned without the mutex held; null for a bad kind.
    std::list<KyScheme>* lockSchemes(int kind);

    // Copies the cached scheme of that id and kind into out (when not null).
    // False when absent.
    bool findScheme(int id, int kind, KyScheme* out);

    KyQtViewCtrl* viewCtrl(int kind);

    // Each returns the request's result. On 0 the record receives the scheme
    // carried by this request's own reply. The list changes only from the
    // server's replies and pushes.
    int addScheme(KyScheme& record, int kind);
    int modifyScheme(KyScheme& record, int kind);
    // Sends the record with its enable flag flipped; the record changes only
    // on 0 (to the reported scheme).
    int enableScheme(KyScheme& record, int kind);
    // 1 when the server refuses (tasks still belong to the scheme).
    int deleteScheme(int id, int kind);

    // Removes the first scheme of that id from the kind's list and, when one
    // was removed, emits delTerminal(id). Returns 0.
    int onSchemeDeleted(int id, int kind);

    int requestList(int kind);

private:
    KySchemeDataMgr();
    static bool validKind(int kind) { return kind >= 0 && kind < KIND_COUNT; }
    int sendChange(int requestType, KyCommandRequest req, KyScheme& record, int kind);
    void listArrived(int kind, const std::vector<KyScheme>& schemes) override { storeList(kind, schemes); }
    void recordChanged(int, const KyScheme& scheme) override { storeReported(scheme); }
    void recordRemoved(int id, int kind) override { onSchemeDeleted(id, kind); }
    void storeList(int kind, const std::vector<KyScheme>& schemes);
    void storeReported(const KyScheme& scheme);

    // Loaded once a list reply has filled the kind.
    KyRecordCache<KyScheme> m_lists[KIND_COUNT] = {{false, &mutex()}, {false, &mutex()}, {false, &mutex()},
                                                    {false, &mutex()}};
    std::mutex m_ctrlMutex;
    std::unique_ptr<KyQtViewCtrl> m_ctrls[KIND_COUNT];
};
