#pragma once

#include "KyBaseTerminal.h"

// capm03 capture terminal; state 0 offline, 1 idle, 2 broadcasting.
// Row keys: base keys, capVol, capSamplerate. An empty name reads as "Cap_<id>".
struct KyCap : KyBaseTerminal {
    int capVol = 0;          // 0..100
    int capSamplerate = 0;   // 16000, 24000 or 32000
};
