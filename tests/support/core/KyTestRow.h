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
