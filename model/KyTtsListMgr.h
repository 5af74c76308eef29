#pragma once

#include <QObject>

#include "KyTermListBase.h"
#include "KyTtsManage.h"

// TTS terminal list manager.
class KyTtsListMgr : public QObject, public KyTermListBase<KyTts> {
    Q_OBJECT
public:
    // Creates the manager on first use and requests the list (busy retry).
    static KyTtsListMgr* instance();

    // Copies the cached list into out under the mutex.
    void copyList(std::list<KyTts>& out) const { out = copyRecords(); }
    bool getTts(int id, KyTts& out) const { return getRecord(id, out); }

    // "TtsSet" with busy retry; on 0 applies the record and emits TTsChanged(id).
    int saveTts(const KyTts& tts);
    // RemoveDevice with the type, busy retry; on 0 removes and emits TTsDeleted(id).
    int deleteTts(const KyTts& tts);

signals:
    void gotTTsList();
    void TTsChanged(int id);
    void TTsDeleted(int id);

private:
    KyTtsListMgr();
    void notifyList() override { emit gotTTsList(); }
    void notifyChanged(int id, bool) override { emit TTsChanged(id); }
    void notifyDeleted(int id) override { emit TTsDeleted(id); }
};
