#pragma once

#include <initializer_list>
#include <utility>

#include "KyDbpRows.h"

// A row of named fields for the stand-in server's tables and pushed rows.
inline KyRow kyTestRow(std::initializer_list<std::pair<const char*, const char*>> fields)
{
    KyRow r;
    for (const auto& f : fields)
        r.add(f.first, f.second);
    return r;
}

// Sets every field of that name.
inline void kySetField(KyRow& r, const std::string& key, const std::string& value)
{
    for (auto& f : r.fields)
        if (f.first == key)
            f.second = value;
}

// Same rows with the same fields in the same order.
inline bool kySameRows(const std::vector<KyRow>& a, const std::vector<KyRow>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].fields != b[i].fields)
            return false;
    return true;
}
