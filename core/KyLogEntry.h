#pragma once

#include <string>

// One row of the user, terminal or talkback log.
struct KyLogEntry {
    int id = 0;
    int terminalId = 0;
    std::string name;
    std::string ip;
    std::string time;     // decimal seconds since 1970 (talkback: begin time)
    std::string endTime;  // talkback only, same form
    int callerId = 0;
    int calledId = 0;
    std::string callerName;
    std::string calledName;
    std::string type;     // talkback: call-type number; terminal log: type text
    std::string content;  // user log content, terminal action, talkback source name
    std::string recordFile;  // recording path on the file service; empty when none
};
