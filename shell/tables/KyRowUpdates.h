#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <unordered_set>
#include <vector>

// Pushed row changes of a page, applied from the event loop: an id that is
// posted again while it waits is applied once, and a run stops after
// kSliceMs and goes on in the next turn of the loop, so that a burst of
// pushes never holds the window still.
class KyRowUpdates : public QObject {
public:
    static const int kSliceMs = 20;

    KyRowUpdates(QObject* parent, std::function<void(int id)> apply);

    void post(int id);
    // Applies every waiting change now.
    void flush();

private:
    void run(qint64 budgetMs);

    std::function<void(int id)> m_apply;
    std::vector<int> m_order;
    std::unordered_set<int> m_waiting;
    size_t m_next = 0;
    QTimer m_timer;
};
