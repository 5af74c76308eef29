#pragma once

// Shared pieces of the settings-page tests.

#include <string>
#include <vector>

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

#include "KyJson.h"
#include "KyTestServer.h"

inline QLineEdit* edit(QWidget* page, const char* name)
{
    return page->findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QGroupBox* group(QWidget* page, const char* name)
{
    return page->findChild<QGroupBox*>(QString::fromLatin1(name));
}

// Replaces the stand-in server's parameter of that name (none: removed).
inline void setParameterRow(KyTestServer& server, const std::string& name, const std::string* value)
{
    std::vector<KyRow> rows;
    for (const KyRow& r : server.rows("parameter"))
        if (r.text("name") != name)
            rows.push_back(r);
    if (value) {
        KyRow r;
        r.add("name", name);
        r.add("value", *value);
        rows.push_back(r);
    }
    server.setRows("parameter", rows);
}

inline std::string parameterValue(const KyTestServer& server, const std::string& name)
{
    for (const KyRow& r : server.rows("parameter"))
        if (r.text("name") == name)
            return r.text("value");
    return "<none>";
}

// JSON body of the last request of that Packet-Type.
inline Json::Value lastBody(const KyTestServer& server, const std::string& packetType)
{
    Json::Value body;
    const auto received = server.received(packetType);
    if (!received.empty())
        kyJsonParse(received.back().body, body);
    return body;
}
