#include "KyJson.h"

#include <memory>

// Compact text as Json::FastWriter writes it (keys sorted, a closing line
// feed), but with text outside ASCII kept as raw UTF-8 instead of \u escapes.
std::string kyJsonWrite(const Json::Value& value)
{
    static const Json::StreamWriterBuilder builder = [] {
        Json::StreamWriterBuilder b;
        b["indentation"] = "";
        b["emitUTF8"] = true;
        return b;
    }();
    return Json::writeString(builder, value) + "\n";
}

bool kyJsonParse(const std::string& text, Json::Value& out)
{
    static const Json::CharReaderBuilder builder = [] {
        Json::CharReaderBuilder b;
        b["collectComments"] = false;
        b["stackLimit"] = kyJsonMaxDepth;
        return b;
    }();
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    Json::Value value;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors) || !value.isObject())
            return false;
    } catch (const std::exception&) {
        return false;   // nested deeper than the bound, or any other library failure
    }
    out = std::move(value);
    return true;
}

std::string kyJsonText(const Json::Value& obj, const char* key)
{
    if (!obj.isObject() || !obj.isMember(key))
        return std::string();
    const Json::Value& v = obj[key];
    if (v.isString())
        return v.asString();
    if (v.isInt64())
        return std::to_string(v.asInt64());
    if (v.isUInt64())
        return std::to_string(v.asUInt64());
    if (v.isBool())
        return v.asBool() ? "1" : "0";
    if (v.isDouble()) {
        const double d = v.asDouble();   // out of the integer range: not a usable value
        return d > -9.2e18 && d < 9.2e18 ? std::to_string(static_cast<long long>(d)) : std::string();
    }
    return std::string();
}

std::string kyDec(long long value)
{
    return std::to_string(value);
}
