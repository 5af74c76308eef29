#include "KySchemeManage.h"

#include <cstdio>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyModelUtil.h"

namespace {
Json::Value schemeBody(const char* action, const KyScheme& s, int kind)
{
    Json::Value body(Json::objectValue);
    body["Action"] = action;
    body["Id"] = kyDec(s.id);
    body["Name"] = s.name;
    body["Comment"] = s.comment;
    body["Enable"] = kyDec(s.enable);
    body["Kind"] = kyDec(kind);
    return body;
}
}

KySchemeManage::KySchemeManage() : KyBaseMgr("KySchemeManage")
{
    addListType(RT_LIST);
    addReplyTypes(RT_ADD, RT_DELETE);
}

KySchemeManage* KySchemeManage::instance()
{
    static KySchemeManage mgr;
    return &mgr;
}

KyCommandRequest KySchemeManage::listRequest(int kind)
{
    {
        std::lock_guard<std::mutex> lock(m_kindMutex);
        m_listKind = kind;
    }
    return KyCommandRequest::sqlQuery("TimerPlanList", "select * from timerplan where kind = " + kyDec(kind));
}

KyCommandRequest KySchemeManage::addRequest(const KyScheme& scheme, int kind)
{
    KyScheme s = scheme;
    s.id = -1;
    s.enable = 1;
    return KyCommandRequest::post("TimerPlan", schemeBody("Add", s, kind));
}

KyCommandRequest KySchemeManage::modifyRequest(const KyScheme& scheme, int kind)
{
    return KyCommandRequest::post("TimerPlan", schemeBody("Mod", scheme, kind));
}

KyCommandRequest KySchemeManage::deleteRequest(int id, int kind)
{
    Json::Value body(Json::objectValue);
    body["Action"] = "Del";
    body["Id"] = kyDec(id);
    body["Kind"] = kyDec(kind);
    return KyCommandRequest::post("TimerPlan", body);
}

KyScheme KySchemeManage::fromRow(const KyRow& row, int kind)
{
    KyScheme s;
    s.id = row.toInt("id", s.id);
    s.name = row.text("name");
    s.comment = row.text("comment");
    s.enable = row.toInt("enable", s.enable);
    s.kind = row.toInt("kind", kind);
    return s;
}

bool KySchemeManage::schemeOfReply(const std::string& body, int kind, KyScheme& out)
{
    std::vector<KyRow> rows;
    if (!kyParseRows(body, rows) || rows.empty())
        return false;
    out = fromRow(rows.front(), kind);
    return true;
}

void KySchemeManage::reportRows(const std::string& body)
{
    std::vector<KyRow> rows;
    if (!kyParseRowsLogged(name(), body, rows))
        return;
    kyKeepRowsWithIds(name(), "id", false, rows);
    for (const KyRow& row : rows) {
        const KyScheme s = fromRow(row, 0);
        if (s.kind < 0 || s.kind > 3) {
            std::fprintf(stderr, "%s: scheme %d of unknown kind %d dropped\n", name().c_str(), s.id, s.kind);
            continue;
        }
        Report::changed(*this, s.id, s);
    }
}

void KySchemeManage::reportDeleted(const std::string& body)
{
    std::vector<KyRow> rows;
    if (!kyParseRowsLogged(name(), body, rows))
        return;
    kyKeepRowsWithIds(name(), "id", false, rows);
    for (const KyRow& row : rows) {
        const KyScheme s = fromRow(row, 0);
        Report::removed(*this, s.id, s.kind);
    }
}

// kind < 0: taken from the rows, which must all name the same one.
void KySchemeManage::reportList(const std::string& body, int kind)
{
    std::vector<KyRow> rows;
    if (!kyParseRowsLogged(name(), body, rows))
        return;
    kyKeepRowsWithIds(name(), "id", true, rows);
    if (kind < 0) {
        kind = rows.empty() ? -1 : rows.front().toInt("kind", -1);
        for (const KyRow& row : rows)
            if (row.toInt("kind", -1) != kind)
                kind = -1;
        if (kind < 0) {
            std::fprintf(stderr, "%s: scheme list of no one kind, dropped\n", name().c_str());
            return;
        }
    }
    std::vector<KyScheme> schemes;
    for (const KyRow& row : rows)
        schemes.push_back(fromRow(row, kind));
    Report::list(*this, kind, schemes);
}

void KySchemeManage::onLateListReply(int, const KyDbpMessage& msg)
{
    reportList(msg.body, -1);   // another kind may have been asked for since
}

void KySchemeManage::onReply(int requestType, const KyDbpMessage& msg)
{
    switch (requestType) {
    case RT_LIST: {
        int kind = 0;
        {
            std::lock_guard<std::mutex> lock(m_kindMutex);
            kind = m_listKind;
        }
        reportList(msg.body, kind);
        break;
    }
    case RT_ADD:
    case RT_MODIFY:
        reportRows(msg.body);
        break;
    case RT_DELETE:
        reportDeleted(msg.body);
        break;
    default:
        break;
    }
}

bool KySchemeManage::parseBody(const std::string&, const std::string& body)
{
    reportRows(body);
    return true;
}

bool KySchemeManage::onNotification(const std::string&, const std::string& body)
{
    KyNotice notice;
    if (kyParseNotice(name(), body, notice))
        Report::removed(*this, notice.id, notice.kind);
    return true;
}

bool KySchemeManage::handlesCode(const std::string& pushName) const
{
    return pushName == "SqlConfig_timerplan" || pushName == "DELETE_TimerPlan";
}
