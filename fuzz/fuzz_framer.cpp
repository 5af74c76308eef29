// Framer on arbitrary bytes: no crash, bounded buffer, and the same messages
// and the same bytes dropped whatever the segmentation.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "KyDbpFramer.h"

namespace {

bool same(const std::vector<KyDbpMessage>& a, const std::vector<KyDbpMessage>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].firstLine != b[i].firstLine || a[i].isReply != b[i].isReply || a[i].statusCode != b[i].statusCode ||
            a[i].cseq != b[i].cseq || a[i].packetType != b[i].packetType ||
            a[i].packetSubtype != b[i].packetSubtype || a[i].body != b[i].body)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the piece size of the second run, which copies
    // each message out of the framer's reused one.
    const size_t piece = 1 + data[0] % 17;
    const char* text = reinterpret_cast<const char*>(data + 1);
    const size_t n = size - 1;

    KyDbpFramer whole;
    std::vector<KyDbpMessage> a;
    whole.feed(text, n, a);

    KyDbpFramer pieces;
    std::vector<KyDbpMessage> b;
    for (size_t pos = 0; pos < n; pos += piece) {
        pieces.feed(text + pos, std::min(piece, n - pos), [&b](KyDbpMessage& m) { b.push_back(m); });
        if (pieces.buffered() > KyDbpFramer::kMaxHeader + KyDbpFramer::kMaxBody + 64)
            std::abort();
    }
    if (whole.dropped() != pieces.dropped() || !same(a, b))
        std::abort();
    return 0;
}
