#include "KySystemParameter.h"

int KySystemParameter::kindOfName(const std::string& name)
{
    if (name == "Record_Server")
        return 0;
    if (name == "Talk_Log_Server")
        return 1;
    if (name == "Vad_Ptt_Time_Out")
        return 2;
    if (name == "System_Name")
        return 4;
    return 5;
}
