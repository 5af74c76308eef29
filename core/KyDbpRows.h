#pragma once

#include <string>
#include <utility>
#include <vector>

// One row of an XML row set, fields in column order.
struct KyRow {
    std::vector<std::pair<std::string, std::string>> fields;

    // Value of the first field of that name; null when absent.
    const std::string* find(const std::string& key) const;
    bool has(const std::string& key) const { return find(key) != nullptr; }
    std::string text(const std::string& key, const std::string& def = std::string()) const;
    // Decimal value; def when the field is absent, empty or not a number.
    int toInt(const std::string& key, int def = 0) const;
    long long toInt64(const std::string& key, long long def = 0) const;
    // Field by position; empty when out of range.
    std::string at(size_t index) const;
    void add(const std::string& key, const std::string& value) { fields.emplace_back(key, value); }
};

// Parses "<Result><Row><Field Name="k">v</Field>...</Row>...</Result>".
// False (rows empty) when the body is not such a row set; bytes after its
// closing element are ignored (logged). Texts keep the bytes as sent, bytes
// that are not UTF-8 and NULs too (such a row is logged).
bool kyParseRows(const std::string& body, std::vector<KyRow>& rows);

// Writes a row set in the same form (used by the stand-in server and tests).
std::string kyWriteRows(const std::vector<KyRow>& rows);

// Decimal text to int; def when empty, not a number or out of range.
int kyToInt(const std::string& text, int def = 0);
long long kyToInt64(const std::string& text, long long def = 0);
