#pragma once

#include <string>

#include <json/json.h>

#include "KyCommandRequest.h"

struct KyRow;
struct KyBaseTerminal;
struct KyBookEntry;
struct KyCap;
struct KyFAlarm;
struct KyM12;
struct KyMic;
struct KyMicBtnCall;
struct KyTerminal;
struct KyTts;

// Base keys of every terminal row: terminalId, ip, name, type, status.
// A missing key leaves the field as it was.
void kyReadBaseRow(const KyRow& row, KyBaseTerminal& term);

// Readers of the records' rows (the keys are listed with each record); a
// changed row carries only some keys, the others leave the fields as they were.
void kyReadRow(const KyRow& row, KyMic& mic);
void kyReadRow(const KyRow& row, KyM12& m12);
void kyReadRow(const KyRow& row, KyMicBtnCall& call);
void kyReadRow(const KyRow& row, KyTts& tts);
void kyReadRow(const KyRow& row, KyCap& cap);
void kyReadRow(const KyRow& row, KyFAlarm& alarm);
void kyReadRow(const KyRow& row, KyTerminal& term);
void kyReadRow(const KyRow& row, KyBookEntry& entry);

// {"Id": id} with the id as decimal text.
Json::Value kyIdBody(int id);
// "RemoveDevice" body: Id, and Type when withType.
Json::Value kyRemoveBody(int id, const std::string& type, bool withType);
// {"Id", "Name"} of a terminal, the start of every settings body; no "Name"
// while the name is a placeholder.
Json::Value kyIdNameBody(const KyBaseTerminal& term);
// "ModTalkTerminal" body: Id, Name, CapVol, BellVol, CallVol, BroVol.
Json::Value kyTalkTerminalBody(const KyBaseTerminal& term, const int vol[4]);
// "IpAmpSet" of play terminals and mic04: Id, Name, BroVol.
KyCommandRequest kyAmpSetRequest(const KyBaseTerminal& term, int broVol);
