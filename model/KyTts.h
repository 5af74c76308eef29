#pragma once

#include "KyBaseTerminal.h"

struct KyRow;

// TTS terminal; state 0..4: offline, idle, begin work, working, end work.
struct KyTts : KyBaseTerminal {
};

void kyReadRow(const KyRow& row, KyTts& tts);
