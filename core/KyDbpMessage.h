#pragma once

#include <string>

// One framed DBP message as received: a reply ("DBP/1.0 <code> <reason>")
// or a push (any request line, such as "POST DBP/1.0").
struct KyDbpMessage {
    std::string firstLine;
    bool isReply = false;
    int statusCode = 0;        // replies only: 200, 401, 503, ...
    int cseq = -1;             // -1 when the header is missing or not numeric
    std::string packetType;
    std::string packetSubtype;
    std::string body;

    // Back to a message with no fields; the strings keep their memory.
    void clear();
    // "Packet-Type_Packet-Subtype", the name a push is offered under.
    std::string pushName() const;
    // The same into out, whose memory is reused.
    void pushName(std::string& out) const;
    // Result code of a reply: 200 -> 0, 503 -> 2, anything else -> 1.
    int resultCode() const;
};
