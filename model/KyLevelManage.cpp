#include "KyLevelManage.h"

#include <cstdio>
#include <cstring>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyModelUtil.h"

KyLevelManage::KyLevelManage() : KyTermBaseManage("KyLevelManage")
{
    addListType(RT_LIST);
}

KyLevelManage* KyLevelManage::instance()
{
    static KyLevelManage mgr;
    return &mgr;
}

KyCommandRequest KyLevelManage::listRequest() const
{
    return KyCommandRequest::sqlQuery("LevelList", "select * from level");
}

void KyLevelManage::onReply(int requestType, const KyDbpMessage& msg)
{
    if (requestType != RT_LIST)
        return;
    std::vector<KyRow> rows;
    if (!kyParseRows(msg.body, rows)) {
        std::fprintf(stderr, "KyLevelManage: level list reply is not a row set, dropped\n");
        return;
    }
    kyKeepRowsWithIds(name(), "id", true, rows);
    std::vector<KyLevel> levels;
    levels.reserve(rows.size());
    for (const KyRow& row : rows) {
        KyLevel lv;
        lv.id = static_cast<uint16_t>(row.toInt("id"));
        std::strncpy(lv.name, row.text("name").c_str(), sizeof(lv.name) - 1);
        lv.level = static_cast<uint16_t>(row.toInt("level"));
        lv.type = static_cast<uint16_t>(row.toInt("type"));
        levels.push_back(lv);
    }
    Report::list(*this, 0, levels);
}
