#pragma once

// The stand-in server's "parameter" table, read and changed by tests.

#include <string>
#include <vector>

#include "KyTestServer.h"

// Replaces the parameter of that name (none: removed).
inline void setParameterRow(KyTestServer& server, const std::string& name, const std::string* value)
{
    server.setParameter(name, value);
}

inline std::string parameterValue(const KyTestServer& server, const std::string& name)
{
    for (const KyRow& r : server.rows("parameter"))
        if (r.text("name") == name)
            return r.text("value");
    return "<none>";
}
