#pragma once

#include <string>
#include <vector>

// Call-service group. Row keys: groupId, name, callWaitRule, ringTime,
// terminalId (member ids separated by blanks).
struct KyMicGroup {
    int id = -1;
    std::string name;       // local 8-bit (UTF-8)
    int callWaitRule = 1;   // 1 "All Ring" .. 5 "Fixed Order"
    int ringTime = 60;      // seconds
    std::vector<int> members;  // mic11 terminal ids
};
