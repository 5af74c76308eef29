#include "KyFileNote.h"

#include <cstring>

namespace {
const char kMark[] = "classb:";
constexpr size_t kMarkSize = sizeof kMark - 1;
} // namespace

KyFileNote::KyFileNote(const char* fileName)
{
    if (fileName)
        mFileName = fileName;
}

KyFileNote::~KyFileNote()
{
    close();
}

int KyFileNote::open(const char* mode)
{
    close();
    mFile = fopen(mFileName.c_str(), mode);
    return mFile ? 0 : -1;
}

int KyFileNote::close()
{
    if (mFile)
        fclose(mFile);
    mFile = nullptr;
    return 0;
}

int KyFileNote::readRecord(void* buffer, int n)
{
    if (!mFile || !buffer || n < 0)
        return -1;
    char mark[kMarkSize];
    if (fread(mark, 1, kMarkSize, mFile) != kMarkSize || memcmp(mark, kMark, kMarkSize) != 0)
        return -1;
    const size_t got = fread(buffer, 1, static_cast<size_t>(n), mFile);
    return got == static_cast<size_t>(n) || feof(mFile) ? 0 : -1;
}

int KyFileNote::writeRecord(const void* buffer, int n)
{
    if (!mFile || !buffer || n < 0)
        return -1;
    fwrite(kMark, 1, kMarkSize, mFile);
    return fwrite(buffer, 1, static_cast<size_t>(n), mFile) == static_cast<size_t>(n) ? 0 : -1;
}
