#pragma once

#include <vector>

#include "KyLevel.h"
#include "KyTermBaseManage.h"

// Protocol manager of the level list: writes the list query and parses its rows.
class KyLevelManage : public KyTermBaseManage {
public:
    enum { RT_LIST = 160 };
    enum Event { EV_LIST = 0 };  // data: const std::vector<KyLevel>*

    KyLevelManage();
    static KyLevelManage* instance();

    KyCommandRequest listRequest() const;
    void onReply(int requestType, const KyDbpMessage& msg) override;
};
