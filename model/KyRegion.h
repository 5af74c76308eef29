#pragma once

#include <string>
#include <vector>

#include "KyBaseTerminal.h"

// Broadcast region. Row keys: regionId, name, comment, terminalId (member ids
// separated by blanks; a member read from the server carries only its id).
struct KyRegion {
    int id = 0;
    std::string name;      // local 8-bit (UTF-8)
    std::string comment;   // second text, kept as the server sent it
    std::vector<KyBaseTerminal> members;
};
