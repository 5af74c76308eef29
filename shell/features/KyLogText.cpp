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

namespace {

void putDigits(char* out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// The 19 characters of the date, in a buffer of this thread; null when the
// time cannot be converted.
const char* dateChars(const std::string& seconds)
{
    // Beyond the year 9999 the text would outgrow its form; such values stop there.
    const uint64_t kLast = 253402300799ULL;
    uint64_t value = kyLeadingNumber(seconds);
    if (value > kLast)
        value = kLast;
    // Every zone's offset is whole minutes: the local minute is looked up
    // once per thread and minute, the seconds appended.
    thread_local uint64_t cachedMinute = UINT64_MAX;
    thread_local char text[] = "yyyy/MM/dd hh:mm:ss";
    const uint64_t minute = value / 60;
    if (minute != cachedMinute) {
        const time_t t = static_cast<time_t>(minute * 60);
        struct tm local;
        if (!localtime_r(&t, &local))
            return nullptr;
        putDigits(text, local.tm_year + 1900, 4);
        putDigits(text + 5, local.tm_mon + 1, 2);
        putDigits(text + 8, local.tm_mday, 2);
        putDigits(text + 11, local.tm_hour, 2);
        putDigits(text + 14, local.tm_min, 2);
        cachedMinute = minute;
    }
    putDigits(text + 17, static_cast<int>(value % 60), 2);
    return text;
}

const size_t kDateLength = 19;

}  // namespace

std::string kyLogDateText(const std::string& seconds)
{
    const char* text = dateChars(seconds);
    return text ? std::string(text, kDateLength) : std::string();
}

void kyAppendCsvDate(std::string& line, const std::string& seconds)
{
    // A date holds no double quote: nothing to double.
    const char* text = dateChars(seconds);
    line += '"';
    if (text)
        line.append(text, kDateLength);
    line += "\",";
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
    char* end = text + sizeof text;
    char* p = end;
    unsigned long long magnitude = number < 0 ? 0ULL - static_cast<unsigned long long>(number) : number;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0)
        *--p = '-';
    line += '"';
    line.append(p, end);
    line += "\",";
}
