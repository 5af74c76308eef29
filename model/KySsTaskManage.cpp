#include "KySsTaskManage.h"

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyModelUtil.h"

KySsTaskManage::KySsTaskManage() : KyTermBaseManage("KySsTaskManage")
{
    addListType(RT_LIST);
    addReplyTypes(RT_ADD, RT_STOP);
}

KySsTaskManage* KySsTaskManage::instance()
{
    static KySsTaskManage mgr;
    return &mgr;
}

KyCommandRequest KySsTaskManage::listRequest()
{
    return KyCommandRequest::sqlQuery("SoundSourceList", "select * from soundsource");
}

KyCommandRequest KySsTaskManage::saveRequest(const KySsTask& t, int op)
{
    static const char* const actions[] = {"Add", "Mod", "Del", "Start", "Stop"};
    Json::Value body(Json::objectValue);
    body["Action"] = (op >= 0 && op <= 4) ? actions[op] : "";
    body["Id"] = kyDec(t.id);
    if (op == 3 || op == 4)
        return KyCommandRequest::post("SoundSourceSwitch", body);
    body["Name"] = t.name;
    body["SourceCategory"] = kyDec(t.sourceCategory);
    body["SourceType"] = kyDec(t.sourceType);
    body["TimerPlanId"] = kyDec(t.timerPlanId);
    body["SourceContent"] = t.sourceContent;
    body["PlayVol"] = kyDec(t.playVol);
    body["Duration"] = kyDec(t.duration);
    body["PlayTimes"] = kyDec(t.playTimes);
    body["OpenAmp"] = kyDec(t.openAmp);
    body["Week"] = kyDec(t.week);
    body["StartDate"] = kyDec(static_cast<long>(t.startDate));
    body["EndDate"] = kyDec(static_cast<long>(t.endDate));
    body["ExecuteTime"] = t.executeTime;
    body["TerminalId"] = t.terminalId;
    return KyCommandRequest::post("SoundSource", body);
}

KySsTask KySsTaskManage::fromRow(const KyRow& row)
{
    KySsTask t;
    t.id = row.toInt("id", t.id);
    t.name = row.text("name");
    t.status = row.toInt("status", t.status);
    t.sourceCategory = row.toInt("sourceCategory", t.sourceCategory);
    t.sourceType = row.toInt("sourceType", t.sourceType);
    t.timerPlanId = row.toInt("timerPlanId", t.timerPlanId);
    t.sourceContent = row.text("sourceContent");
    t.playVol = row.toInt("playVol", t.playVol);
    t.duration = row.toInt("duration", t.duration);
    t.playTimes = row.toInt("playTimes", t.playTimes);
    t.openAmp = row.toInt("openAmp", t.openAmp);
    t.week = row.toInt("week", t.week);
    t.startDate = row.toInt("startDate", t.startDate);
    t.endDate = row.toInt("endDate", t.endDate);
    t.executeTime = row.text("executeTime");
    t.terminalId = row.text("terminalId");
    for (int id : kySplitIds(t.terminalId))
        t.terminalIdList.push_back(id);
    t.execTimeList = kyParseExecTimes(t.executeTime);
    return t;
}

void KySsTaskManage::reportRows(const std::string& body, bool asList)
{
    std::vector<KySsTask> tasks;
    {
        std::vector<KyRow> rows;
        if (!kyParseRowsLogged(name(), body, rows))
            return;
        kyKeepRowsWithIds(name(), "id", asList, rows);
        tasks.reserve(rows.size());
        for (const KyRow& row : rows)
            tasks.push_back(fromRow(row));
    }   // the parsed rows go before the list is handed on
    if (asList) {
        Report::list(*this, 0, tasks);
        return;
    }
    for (const KySsTask& t : tasks)
        Report::changed(*this, t.id, t);
}

void KySsTaskManage::reportDeleteResult(bool accepted, const std::string& body)
{
    std::string text;
    Json::Value obj;
    if (kyJsonParse(body, obj))
        text = kyJsonText(obj, "Result");
    if (!text.empty())
        Report::removeFailed(*this, 0, text);
    else if (accepted)
        Report::removed(*this, 0, RT_DELETE);
}

void KySsTaskManage::onReply(int requestType, const KyDbpMessage& msg)
{
    switch (requestType) {
    case RT_LIST:
        reportRows(msg.body, true);
        break;
    case RT_ADD:
    case RT_MODIFY:
        reportRows(msg.body, false);
        break;
    case RT_DELETE:
        reportDeleteResult(true, msg.body);
        break;
    default:
        break;
    }
}

void KySsTaskManage::onFailedRequest(int requestType, int, const KyDbpMessage& msg)
{
    if (requestType == RT_DELETE)
        reportDeleteResult(false, msg.body);
}

bool KySsTaskManage::parseBody(const std::string&, const std::string& body)
{
    reportRows(body, false);
    return true;
}

bool KySsTaskManage::onNotification(const std::string&, const std::string& body)
{
    KyNotice notice;
    if (kyParseNotice(name(), body, notice) && notice.result.empty())
        Report::removed(*this, notice.id);
    return true;
}

bool KySsTaskManage::handlesCode(const std::string& pushName) const
{
    return pushName == "SqlConfig_soundsource" || pushName == "DELETE_SoundSource";
}
