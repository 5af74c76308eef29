#pragma once

// Bytes that start no readable header; what follows them must still be read.

#include <string>
#include <vector>

inline std::vector<std::string> kyBadHeaders()
{
    std::string fakeStarts;
    while (fakeStarts.size() < 100 * 1024)
        fakeStarts += "DBP/1.0 200 OK";
    return {
        "DBP/1.0 200 OK\r\nCSeq:1\r\nPacket-Ty",                                        // cut short
        "DBP/1.0 200 OK\r\nCSeq:1\r\nPacket-Type:SqlConfig\r\nContent-Length:0\r\n",    // no blank line
        "DBP/1.0 200 OK\rCSeq:1\rContent-Length:0\r\r",                                // lines ended by CR alone
        std::string(100 * 1024, 'x'),                                                 // no line feed, over the bound
        fakeStarts,                                                                   // start lines, no line feed
    };
}
