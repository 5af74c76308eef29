// JSON body parser on arbitrary bodies: no crash, and (for UTF-8 bodies) a
// parsed object written back parses to the same value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "KyJson.h"
#include "KyCharset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string body(reinterpret_cast<const char*>(data), size);
    Json::Value obj;
    if (!kyJsonParse(body, obj))
        return 0;
    for (const std::string& key : obj.getMemberNames())
        kyJsonText(obj, key.c_str());
    if (!kyIsValidUtf8(body))
        return 0;   // the writer replaces broken UTF-8; the round trip holds for UTF-8
    Json::Value again;
    if (!kyJsonParse(kyJsonWrite(obj), again) || !(again == obj))
        std::abort();
    return 0;
}
