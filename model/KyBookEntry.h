#pragma once

#include <string>

// One entry of a terminal's book (monitors, sound sources, regions, m12 calls).
// Row keys: terminalId (owner), id (entry), type (terminal-type code, call book).
struct KyBookEntry {
    int terminalId = 0;
    int id = 0;
    int type = 0;
};

// Book query: {book type (request type), terminal id}.
struct KyBookReq {
    int type = 0;
    int terminalId = 0;
};

// Book save: {book type (request type), terminal id, text}.
struct KyBookSaveReq {
    int type = 0;
    int terminalId = 0;
    std::string text;  // entries joined by one blank, e.g. "Mic02_1002 IpAmp_3001"
};
