#include "KyServerClock.h"

#include <QDateTime>

KyServerClock::KyServerClock(Source source) : m_source(std::move(source)) {}

bool KyServerClock::parseTime(const std::string& text, uint64_t* seconds)
{
    bool ok = false;
    const qulonglong value = QString::fromStdString(text).trimmed().toULongLong(&ok, 10);
    if (!ok || static_cast<uint32_t>(value) == 0)
        return false;
    *seconds = static_cast<uint32_t>(value);
    return true;
}

void KyServerClock::format(uint64_t seconds, QString* date, QString* time)
{
    const QDateTime at = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds));
    *date = at.toString(QStringLiteral("yyyy-MM-dd"));
    *time = at.toString(QStringLiteral("hh:mm:ss"));
}

void KyServerClock::start()
{
    m_serverTime = 0;
    uint64_t seconds = 0;
    if (m_source && parseTime(m_source(), &seconds))
        m_serverTime = seconds;
}

bool KyServerClock::tick(QString* date, QString* time)
{
    if (m_serverTime != 0) {
        ++m_serverTime;
        format(m_serverTime, date, time);
        return true;
    }
    uint64_t seconds = 0;
    if (m_source && parseTime(m_source(), &seconds)) {
        m_serverTime = seconds + 1;
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    *date = now.toString(QStringLiteral("yyyy-MM-dd"));
    *time = now.toString(QStringLiteral("hh:mm:ss"));
    return true;
}
