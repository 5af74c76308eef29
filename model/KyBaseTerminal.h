#pragma once

#include <string>

// Common base of the terminal records. Row keys: terminalId, ip, name, type, status.
struct KyBaseTerminal {
    int id = 0;
    std::string ip;
    std::string name;   // local 8-bit (UTF-8)
    std::string type;   // "Mic02", "Mic04", "Mic11", "M12", "IP", "PR", "tts01", "capm03", ...
    int state = 0;      // 0 offline
    bool namePlaceholder = false;   // name is the "<kind>_<id>" shown for an empty stored name; never sent

    virtual ~KyBaseTerminal() = default;
};
