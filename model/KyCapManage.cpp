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
    Json::Value body = kyIdBody(cap.id);
    body["Name"] = cap.name;
    body["CapVol"] = kyDec(cap.capVol);
    body["CapSamplerate"] = kyDec(cap.capSamplerate);
    return KyCommandRequest::post("CapM03Set", body);
}
