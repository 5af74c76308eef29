#pragma once

#include <vector>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyMicGroup.h"

struct KyRow;

// Protocol manager of the mic groups ("callservergroup"): writes the list
// query and the "CallService" change, parses the list reply and the
// "DELETE_MicGroup" notification.
class KyMicGroupManage : public KyBaseMgr {
public:
    enum { RT_LIST = 224, RT_SAVE = 225 };
    // Callback events: EV_LIST with a std::vector<KyMicGroup>, EV_DELETED with the id.
    enum { EV_LIST = 1, EV_DELETED = 2 };

    KyMicGroupManage();

    static KyCommandRequest listRequest();
    // op 4 "Add", 5 "Mod", 6 "Del".
    static KyCommandRequest saveRequest(const KyMicGroup& group, int op);
    static KyMicGroup fromRow(const KyRow& row);

    void onReply(int requestType, const KyDbpMessage& msg) override;
    bool onNotification(const std::string& name, const std::string& body) override;
    bool handlesCode(const std::string& pushName) const override;
};
