#pragma once

#include <string>

#include <json/json.h>

struct KyRow;
struct KyBaseTerminal;

// Base keys of every terminal row: terminalId, ip, name, type, status.
// A missing key leaves the field as it was.
void kyReadBaseRow(const KyRow& row, KyBaseTerminal& term);

// {"Id": id} with the id as decimal text.
Json::Value kyIdBody(int id);
// "RemoveDevice" body: Id, and Type when withType.
Json::Value kyRemoveBody(int id, const std::string& type, bool withType);
// "ModTalkTerminal" body: Id, Name, CapVol, BellVol, CallVol, BroVol.
Json::Value kyTalkTerminalBody(int id, const std::string& name, const int vol[4]);
