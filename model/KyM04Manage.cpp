#include "KyM04Manage.h"

#include "KyTermRows.h"

KyM04Manage::KyM04Manage() : KyTalkTermManage("KyM04Manage", RT_LIST, "M04", RT_BUTTON_QUERY)
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
}

KyM04Manage* KyM04Manage::instance()
{
    static KyM04Manage mgr;
    return &mgr;
}

KyCommandRequest KyM04Manage::ledRequest(const KyMic& mic) const
{
    Json::Value body = kyIdBody(mic.id);
    body["LedColor"] = kyDec(mic.ledColor);
    body["SwitchMode"] = kyDec(mic.switchMode);
    body["DisplayTime"] = kyDec(mic.displayTime);
    body["LedTxt"] = mic.ledTxt;
    return KyCommandRequest::post("ModM04Led", body);
}

KyCommandRequest KyM04Manage::ampRequest(const KyMic& mic) const
{
    return kyAmpSetRequest(mic, mic.vol[KyMic::VOL_BROADCAST]);
}

KyCommandRequest KyM04Manage::buttonCallRequest(const KyMicBtnCall& call) const
{
    return buttonCallsSave(buttonCallsBody(call.terminalId, {call}));
}
