#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

// The main window's clock: counts the server's time once known, shows the
// local time until then.
class KyServerClock {
public:
    using Source = std::function<std::string()>;

    explicit KyServerClock(Source source);

    // Reads the server's time text once (at construction of the window).
    void start();
    // One second passed. True when date and time were written.
    bool tick(QString* date, QString* time);

    uint64_t serverTime() const { return m_serverTime; }

    // Decimal seconds since 1970 as an unsigned 32-bit number; false for an
    // empty or non-numeric text ("----") and for 0.
    static bool parseTime(const std::string& text, uint64_t* seconds);
    static void format(uint64_t seconds, QString* date, QString* time);

private:
    Source m_source;
    uint64_t m_serverTime = 0;
};
