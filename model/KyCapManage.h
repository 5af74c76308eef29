#pragma once

#include "KyCap.h"
#include "KyTermRowManage.h"

// capm03 capture-terminal protocol manager.
class KyCapManage : public KyTermRowManage<KyCap> {
public:
    enum { RT_LIST = 120, RT_SAVE = 121, RT_REMOVE = 122 };

    KyCapManage();
    static KyCapManage* instance();

    // "CapM03Set": Id, Name, CapVol, CapSamplerate.
    KyCommandRequest saveRequest(const KyCap& cap) const;
};
