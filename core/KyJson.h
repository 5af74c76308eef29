#pragma once

#include <string>

#include <json/json.h>

// JSON bodies: one object, every value a string (integers as decimal text).

// Compact text, keys sorted, raw UTF-8, ends in "\n".
std::string kyJsonWrite(const Json::Value& value);
// Deepest nesting a body may have; bodies need three levels at most.
constexpr int kyJsonMaxDepth = 64;
// False when text is not a JSON object or nests deeper than kyJsonMaxDepth;
// never throws.
bool kyJsonParse(const std::string& text, Json::Value& out);
// Member as text: a string as it is, a number as decimal text, else "".
std::string kyJsonText(const Json::Value& obj, const char* key);
// Decimal text of an integer, the form every numeric value is sent in.
std::string kyDec(long long value);
