#include "KyDbpMessage.h"

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
