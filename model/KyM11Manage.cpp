#include "KyM11Manage.h"

#include "KyTermRows.h"

KyM11Manage::KyM11Manage()
    : KyBookTermManage("KyM11Manage", RT_LIST, "M11List", "mic11", "Mic11", RT_REFRESH, "Mic")
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
    addEntryReplyType(RT_PLAY_TERMINALS);
    addBookQuery(RT_MONITOR_BOOK, {"FixMonitorList", "fixmonitor"});
    addBookSave(RT_MONITOR_SAVE, {"M11MonitorBook", "Monitor"});
    addSourceAndRegionBooks("M11", RT_SOURCE_BOOK, RT_SOURCE_SAVE, RT_REGION_BOOK, RT_REGION_SAVE);
}

KyM11Manage* KyM11Manage::instance()
{
    static KyM11Manage mgr;
    return &mgr;
}

KyCommandRequest KyM11Manage::saveRequest(const KyMic& mic) const
{
    Json::Value body = kyTalkTerminalBody(mic, mic.vol);
    body["PttMode"] = kyDec(mic.pttMode);
    return KyCommandRequest::post("ModTalkTerminal", body);
}

KyCommandRequest KyM11Manage::playTerminalsQuery() const
{
    return KyCommandRequest::sqlQuery(
        "AllPlayTerminalList",
        "select terminalId,name,type,exten from mic02 union select terminalId,name,type,exten from mic04 "
        "union select terminalId,name,type,exten from ipamp order by terminalId");
}

void KyM11Manage::deliverEntries(int requestType, const std::string& body)
{
    if (requestType != RT_PLAY_TERMINALS) {
        KyBookTermManage::deliverEntries(requestType, body);
        return;
    }
    reportEntries<KyTerminal>(requestType, body);
}
