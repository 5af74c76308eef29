#pragma once

#include "KyBookTermManage.h"
#include "KyMic.h"
#include "KyTerminal.h"

// mic11 protocol manager, with the books and the all-play-terminal list.
class KyM11Manage : public KyBookTermManage<KyMic, std::vector<KyTerminal>> {
public:
    enum {
        RT_LIST = 265, RT_REFRESH = 266, RT_SAVE = 267, RT_REMOVE = 268, RT_PLAY_TERMINALS = 269,
        RT_MONITOR_BOOK = 272, RT_MONITOR_SAVE = 273, RT_SOURCE_BOOK = 274, RT_SOURCE_SAVE = 275,
        RT_REGION_BOOK = 276, RT_REGION_SAVE = 277
    };
    // The reply of RT_PLAY_TERMINALS is an extra list of KyTerminal.

    KyM11Manage();
    static KyM11Manage* instance();

    // "ModTalkTerminal": Id, Name, the four volumes, PttMode.
    KyCommandRequest saveRequest(const KyMic& mic) const;
    KyCommandRequest playTerminalsQuery() const;

protected:
    void deliverEntries(int requestType, const std::string& body) override;
};
