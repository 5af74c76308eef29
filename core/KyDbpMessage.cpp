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
    return packetType + "_" + packetSubtype;
}

int KyDbpMessage::resultCode() const
{
    if (statusCode == 200)
        return 0;
    if (statusCode == 503)
        return 2;
    return 1;
}
