#include "KyExecTime.h"

#include <cstring>
#include <vector>

#include "KyDbpRows.h"
#include "KyTextUtil.h"

void KyExecTime::setLabel(const std::string& text)
{
    size_t n = text.size();
    if (n >= sizeof label) {
        n = sizeof label - 1;
        // Drop a character whose bytes would not all fit.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(label, text.data(), n);
    label[n] = '\0';
}

std::list<KyExecTime> kyParseExecTimes(const std::string& text)
{
    std::list<KyExecTime> times;
    std::vector<std::string> pieces;
    splitToStrings(text, &pieces, "!!!");
    for (const std::string& piece : pieces) {
        std::vector<std::string> parts;
        splitToStrings(piece, &parts, "#$%");
        if (parts.size() != 2)
            continue;
        KyExecTime t;
        t.setLabel(parts[0]);
        t.seconds = kyToInt(parts[1], 0);
        t.origin = 2;
        times.push_back(t);
    }
    return times;
}
