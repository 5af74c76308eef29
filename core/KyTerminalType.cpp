#include "KyTerminalType.h"

namespace {
// Entries without a known name stay null and never match a name.
const char* const kTypeNames[KY_TERMINAL_TYPE_COUNT] = {
    "01",    "PR",    "IP",    "MIC",   "MIC01",   "MIC02",   nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr,   nullptr,   nullptr, nullptr,
    nullptr, nullptr, "IPD-S", "IPD",   nullptr,   nullptr,   nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr,   nullptr,   "CL",    "--",
};
}  // namespace

int terminalTypeIndex(const std::string& name)
{
    if (name.empty())
        return KY_TERMINAL_TYPE_COUNT;
    for (int i = 0; i < KY_TERMINAL_TYPE_COUNT; ++i) {
        if (kTypeNames[i] && name == kTypeNames[i])
            return i;
    }
    return KY_TERMINAL_TYPE_COUNT - 1;
}

std::string terminalTypeName(int code)
{
    switch (code) {
    case 2: return "Mic02";
    case 3: return "Mic11";
    case 4: return "Mic04";
    case 6: return "IP";
    case 8: return "M12";
    default: return std::string();
    }
}
