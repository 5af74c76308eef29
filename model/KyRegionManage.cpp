#include "KyRegionManage.h"

#include "KyJson.h"

KyRegionManage::KyRegionManage()
    : KyOrgListManage("KyRegionManage", RT_LIST, RT_SAVE, "DELETE_Region", "regionId", &KyRegionManage::fromRow)
{
}

KyRegionManage* KyRegionManage::instance()
{
    static KyRegionManage mgr;
    return &mgr;
}

KyCommandRequest KyRegionManage::listRequest()
{
    return KyCommandRequest::sqlQuery("RegionList", "select * from region");
}

KyCommandRequest KyRegionManage::saveRequest(const KyRegion& region, int op)
{
    std::vector<int> ids;
    for (const KyBaseTerminal& t : region.members)
        ids.push_back(t.id);
    Json::Value body(Json::objectValue);
    body["Action"] = action(op);
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
