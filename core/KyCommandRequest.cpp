#include "KyCommandRequest.h"

#include "KyJson.h"

KyCommandRequest::KyCommandRequest(const std::string& method, const std::string& packetType,
                                   const std::string& packetSubtype, const std::string& body)
    : m_method(method), m_packetType(packetType), m_packetSubtype(packetSubtype), m_body(body)
{
}

std::string KyCommandRequest::toString() const
{
    std::string text;
    text.reserve(96 + m_body.size());
    text += m_method;
    text += " DBP/1.0\r\nCSeq:";
    text += std::to_string(m_cseq);
    text += "\r\nPacket-Type:";
    text += m_packetType;
    text += "\r\n";
    if (!m_packetSubtype.empty()) {
        text += "Packet-Subtype:";
        text += m_packetSubtype;
        text += "\r\n";
    }
    text += "Content-Length:";
    text += std::to_string(m_body.size());
    text += "\r\n\r\n";
    text += m_body;
    return text;
}

KyCommandRequest KyCommandRequest::sqlQuery(const std::string& subtype, const std::string& sql,
                                            const std::string& packetType)
{
    Json::Value body(Json::objectValue);
    body["Sql"] = sql;
    return KyCommandRequest("GET", packetType, subtype, kyJsonWrite(body));
}

KyCommandRequest KyCommandRequest::post(const std::string& packetType, const Json::Value& body)
{
    return KyCommandRequest("POST", packetType, std::string(), kyJsonWrite(body));
}

KyCommandRequest KyCommandRequest::get(const std::string& packetType, const Json::Value& body)
{
    return KyCommandRequest("GET", packetType, std::string(), kyJsonWrite(body));
}
