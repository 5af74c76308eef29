#pragma once

#include <string>

#include <json/json.h>

#include "KyCommandRequest.h"

struct KyRow;
struct KyBaseTerminal;

// Base keys of every terminal row: terminalId, ip, name, type, status.
// A missing key leaves the field as it was.
void kyReadBaseRow(const KyRow& row, KyBaseTerminal& term);

// {"Id": id} with the id as decimal text.
Json::Value kyIdBody(int id);
// "RemoveDevice" body: Id, and Type when withType.
Json::Value kyRemoveBody(int id, const std::string& type, bool withType);
// {"Id", "Name"} of a terminal, the start of every settings body.
Json::Value kyIdNameBody(const KyBaseTerminal& term);
// "ModTalkTerminal" body: Id, Name, CapVol, BellVol, CallVol, BroVol.
Json::Value kyTalkTerminalBody(const KyBaseTerminal& term, const int vol[4]);
// "IpAmpSet" of play terminals and mic04: Id, Name, BroVol.
KyCommandRequest kyAmpSetRequest(const KyBaseTerminal& term, int broVol);
