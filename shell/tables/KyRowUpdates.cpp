#include "KyRowUpdates.h"

KyRowUpdates::KyRowUpdates(QObject* parent, std::function<void(int id)> apply)
    : QObject(parent), m_apply(std::move(apply))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { run(kSliceMs); });
}

void KyRowUpdates::post(int id)
{
    if (!m_waiting.insert(id).second)
        return;
    m_order.push_back(id);
    if (!m_timer.isActive())
        m_timer.start();
}

void KyRowUpdates::flush()
{
    run(-1);
}

void KyRowUpdates::run(qint64 budgetMs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_next < m_order.size() && (budgetMs < 0 || clock.elapsed() < budgetMs)) {
        const int id = m_order[m_next++];
        m_waiting.erase(id);   // a change posted while it is applied comes again
        m_apply(id);
    }
    if (m_next < m_order.size())
        return;
    m_order.clear();
    m_next = 0;
    m_timer.stop();
}
