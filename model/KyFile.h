#pragma once

#include <string>

// File entry: the names of uploaded files are kept as a list of these.
struct KyFile {
    int id = 0;
    int state = 0;
    std::string name;   // UTF-8
    std::string path;   // UTF-8
};
