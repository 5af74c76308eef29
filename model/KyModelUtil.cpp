#include "KyModelUtil.h"

#include <climits>
#include <cstdio>
#include <sstream>
#include <unordered_set>

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

void kyKeepRowsWithIds(const std::string& who, const char* key, bool distinct, std::vector<KyRow>& rows)
{
    std::vector<bool> drop(rows.size());
    std::unordered_set<int> seen;
    if (distinct)
        seen.reserve(rows.size());
    size_t idless = 0, repeated = 0;
    for (size_t i = rows.size(); i-- > 0;) {
        const int id = rows[i].toInt(key, -1);
        const bool usable = id >= 0;
        drop[i] = !usable || (distinct && !seen.insert(id).second);
        idless += !usable;
        repeated += usable && drop[i];
    }
    if (idless + repeated == 0)
        return;
    size_t kept = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (drop[i])
            continue;
        if (kept != i)
            rows[kept] = std::move(rows[i]);
        ++kept;
    }
    rows.resize(kept);
    std::fprintf(stderr, "%s: %zu rows without a usable %s and %zu naming an id again (the later row kept) dropped\n",
                 who.c_str(), idless, key, repeated);
}

void kyAttachManager(KyBaseMgr* mgr)
{
    if (KyManageCenter* center = KyManageCenter::instance())
        center->registerManager(mgr);
}
