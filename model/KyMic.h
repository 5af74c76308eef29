#pragma once

#include <string>

#include "KyBaseTerminal.h"

// Talk terminal of the mic02, mic04 and mic11 lists.
// Row keys: base keys, ledColor, switchMode, displayTime, ledTxt, ppt, aec,
// PttMode (or pttMode), capVol, bellVol, callVol, broVol, exten.
struct KyMic : KyBaseTerminal {
    enum { VOL_CAPTURE = 0, VOL_RING = 1, VOL_TALK = 2, VOL_BROADCAST = 3 };

    int ledColor = 224;   // RRRGGGBB: 224 red, 28 green, 252 yellow
    int switchMode = 1;   // move mode: 2 left, 3 right, 4 up, 5 down
    int displayTime = 5;  // switch time
    std::string ledTxt;
    int ppt = 0;
    int aec = 0;
    int pttMode = 0;      // mic11 push-to-talk: 0 no, 1 yes
    int vol[4] = {0, 0, 0, 0};
    std::string exten;
};
