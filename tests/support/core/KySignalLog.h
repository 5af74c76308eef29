#pragma once

#include <QObject>
#include <QVector>

// Records the ids of a model signal, delivered queued in the thread that
// created the log (the test's thread), so the receive thread never touches
// the recorded list. Signals without an id record 0.
//
//   KySignalLog changed(mgr, SIGNAL(m02Changed(int)));
//   QTRY_COMPARE(changed.count(), 1);
class KySignalLog : public QObject {
    Q_OBJECT
public:
    KySignalLog(QObject* sender, const char* signal);

    int count() const { return m_ids.size(); }
    const QVector<int>& ids() const { return m_ids; }
    void clear() { m_ids.clear(); }

public slots:
    void record(int id) { m_ids.append(id); }
    void recordNone() { m_ids.append(0); }

private:
    QVector<int> m_ids;
};
