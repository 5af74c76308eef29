#pragma once

#include <list>
#include <mutex>

#include <QObject>

#include "KyLogEntry.h"
#include "KyServiceLogManage.h"

// Logs read through the central server: four stored pages (user, talk,
// terminal, recordings), newest first. Signals come from the receive thread.
class KyServiceLogMgr : public QObject, public KyServiceLogManage::Events {
    Q_OBJECT
public:
    static KyServiceLogMgr* instance();

    // Sends the kind's query (0..7) from row start and waits, retrying while
    // busy; the count or page arrives through the signals.
    int requestLogs(int kind, int start);

    // Copies of the stored pages of kind 1 / 3 / 5 / 7.
    std::list<KyLogEntry> userLogList() const { return page(0); }
    std::list<KyLogEntry> talkLogList() const { return page(1); }
    std::list<KyLogEntry> termLogList() const { return page(2); }
    std::list<KyLogEntry> talkRecordList() const { return page(3); }
    // Copies the row of the recordings page with that id; false when absent.
    bool getTalkRecord(int id, KyLogEntry& record) const;

signals:
    void gotUserLogSize(int n);
    void gotTalkLogSize(int n);
    void gotTermLogSize(int n);
    void gotTalkRecordSize(int n);
    void gotUserLogList();
    void gotTalkLogList();
    void gotTermLogList();
    void gotTalkRecordList();

private:
    KyServiceLogMgr();
    std::list<KyLogEntry> page(int index) const;
    void listArrived(int kind, const std::vector<KyLogEntry>& rows) override;
    // The count of a kind.
    void extraArrived(int kind, const int& n) override;
    void emitPage(int kind);

    mutable std::mutex m_mutex;
    std::list<KyLogEntry> m_pages[4];
};
