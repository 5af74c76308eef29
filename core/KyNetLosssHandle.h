#pragma once

#include <QObject>

// Connection-loss handler: lives in the user-interface thread; the receive
// thread raises the loss through raiseLoss(), which reaches the handler
// queued and is delivered once per connection.
class KyNetLosssHandle : public QObject {
    Q_OBJECT
public:
    static KyNetLosssHandle* instance();   // created on first use, in the calling thread

    // Thread-safe; the first call after rearm() emits connectionLost() in the
    // user-interface thread, later calls do nothing.
    void raiseLoss();
    void rearm();

signals:
    void connectionLost();

private slots:
    void deliverLoss();

private:
    explicit KyNetLosssHandle(QObject* parent = nullptr);
    QAtomicInt m_raised;
};
