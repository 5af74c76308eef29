#pragma once

#include "KyBookTermManage.h"
#include "KyM12.h"

// m12 protocol manager, with its call, sound-source and region books.
class KyM12Manage : public KyBookTermManage<KyM12> {
public:
    enum {
        RT_LIST = 280, RT_REFRESH = 281, RT_CALL_BOOK = 282, RT_SAVE = 283, RT_CALL_SAVE = 284,
        RT_SOURCE_BOOK = 285, RT_SOURCE_SAVE = 286, RT_REGION_BOOK = 287, RT_REGION_SAVE = 288, RT_REMOVE = 289
    };

    KyM12Manage();
    static KyM12Manage* instance();

    // "ModTalkTerminal": Id, Name and the four volumes.
    KyCommandRequest saveRequest(const KyM12& m12) const;
};
