#pragma once

#include "KyBaseTerminal.h"

// TTS terminal; state 0..4: offline, idle, begin work, working, end work.
struct KyTts : KyBaseTerminal {
};
