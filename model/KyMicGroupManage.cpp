#include "KyMicGroupManage.h"

#include "KyJson.h"

KyMicGroupManage::KyMicGroupManage()
    : KyOrgListManage("KyMicGroupManage", RT_LIST, RT_SAVE, "DELETE_MicGroup", "groupId", &KyMicGroupManage::fromRow)
{
}

KyMicGroupManage* KyMicGroupManage::instance()
{
    static KyMicGroupManage mgr;
    return &mgr;
}

KyCommandRequest KyMicGroupManage::listRequest()
{
    return KyCommandRequest::sqlQuery("MicGroupList", "select * from callservergroup");
}

KyCommandRequest KyMicGroupManage::saveRequest(const KyMicGroup& group, int op)
{
    Json::Value body(Json::objectValue);
    body["Action"] = action(op);
    body["Id"] = kyDec(group.id);
    body["Name"] = group.name;
    body["Mic11Id"] = kyJoinIds(group.members);
    body["CallWaitRule"] = kyDec(group.callWaitRule);
    body["RingTime"] = kyDec(group.ringTime);
    return KyCommandRequest::post("CallService", body);
}

KyMicGroup KyMicGroupManage::fromRow(const KyRow& row)
{
    KyMicGroup g;
    g.id = row.toInt("groupId", g.id);
    g.name = row.text("name");
    g.callWaitRule = row.toInt("callWaitRule", g.callWaitRule);
    g.ringTime = row.toInt("ringTime", g.ringTime);
    g.members = kySplitIds(row.text("terminalId"));
    return g;
}
