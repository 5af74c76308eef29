#pragma once

#include <string>
#include <vector>

// One channel of a fire-alarm interface's channel list.
struct KyFAlarmChannel {
    std::string name;   // local 8-bit
    int taskId = 0;     // 0: no task
};

// Splits a channel list: channels joined by "!!!", each "name#$%taskId".
// Empty pieces are skipped in both splits and channels are numbered after
// the skip, from 1. A channel without exactly two pieces is named "通道" and
// its number, and takes its task id from its first piece (0 without one).
// A task id that is not a number reads as 0.
std::vector<KyFAlarmChannel> kyParseFAlarmChannels(const std::string& text);

// True while channel (from 1) is triggered: bit channel-1 of the mask taken
// as an unsigned 32-bit value; channels above 32 read as idle.
bool kyFAlarmChannelTriggered(int mask, int channel);

// "通道" followed by the channel number.
std::string kyFAlarmChannelDefaultName(int channel);
