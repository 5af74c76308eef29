#pragma once

#include <cstdint>

// One record of the server's level list. Row keys: id, name, level, type.
struct KyLevel {
    uint16_t id = 0;
    char name[33] = {};
    uint16_t level = 0;  // an operator may edit when his level <= this value
    uint16_t type = 0;   // 4 media library, 5 terminal management
};
