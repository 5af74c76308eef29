// File-service replies on arbitrary bytes: the listing reply and the download
// header. No crash; a listing names each entry's folder and file as cut from
// its full name; a usable length is within 0 to INT_MAX.
#include <climits>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QList>

#include "KyFileConnection.h"
#include "KyMediaFile_t.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QList<KyMediaFile_t> list;
    if (KyFileConnection::parseListing(text, &list)) {
        for (const KyMediaFile_t& f : list) {
            if (f.path + f.fileName != f.fullName || f.fileName.contains('/'))
                std::abort();
        }
    }
    const qint64 len = KyFileConnection::downloadLength(text);
    if (len < -1 || len > INT_MAX)
        std::abort();
    return 0;
}
