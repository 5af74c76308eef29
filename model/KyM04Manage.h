#pragma once

#include "KyTalkTermManage.h"

// mic04 protocol manager.
class KyM04Manage : public KyTalkTermManage {
public:
    enum {
        RT_LIST = 210, RT_SAVE = 211, RT_SAVE_LED = 212, RT_SAVE_AMP = 213, RT_BUTTON_QUERY = 214,
        RT_BUTTON_SAVE = 215, RT_REMOVE = 216
    };

    KyM04Manage();
    static KyM04Manage* instance();

    // "ModM04Led": Id, LedColor, SwitchMode, DisplayTime, LedTxt.
    KyCommandRequest ledRequest(const KyMic& mic) const;
    // "IpAmpSet": Id, Name, BroVol.
    KyCommandRequest ampRequest(const KyMic& mic) const;
    // One entry as "M04ButtonCall".
    KyCommandRequest buttonCallRequest(const KyMicBtnCall& call) const;
};
