#include "KyCapManage.h"

#include "KyTermRows.h"

KyCapManage::KyCapManage() : KyTermRowManage<KyCap>("KyCapManage", RT_LIST, "CapList", "capm03", "CapM03")
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
}

KyCapManage* KyCapManage::instance()
{
    static KyCapManage mgr;
    return &mgr;
}

KyCommandRequest KyCapManage::saveRequest(const KyCap& cap) const
{
    Json::Value body = kyIdNameBody(cap);
    body["CapVol"] = kyDec(cap.capVol);
    body["CapSamplerate"] = kyDec(cap.capSamplerate);
    return KyCommandRequest::post("CapM03Set", body);
}
