#pragma once

#include "KyCommandRequest.h"
#include "KyMicGroup.h"
#include "KyOrgListManage.h"

// Protocol manager of the mic groups ("callservergroup"): writes the list
// query and the "CallService" change, parses the list reply and the
// "DELETE_MicGroup" notification.
class KyMicGroupManage : public KyOrgListManage<KyMicGroup> {
public:
    enum { RT_LIST = 224, RT_SAVE = 225 };

    KyMicGroupManage();
    static KyMicGroupManage* instance();

    static KyCommandRequest listRequest();
    // op 4 "Add", 5 "Mod", 6 "Del".
    static KyCommandRequest saveRequest(const KyMicGroup& group, int op);
    static KyMicGroup fromRow(const KyRow& row);
};
