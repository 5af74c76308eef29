#pragma once

#include <string>

// One key's call setting. Row keys: terminalId, startCall, stopCall, mic11Id, groupId.
struct KyMicBtnCall {
    int terminalId = 0;
    int mic11Id = 0;  // called microphone, 0 none
    int groupId = 0;  // called mic group, 0 none
    std::string startCall;
    std::string stopCall;
};
