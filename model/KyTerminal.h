#pragma once

#include <string>

#include "KyBaseTerminal.h"

// Play terminal (IP amplifier). Row keys: base keys, exten, broVol, power,
// ampTemp, spkState, transportTcp, defaultVolume, defaultPower, isDefault, masterId.
struct KyTerminal : KyBaseTerminal {
    std::string exten = "--";  // second type name, "--" when none
    int broVol = 0;            // 0..100
    bool power = false;        // amplifier power
    int ampTemp = 0;           // degrees Celsius
    int spkState = 0;          // 0 open circuit, 1 pass, 2 short circuit, 3 checking
    int transport_tcp = 0;     // 1 reached through a firewall (TCP), 0 UDP
    int defaultVolumn = 0;
    bool defaultPower = false;
    bool isDefault = false;
    int master_id = 0;         // 0 none
};
