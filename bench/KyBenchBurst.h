#pragma once
// A burst of pushes handed on from another thread, as the receive thread
// hands them on, while the user-interface thread runs its event loop.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "KyRowUpdates.h"

struct KyBurstResult {
    qint64 longestPauseMs = 0;   // the longest time the loop did not come back
    bool settled = false;        // whether `settled` held before 60 s
    qint64 elapsedMs = 0;
};

// Runs `send` in its own thread and the event loop here; once the sender is
// done, checks `settled` after each 200 ms of quiet (the check is no pause).
inline KyBurstResult kyRunBurst(const std::function<void()>& send, const std::function<bool()>& settled)
{
    KyBurstResult result;
    QElapsedTimer clock;
    qint64 last = 0;
    auto tick = [&] {
        result.longestPauseMs = std::max(result.longestPauseMs, clock.elapsed() - last);
        last = clock.elapsed();
    };
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, tick);
    clock.start();
    ticker.start();
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        send();
        sent = true;
    });
    qint64 quiet = 0;   // when the sender was done or the last check ended
    while (!result.settled && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        tick();
        if (!sent)
            continue;
        if (quiet == 0)
            quiet = clock.elapsed();
        if (clock.elapsed() - quiet < 200)
            continue;
        ticker.stop();
        result.settled = settled();
        quiet = last = clock.elapsed();
        ticker.start();
    }
    sender.join();
    result.elapsedMs = clock.elapsed();
    return result;
}

// Applies the pushed changes a page still has waiting, as the next turns of
// the loop would (the page's row updates are children of its table).
inline void kyFlushRowUpdates(QObject* table)
{
    for (QObject* child : table->children())
        if (auto* updates = dynamic_cast<KyRowUpdates*>(child))
            updates->flush();
}
