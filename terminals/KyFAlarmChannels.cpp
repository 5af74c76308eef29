#include "KyFAlarmChannels.h"

#include <QByteArray>
#include <cstdint>

#include "KyTextUtil.h"

namespace {

std::vector<std::string> nonEmptyPieces(const std::string& text, const char* separator)
{
    std::vector<std::string> pieces;
    splitToStrings(text, &pieces, separator);
    std::vector<std::string> kept;
    for (std::string& piece : pieces) {
        if (!piece.empty())
            kept.push_back(std::move(piece));
    }
    return kept;
}

int taskIdOf(const std::string& text)
{
    bool ok = false;
    const int id = QByteArray::fromStdString(text).trimmed().toInt(&ok);
    return ok ? id : 0;
}

}  // namespace

std::vector<KyFAlarmChannel> kyParseFAlarmChannels(const std::string& text)
{
    std::vector<KyFAlarmChannel> channels;
    for (const std::string& entry : nonEmptyPieces(text, "!!!")) {
        const std::vector<std::string> pieces = nonEmptyPieces(entry, "#$%");
        KyFAlarmChannel channel;
        if (pieces.size() == 2) {
            channel.name = pieces[0];
            channel.taskId = taskIdOf(pieces[1]);
        } else {
            channel.name = kyFAlarmChannelDefaultName(static_cast<int>(channels.size()) + 1);
            channel.taskId = pieces.empty() ? 0 : taskIdOf(pieces[0]);
        }
        channels.push_back(channel);
    }
    return channels;
}

bool kyFAlarmChannelTriggered(int mask, int channel)
{
    if (channel < 1 || channel > 32)
        return false;
    return (static_cast<uint32_t>(mask) >> (channel - 1)) & 1u;
}

std::string kyFAlarmChannelDefaultName(int channel)
{
    return "通道" + std::to_string(channel);
}
