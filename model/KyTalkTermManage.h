#pragma once

#include <vector>

#include "KyMic.h"
#include "KyMicBtnCall.h"
#include "KyTermRowManage.h"

// Shared protocol part of mic02 and mic04: the list, the talk-terminal save
// and the button-call query whose rows are handed on as an extra.
class KyTalkTermManage : public KyTermRowManage<KyMic, std::vector<KyMicBtnCall>> {
public:
    // prefix "M02" or "M04": list "<prefix>List", table and kind from it,
    // button calls "<prefix>ButtonCall" over table "<prefix lower>buttoncall".
    KyTalkTermManage(const std::string& name, int listType, const std::string& prefix, int buttonQueryType);

    int buttonQueryType() const { return m_buttonQueryType; }
    // "ModTalkTerminal": Id, Name and the four volumes.
    KyCommandRequest saveRequest(const KyMic& mic) const;
    // "<Kind>ButtonCall" query of one terminal's button calls.
    KyCommandRequest buttonCallsQuery(int terminalId) const;
    // "<Kind>ButtonCall" change {"Action":"Mod","Id","ButtonCalls":[...]}; the caller adds more.
    Json::Value buttonCallsBody(int terminalId, const std::vector<KyMicBtnCall>& calls) const;
    KyCommandRequest buttonCallsSave(const Json::Value& body) const;

protected:
    void deliverEntries(int requestType, const std::string& body) override;

private:
    std::string m_buttonTable;
    std::string m_buttonName;
    int m_buttonQueryType;
};
