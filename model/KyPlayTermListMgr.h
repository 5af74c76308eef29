#pragma once

#include <QObject>
#include <atomic>

#include "KyIpAmpManage.h"
#include "KyTermListBase.h"

// Play-terminal list manager; the list is kept sorted by ascending id.
class KyPlayTermListMgr : public QObject, public KyTermListBase<KyTerminal> {
    Q_OBJECT
public:
    // Created on first use; the page requests the list ("TerminalList") with init().
    static KyPlayTermListMgr* instance();

    // Locks the list mutex and returns the list; null, without locking, when
    // no list was ever loaded. The caller calls unlockList() after the walk.
    std::list<KyTerminal>* lockList() { return m_cache.lock(); }
    void unlockList() { m_cache.unlock(); }

    bool getTerminal(int id, KyTerminal& out) const { return getRecord(id, out); }
    bool getTerminal(int id, KyTerminal* out) const { return getRecord(id, out); }
    KyTerminal* findTerminal(int id) const { return cloneRecord(id); }

    // The following send with busy retry (100 ms) and return the hub's result.
    // "IpAmpSet"; on 0 replaces the cached record.
    int saveTerminal(const KyTerminal& term);
    // "IpAmpPower"; the text is not used; -1 without a center. On 0 sets the cached power.
    int setPower(KyManageCenter* center, int id, const char* text, int state);
    // RemoveDevice with the type; on 0 removes the cached record.
    int deleteTerminal(const KyTerminal& term);
    // "IpAmpSpkCheck"; the outcome arrives later as a changed terminal.
    int sendSpeakerCheck(KyManageCenter* center, const KyTerminal& term);
    // POST "Terminal" with the firewall and default fields; -1 when either
    // pointer is null; on 0 replaces the cached record.
    int setTerminal(KyManageCenter* center, const KyTerminal* term);

    // Replaces the cached record with the same id; -1 when there is none.
    int replaceTerminal(const KyTerminal& term);

    // How many whole lists have arrived.
    int listsArrived() const { return m_lists; }

signals:
    void gotPlayTermList();       // list loaded, or a new terminal appended
    void playTermChanged(int id); // a terminal changed or appended
    void delTermError(QString text);   // each failed-deletion notice with its own text
    void playTermDeleted(int id); // a terminal removed on the server's word

private:
    KyPlayTermListMgr();
    void notifyList() override;
    void notifyChanged(int id, bool appended) override;
    void notifyDeleted(int id) override { emit playTermDeleted(id); }
    void removeFailed(int id, const std::string& text) override;

    std::atomic<int> m_lists{0};
};
