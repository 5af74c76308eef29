#include "KyTalkTermManage.h"

#include "KyTermRows.h"

// "M02" -> list M02List, table mic02, kind Mic02, button table m02buttoncall.
KyTalkTermManage::KyTalkTermManage(const std::string& name, int listType, const std::string& prefix,
                                   int buttonQueryType)
    : KyTermRowManage(name, listType, prefix + "List", "mic" + prefix.substr(1), "Mic" + prefix.substr(1)),
      m_buttonTable("m" + prefix.substr(1) + "buttoncall"), m_buttonName(prefix + "ButtonCall"),
      m_buttonQueryType(buttonQueryType)
{
    addEntryReplyType(buttonQueryType);
}

KyCommandRequest KyTalkTermManage::saveRequest(const KyMic& mic) const
{
    return KyCommandRequest::post("ModTalkTerminal", kyTalkTerminalBody(mic, mic.vol));
}

KyCommandRequest KyTalkTermManage::buttonCallsQuery(int terminalId) const
{
    return KyCommandRequest::sqlQuery(
        m_buttonName, "select * from " + m_buttonTable + " where terminalId = " + std::to_string(terminalId));
}

Json::Value KyTalkTermManage::buttonCallsBody(int terminalId, const std::vector<KyMicBtnCall>& calls) const
{
    Json::Value body(Json::objectValue);
    body["Action"] = "Mod";
    body["Id"] = kyDec(terminalId);
    Json::Value list(Json::arrayValue);
    for (const KyMicBtnCall& c : calls) {
        Json::Value e(Json::objectValue);
        e["StartCall"] = c.startCall;
        e["StopCall"] = c.stopCall;
        e["Mic11"] = kyDec(c.mic11Id);
        e["CallServiceGroup"] = kyDec(c.groupId);
        list.append(e);
    }
    body["ButtonCalls"] = list;
    return body;
}

KyCommandRequest KyTalkTermManage::buttonCallsSave(const Json::Value& body) const
{
    return KyCommandRequest::post(m_buttonName, body);
}

void KyTalkTermManage::deliverEntries(int requestType, const std::string& body)
{
    reportEntries<KyMicBtnCall>(requestType, body);
}
