#include "KyModelUtil.h"

#include <climits>
#include <cstdio>
#include <sstream>

#include "KyBaseMgr.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyManageCenter.h"

std::string kyJoinIds(const std::vector<int>& ids)
{
    std::string text;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i)
            text += ' ';
        text += kyDec(ids[i]);
    }
    return text;
}

std::vector<int> kySplitIds(const std::string& text)
{
    std::vector<int> ids;
    std::istringstream in(text);
    std::string piece;
    while (in >> piece) {
        const int id = kyToInt(piece, INT_MIN);
        if (id != INT_MIN)
            ids.push_back(id);
    }
    return ids;
}

bool kyParseNotice(const std::string& who, const std::string& body, KyNotice& out)
{
    Json::Value obj;
    const std::string idText = kyJsonParse(body, obj) ? kyJsonText(obj, "Id") : std::string();
    const int id = kyToInt(idText, -1);
    if (id < 0) {
        std::fprintf(stderr, "%s: notification without a valid Id dropped: %s\n", who.c_str(), body.c_str());
        return false;
    }
    out.id = id;
    out.kind = kyToInt(kyJsonText(obj, "Kind"), 0);
    out.result = kyJsonText(obj, "Result");
    return true;
}

bool kyParseRowsLogged(const std::string& who, const std::string& body, std::vector<KyRow>& rows)
{
    if (kyParseRows(body, rows))
        return true;
    std::fprintf(stderr, "%s: body is not a row set, dropped (%zu bytes)\n", who.c_str(), body.size());
    return false;
}

void kyAttachManager(KyBaseMgr* mgr)
{
    if (KyManageCenter* center = KyManageCenter::instance())
        center->registerManager(mgr);
}
