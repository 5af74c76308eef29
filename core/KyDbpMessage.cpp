#include "KyDbpMessage.h"

void KyDbpMessage::clear()
{
    firstLine.clear();
    isReply = false;
    statusCode = 0;
    cseq = -1;
    packetType.clear();
    packetSubtype.clear();
    body.clear();
}

std::string KyDbpMessage::pushName() const
{
    std::string name;
    pushName(name);
    return name;
}

void KyDbpMessage::pushName(std::string& out) const
{
    out.reserve(packetType.size() + 1 + packetSubtype.size());
    out.assign(packetType).append(1, '_').append(packetSubtype);
}

int KyDbpMessage::resultCode() const
{
    if (statusCode == 200)
        return 0;
    if (statusCode == 503)
        return 2;
    return 1;
}
