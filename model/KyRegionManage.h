#pragma once

#include <vector>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyRegion.h"

struct KyRow;

// Protocol manager of the broadcast regions ("region"): the list query, the
// "BroadRegion" change and the "DELETE_Region" notification.
class KyRegionManage : public KyBaseMgr {
public:
    enum { RT_LIST = 141, RT_SAVE = 142 };
    // EV_LIST with a std::vector<KyRegion>, EV_DELETED with the id.
    enum { EV_LIST = 1, EV_DELETED = 2 };

    KyRegionManage();

    static KyCommandRequest listRequest();
    // op 4 "Add", 5 "Mod", 6 "Del".
    static KyCommandRequest saveRequest(const KyRegion& region, int op);
    static KyRegion fromRow(const KyRow& row);

    void onReply(int requestType, const KyDbpMessage& msg) override;
    bool onNotification(const std::string& name, const std::string& body) override;
    bool handlesCode(const std::string& pushName) const override;
};
