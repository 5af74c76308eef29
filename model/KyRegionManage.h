#pragma once

#include "KyCommandRequest.h"
#include "KyOrgListManage.h"
#include "KyRegion.h"

// Protocol manager of the broadcast regions ("region"): the list query, the
// "BroadRegion" change and the "DELETE_Region" notification.
class KyRegionManage : public KyOrgListManage<KyRegion> {
public:
    enum { RT_LIST = 141, RT_SAVE = 142 };

    KyRegionManage();
    static KyRegionManage* instance();

    static KyCommandRequest listRequest();
    // op 4 "Add", 5 "Mod", 6 "Del".
    static KyCommandRequest saveRequest(const KyRegion& region, int op);
    static KyRegion fromRow(const KyRow& row);
};
