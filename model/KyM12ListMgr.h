#pragma once

#include <QObject>

#include "KyBookListBase.h"
#include "KyM12Manage.h"

// m12 list manager with the books of the terminal requested last.
class KyM12ListMgr : public QObject, public KyBookListBase<KyM12> {
    Q_OBJECT
public:
    static KyM12ListMgr* instance();

    bool getM12(int id, KyM12& out) const { return getRecord(id, out); }
    bool getM12(int id, KyM12* out) const { return getRecord(id, out); }
    KyM12* cloneM12(int id) const { return cloneRecord(id); }

    int refreshM12(KyManageCenter* center, int id);
    // RemoveDevice with busy retry; on 0 removes the cached record.
    int removeM12(KyM12& m12);
    // "ModTalkTerminal" with busy retry; on 0 applies name and volumes and emits m12Changed(id).
    int saveM12(KyM12* m12);

    // 282 call book, 285 sound sources, 287 regions.
    int requestBooks(const KyBookReq& req);
    // 284 "M12CallBook", 286 "M12SoundSource", 288 "M12BroadBook"; busy retry.
    int saveBooks(const KyBookSaveReq& req);
    std::vector<KyBookEntry> contactList() const { return book(KyM12Manage::RT_CALL_BOOK); }
    std::vector<KyBookEntry> soundSourceList() const { return book(KyM12Manage::RT_SOURCE_BOOK); }
    std::vector<KyBookEntry> regionList() const { return book(KyM12Manage::RT_REGION_BOOK); }

signals:
    void gotM12List();
    void m12Changed(int id);
    void m12Deleted(int id);

private:
    KyM12ListMgr();
    void notifyList() override { emit gotM12List(); }
    void notifyChanged(int id, bool) override { emit m12Changed(id); }
    void notifyDeleted(int id) override { emit m12Deleted(id); }
};
