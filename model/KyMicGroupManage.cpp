#include "KyMicGroupManage.h"

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyModelUtil.h"

KyMicGroupManage::KyMicGroupManage() : KyBaseMgr("KyMicGroupManage")
{
    addReplyTypes(RT_LIST, RT_SAVE);
}

KyCommandRequest KyMicGroupManage::listRequest()
{
    return KyCommandRequest::sqlQuery("MicGroupList", "select * from callservergroup");
}

KyCommandRequest KyMicGroupManage::saveRequest(const KyMicGroup& group, int op)
{
    static const char* const actions[] = {"Add", "Mod", "Del"};
    Json::Value body(Json::objectValue);
    body["Action"] = (op >= 4 && op <= 6) ? actions[op - 4] : "";
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

void KyMicGroupManage::onReply(int requestType, const KyDbpMessage& msg)
{
    if (requestType != RT_LIST)
        return;
    std::vector<KyRow> rows;
    if (!kyParseRowsLogged(name(), msg.body, rows))
        return;
    std::vector<KyMicGroup> groups;
    for (const KyRow& row : rows)
        groups.push_back(fromRow(row));
    callback(EV_LIST, 0, &groups);
}

bool KyMicGroupManage::onNotification(const std::string&, const std::string& body)
{
    KyNotice notice;
    if (kyParseNotice(name(), body, notice))
        callback(EV_DELETED, notice.id, nullptr);
    return true;
}

bool KyMicGroupManage::handlesCode(const std::string& pushName) const
{
    return pushName == "DELETE_MicGroup";
}
