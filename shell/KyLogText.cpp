#include "KyLogText.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <limits>

uint64_t kyLeadingNumber(const std::string& text)
{
    const uint64_t max = std::numeric_limits<uint64_t>::max();
    uint64_t value = 0;
    for (char c : text) {
        if (!isdigit(static_cast<unsigned char>(c)))
            break;
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (value > (max - digit) / 10)
            return max;
        value = value * 10 + digit;
    }
    return value;
}

std::string kyLogDateText(const std::string& seconds)
{
    // Beyond the year 9999 the text would outgrow its form; such values stop there.
    const uint64_t kLast = 253402300799ULL;
    uint64_t value = kyLeadingNumber(seconds);
    if (value > kLast)
        value = kLast;
    const time_t t = static_cast<time_t>(value);
    struct tm local;
    if (!localtime_r(&t, &local))
        return std::string();
    char text[32];
    snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
             local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

void kyAppendCsvField(std::string& line, const std::string& text)
{
    line += '"';
    size_t from = 0;
    for (size_t quote = text.find('"'); quote != std::string::npos; quote = text.find('"', from)) {
        line.append(text, from, quote + 1 - from);
        line += '"';
        from = quote + 1;
    }
    line.append(text, from, std::string::npos);
    line += "\",";
}

void kyAppendCsvField(std::string& line, long long number)
{
    char text[24];
    snprintf(text, sizeof text, "\"%lld\",", number);
    line += text;
}
