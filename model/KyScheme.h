#pragma once

#include <string>

// Scheme (timer plan). Row keys: id, name, comment, enable, kind.
struct KyScheme {
    int id = 0;        // -1: not yet known to the server
    int enable = 1;    // 1 enabled, anything else disabled
    int kind = 0;      // 0..3
    std::string name;      // local 8-bit (UTF-8)
    std::string comment;   // local 8-bit (UTF-8)
};
