#pragma once

#include <string>

// One row of the server's "parameter" table. Row keys: name, value.
struct KySystemParameter {
    std::string name;
    std::string value;
    int kind = 5;   // from the name, see kindOfName

    // 0 "Record_Server", 1 "Talk_Log_Server", 2 "Vad_Ptt_Time_Out",
    // 4 "System_Name", 5 any other name.
    static int kindOfName(const std::string& name);
};
