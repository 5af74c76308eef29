#pragma once

// Shared pieces of the settings-page tests.

#include <string>
#include <vector>

#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

#include "KyJson.h"
#include "KyTestParameters.h"
#include "KyTestServer.h"

inline QLineEdit* edit(QWidget* page, const char* name)
{
    return page->findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QGroupBox* group(QWidget* page, const char* name)
{
    return page->findChild<QGroupBox*>(QString::fromLatin1(name));
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
