#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "KyExecTime.h"

// Task of any kind (sound-source, manual, timer, SDK). Request keys are the
// field names with an upper-case first letter, row keys the field names.
struct KySsTask {
    int32_t id = 0;               // 0: new task
    std::string name;
    int32_t status = 2;           // 1 running, 2 idle
    int32_t sourceCategory = 1;   // 1 sound-source, 2 manual, 3 timer, 4 SDK
    int32_t sourceType = 1;       // 1 files, 2 capture, 3 TTS, 4 mic
    int32_t timerPlanId = -1;     // scheme of a timer task
    std::string sourceContent;
    int32_t playVol = 70;
    int32_t duration = 0;
    int32_t playTimes = 1;
    int32_t openAmp = 0;
    int32_t week = 0;             // bit 0 Monday .. bit 6 Sunday
    int32_t startDate = 0;        // seconds since 1970 of local midnight
    int32_t endDate = 0;          // same, 0 = no end
    std::string executeTime;      // "label#$%seconds" joined by "!!!"
    std::string terminalId;       // ids joined by one blank
    std::list<int32_t> terminalIdList;   // as read from the server
    std::list<KyExecTime> execTimeList;  // rebuilt from executeTime
};
