#include "KyM02Manage.h"

KyM02Manage::KyM02Manage() : KyTalkTermManage("KyM02Manage", RT_LIST, "M02", RT_BUTTON_QUERY)
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
}

KyM02Manage* KyM02Manage::instance()
{
    static KyM02Manage mgr;
    return &mgr;
}

KyCommandRequest KyM02Manage::buttonCallsRequest(const std::vector<KyMicBtnCall>& calls) const
{
    std::vector<KyMicBtnCall> sent;
    if (!calls.empty())
        sent.assign(calls.begin(), calls.end() - 1);
    Json::Value body = buttonCallsBody(calls.empty() ? 0 : calls.front().terminalId, sent);
    if (calls.size() >= 4)
        body["AlarmCall"] = calls[3].startCall + " " + calls[3].stopCall;
    return buttonCallsSave(body);
}
