#pragma once

#include <QObject>

#include "KyBookListBase.h"
#include "KyM11Manage.h"
#include "KyTerminal.h"

// mic11 list manager with the books of the terminal requested last and the
// all-play-terminal list.
class KyMicListMgr : public QObject, public KyBookListBase<KyMic, std::vector<KyTerminal>> {
    Q_OBJECT
public:
    // Created on first use; init() requests the list, whose reply emits gotMicList().
    static KyMicListMgr* instance();

    bool getMic(int id, KyMic& out) const { return getRecord(id, out); }
    bool getMic(int id, KyMic* out) const { return getRecord(id, out); }
    KyMic* cloneMic(int id) const { return cloneRecord(id); }

    // RemoveDevice with busy retry; on 0 removes the cached record (no signal).
    int removeMic(KyMic& mic);
    // GET one mic11; the reply emits micChanged(id).
    int refreshMic(KyManageCenter* center, int id);
    // "ModTalkTerminal" with busy retry; on 0 applies name, volumes and
    // push-to-talk mode to the cached record and emits micChanged(id).
    int saveMic(KyMic* mic);

    // 272 monitors, 274 sound sources, 276 regions, 269 (id 0) all play terminals.
    int requestMicBooks(const KyBookReq& req);
    // 273 "M11MonitorBook", 275 "M11SoundSource", 277 "M11BroadBook"; busy retry.
    int saveMicBooks(const KyBookSaveReq& req);
    // Copies of the books, taken under the book mutex.
    std::vector<KyBookEntry> monitorList() const { return book(KyM11Manage::RT_MONITOR_BOOK); }
    std::vector<KyBookEntry> soundSourceList() const { return book(KyM11Manage::RT_SOURCE_BOOK); }
    std::vector<KyBookEntry> regionList() const { return book(KyM11Manage::RT_REGION_BOOK); }

    // Locks the book mutex and returns the all-play-terminal list; the caller
    // calls unlockPlayTerminals() after use.
    std::list<KyTerminal>* lockPlayTerminals();
    void unlockPlayTerminals();

signals:
    void gotMicList();
    void micChanged(int id);
    void micDeleted(int id);

private:
    KyMicListMgr();
    void notifyList() override { emit gotMicList(); }
    void notifyChanged(int id, bool) override { emit micChanged(id); }
    void notifyDeleted(int id) override { emit micDeleted(id); }
    using KyBookListBase::extraArrived;
    // The all-play-terminal list.
    void extraArrived(int requestType, const std::vector<KyTerminal>& terms) override;

    std::list<KyTerminal> m_playTerminals;  // guarded by m_bookMutex
};
