#pragma once

#include "KyTalkTermManage.h"

// mic02 protocol manager.
class KyM02Manage : public KyTalkTermManage {
public:
    enum { RT_LIST = 200, RT_SAVE = 201, RT_BUTTON_QUERY = 202, RT_BUTTON_SAVE = 203, RT_REMOVE = 204 };

    KyM02Manage();
    static KyM02Manage* instance();

    // All entries but the last as "ButtonCalls"; with four or more entries
    // "AlarmCall" = the fourth entry's start event, a blank, its stop event.
    KyCommandRequest buttonCallsRequest(const std::vector<KyMicBtnCall>& calls) const;
};
