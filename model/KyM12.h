#pragma once

#include "KyBaseTerminal.h"

// m12 terminal; volumes read from the same keys as KyMic (capVol, bellVol, callVol, broVol).
struct KyM12 : KyBaseTerminal {
    int vol[4] = {0, 0, 0, 0};  // capture, ring, talk, broadcast
};
