#pragma once

#include <cstdint>
#include <list>
#include <string>

// One execution time of a timer task.
struct KyExecTime {
    int64_t seconds = -1;   // after midnight, 0..86399
    char label[32] = {};    // NUL-terminated, at most 31 bytes
    int32_t origin = 0;     // 0 made by a screen, 2 read from a task row

    // Keeps at most 31 bytes, never ending in a split UTF-8 character.
    void setLabel(const std::string& text);
    std::string labelText() const { return label; }
};

// Entries of an "executeTime" text: pieces cut at "!!!", each cut at "#$%";
// a piece of exactly two parts is "label#$%seconds", every other is skipped.
std::list<KyExecTime> kyParseExecTimes(const std::string& text);
