#pragma once

#include "KyTermRowManage.h"
#include "KyTts.h"

// TTS terminal protocol manager.
class KyTtsManage : public KyTermRowManage<KyTts> {
public:
    enum { RT_LIST = 110, RT_SAVE = 111, RT_REMOVE = 112 };

    KyTtsManage();
    static KyTtsManage* instance();

    // "TtsSet": Id, Name.
    KyCommandRequest saveRequest(const KyTts& tts) const;
};
