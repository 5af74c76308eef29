#pragma once

#include <vector>

#include "KyLevel.h"
#include "KyListEvents.h"
#include "KyTermBaseManage.h"

// Protocol manager of the level list: writes the list query and parses its rows.
class KyLevelManage : public KyTermBaseManage {
public:
    enum { RT_LIST = 160 };
    using Events = KyListEvents<KyLevel>;
    using Report = KyListAdapter<Events>;

    KyLevelManage();
    static KyLevelManage* instance();

    KyCommandRequest listRequest() const;
    void onReply(int requestType, const KyDbpMessage& msg) override;
};
