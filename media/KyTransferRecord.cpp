#include "KyTransferRecord.h"

#include <atomic>
#include <cstring>

const char* const g_transferStateNames[7] = {
    "正在下载", "正在传输", "暂停", "空闲", "等待转码", "正在转码", "下载错误",
};

namespace {

enum Offset {
    kId = 0,
    kHandle = 4,
    kState = 8,
    kName = 12,
    kErrorTicks = 140,
    kSize = 144,
    kTransferred = 152,
    kShown = 160,
    kSource = 168,
    kTarget = 424,
};

void putLE(unsigned char* at, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint64_t getLE(const unsigned char* at, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<uint64_t>(at[i]) << (8 * i);
    return value;
}

// At most field - 1 bytes of text, never ending inside a UTF-8 sequence.
void putText(unsigned char* at, const std::string& text, size_t field)
{
    size_t n = text.size();
    if (n > field - 1) {
        n = field - 1;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    memcpy(at, text.data(), n);
}

std::string getText(const unsigned char* at, size_t field)
{
    const void* nul = memchr(at, 0, field);
    const size_t n = nul ? static_cast<const unsigned char*>(nul) - at : field;
    return std::string(reinterpret_cast<const char*>(at), n);
}

int32_t getInt32(const unsigned char* at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(getLE(at, 4)));
}

} // namespace

int32_t KyTransferRecord::nextId()
{
    static std::atomic<int32_t> last{0};
    int32_t current = last.load();
    int32_t next;
    do {
        next = current >= 0x7FFFFFFF ? 1 : current + 1;
    } while (!last.compare_exchange_weak(current, next));
    return next;
}

void KyTransferRecord::toJournal(unsigned char out[kJournalSize]) const
{
    memset(out, 0, kJournalSize);
    putLE(out + kId, static_cast<uint32_t>(id), 4);
    putLE(out + kHandle, static_cast<uint32_t>(handle), 4);
    putLE(out + kState, static_cast<uint32_t>(state), 4);
    putText(out + kName, name, kNameField);
    putLE(out + kErrorTicks, static_cast<uint32_t>(errorTicks), 4);
    putLE(out + kSize, static_cast<uint64_t>(size), 8);
    putLE(out + kTransferred, static_cast<uint64_t>(transferred), 8);
    putLE(out + kShown, static_cast<uint64_t>(shownTransferred), 8);
    putText(out + kSource, source, kPathField);
    putText(out + kTarget, target, kPathField);
}

KyTransferRecord KyTransferRecord::fromJournal(const unsigned char in[kJournalSize])
{
    KyTransferRecord r;
    r.id = getInt32(in + kId);
    r.handle = getInt32(in + kHandle);
    r.state = getInt32(in + kState);
    r.name = getText(in + kName, kNameField);
    r.errorTicks = getInt32(in + kErrorTicks);
    r.size = static_cast<int64_t>(getLE(in + kSize, 8));
    r.transferred = static_cast<int64_t>(getLE(in + kTransferred, 8));
    r.shownTransferred = static_cast<int64_t>(getLE(in + kShown, 8));
    r.source = getText(in + kSource, kPathField);
    r.target = getText(in + kTarget, kPathField);
    return r;
}
