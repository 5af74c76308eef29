#pragma once

#include <string>

namespace Json { class Value; }

// Text of one DBP request: request line, CSeq, Packet-Type, Packet-Subtype
// (only when set), Content-Length (bytes, always), blank line, body.
class KyCommandRequest {
public:
    KyCommandRequest() = default;
    KyCommandRequest(const std::string& method, const std::string& packetType,
                     const std::string& packetSubtype = std::string(),
                     const std::string& body = std::string());

    void setMethod(const std::string& method) { m_method = method; }
    void setPacketType(const std::string& type) { m_packetType = type; }
    void setPacketSubtype(const std::string& subtype) { m_packetSubtype = subtype; }
    void setBody(const std::string& body) { m_body = body; }
    void setCSeq(int cseq) { m_cseq = cseq; }

    const std::string& method() const { return m_method; }
    const std::string& packetType() const { return m_packetType; }
    const std::string& packetSubtype() const { return m_packetSubtype; }
    const std::string& body() const { return m_body; }
    int cseq() const { return m_cseq; }

    // "GET" SqlConfig (or another query type) with {"Sql": sql} as body.
    static KyCommandRequest sqlQuery(const std::string& subtype, const std::string& sql,
                                     const std::string& packetType = "SqlConfig");
    // "POST" of a change with a JSON object body (Json::FastWriter text).
    static KyCommandRequest post(const std::string& packetType, const Json::Value& body);
    // "GET" with a JSON object body (single-terminal reads).
    static KyCommandRequest get(const std::string& packetType, const Json::Value& body);

    // The complete message text as it goes on the wire.
    std::string toString() const;

private:
    std::string m_method = "GET";
    std::string m_packetType;
    std::string m_packetSubtype;
    std::string m_body;
    int m_cseq = 0;
};
