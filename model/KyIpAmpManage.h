#pragma once

#include "KyTermRowManage.h"
#include "KyTerminal.h"

// Play-terminal (IP amplifier) protocol manager.
class KyIpAmpManage : public KyTermRowManage<KyTerminal> {
public:
    enum { RT_LIST = 100, RT_SAVE = 101, RT_POWER = 102, RT_REMOVE = 103, RT_SPK_CHECK = 104, RT_SET_TERMINAL = 105 };

    KyIpAmpManage();
    static KyIpAmpManage* instance();

    // "IpAmpSet": Id, Name, BroVol.
    KyCommandRequest saveRequest(const KyTerminal& term) const;
    // "IpAmpPower": Id, Power (0/1).
    KyCommandRequest powerRequest(int id, int state) const;
    // "IpAmpSpkCheck": Id, SpkCheck "1".
    KyCommandRequest speakerCheckRequest(int id) const;
    // POST "Terminal": Id, TransportTcp, DefaultVolume, DefaultPower, IsDefault.
    KyCommandRequest setTerminalRequest(const KyTerminal& term) const;
};
