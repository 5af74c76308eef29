#include "KyIpAmpManage.h"

#include "KyTermRows.h"

KyIpAmpManage::KyIpAmpManage() : KyTermRowManage<KyTerminal>("KyIpAmpManage", RT_LIST, "TerminalList", "ipamp", "IpAmp")
{
    addReplyTypes(RT_SAVE, RT_SET_TERMINAL);
}

KyIpAmpManage* KyIpAmpManage::instance()
{
    static KyIpAmpManage mgr;
    return &mgr;
}

KyCommandRequest KyIpAmpManage::saveRequest(const KyTerminal& term) const
{
    return kyAmpSetRequest(term, term.broVol);
}

KyCommandRequest KyIpAmpManage::powerRequest(int id, int state) const
{
    Json::Value body = kyIdBody(id);
    body["Power"] = kyDec(state);
    return KyCommandRequest::post("IpAmpPower", body);
}

KyCommandRequest KyIpAmpManage::speakerCheckRequest(int id) const
{
    Json::Value body = kyIdBody(id);
    body["SpkCheck"] = "1";
    return KyCommandRequest::post("IpAmpSpkCheck", body);
}

KyCommandRequest KyIpAmpManage::setTerminalRequest(const KyTerminal& term) const
{
    Json::Value body = kyIdBody(term.id);
    body["TransportTcp"] = kyDec(term.transport_tcp);
    body["DefaultVolume"] = kyDec(term.defaultVolumn);
    body["DefaultPower"] = kyDec(term.defaultPower ? 1 : 0);
    body["IsDefault"] = kyDec(term.isDefault ? 1 : 0);
    return KyCommandRequest::post("Terminal", body);
}
