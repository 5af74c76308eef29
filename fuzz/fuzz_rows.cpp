// XML row parser on arbitrary bodies: no crash, and (for UTF-8 bodies) rows
// written back parse to the same rows.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "KyDbpRows.h"
#include "KyCharset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string body(reinterpret_cast<const char*>(data), size);
    std::vector<KyRow> rows;
    if (!kyParseRows(body, rows))
        return 0;
    for (const KyRow& row : rows)
        for (const auto& f : row.fields) {
            row.toInt(f.first);
            row.toInt64(f.first);
        }
    if (!kyIsValidUtf8(body) || body.find('\0') != std::string::npos)
        return 0;   // the round trip holds for UTF-8 bodies without NUL, which the server sends
    std::vector<KyRow> again;
    if (!kyParseRows(kyWriteRows(rows), again) || again.size() != rows.size())
        std::abort();
    for (size_t i = 0; i < rows.size(); ++i)
        if (again[i].fields != rows[i].fields)
            std::abort();
    return 0;
}
