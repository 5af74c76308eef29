#include "KyRegionManage.h"

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyModelUtil.h"

KyRegionManage::KyRegionManage() : KyBaseMgr("KyRegionManage")
{
    addReplyTypes(RT_LIST, RT_SAVE);
}

KyCommandRequest KyRegionManage::listRequest()
{
    return KyCommandRequest::sqlQuery("RegionList", "select * from region");
}

KyCommandRequest KyRegionManage::saveRequest(const KyRegion& region, int op)
{
    static const char* const actions[] = {"Add", "Mod", "Del"};
    std::vector<int> ids;
    for (const KyBaseTerminal& t : region.members)
        ids.push_back(t.id);
    Json::Value body(Json::objectValue);
    body["Action"] = (op >= 4 && op <= 6) ? actions[op - 4] : "";
    body["Id"] = kyDec(region.id);
    body["Name"] = region.name;
    body["TerminalId"] = kyJoinIds(ids);
    return KyCommandRequest::post("BroadRegion", body);
}

KyRegion KyRegionManage::fromRow(const KyRow& row)
{
    KyRegion r;
    r.id = row.toInt("regionId", r.id);
    r.name = row.text("name");
    r.comment = row.text("comment");
    for (int id : kySplitIds(row.text("terminalId"))) {
        KyBaseTerminal t;
        t.id = id;
        r.members.push_back(t);
    }
    return r;
}

void KyRegionManage::onReply(int requestType, const KyDbpMessage& msg)
{
    if (requestType != RT_LIST)
        return;
    std::vector<KyRow> rows;
    if (!kyParseRowsLogged(name(), msg.body, rows))
        return;
    std::vector<KyRegion> regions;
    for (const KyRow& row : rows)
        regions.push_back(fromRow(row));
    callback(EV_LIST, 0, &regions);
}

bool KyRegionManage::onNotification(const std::string&, const std::string& body)
{
    KyNotice notice;
    if (kyParseNotice(name(), body, notice))
        callback(EV_DELETED, notice.id, nullptr);
    return true;
}

bool KyRegionManage::handlesCode(const std::string& pushName) const
{
    return pushName == "DELETE_Region";
}
