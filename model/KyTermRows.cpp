#include "KyTermRows.h"

#include "KyBookEntry.h"
#include "KyCap.h"
#include "KyDbpRows.h"
#include "KyFAlarm.h"
#include "KyJson.h"
#include "KyM12.h"
#include "KyMic.h"
#include "KyMicBtnCall.h"
#include "KyTerminal.h"
#include "KyTts.h"

namespace {

void readText(const KyRow& row, const char* key, std::string& out)
{
    if (const std::string* v = row.find(key))
        out = *v;
}

void readInt(const KyRow& row, const char* key, int& out)
{
    out = row.toInt(key, out);
}

void readBool(const KyRow& row, const char* key, bool& out)
{
    out = row.toInt(key, out ? 1 : 0) != 0;
}

void readVolumes(const KyRow& row, int vol[4])
{
    readInt(row, "capVol", vol[0]);
    readInt(row, "bellVol", vol[1]);
    readInt(row, "callVol", vol[2]);
    readInt(row, "broVol", vol[3]);
}

void defaultName(const KyRow& row, KyBaseTerminal& term, const char* prefix)
{
    if (row.has("name"))
        term.namePlaceholder = false;
    if (term.name.empty()) {
        term.name = prefix + std::to_string(term.id);
        term.namePlaceholder = true;
    }
}

}  // namespace

void kyReadBaseRow(const KyRow& row, KyBaseTerminal& term)
{
    readInt(row, "terminalId", term.id);
    readText(row, "ip", term.ip);
    readText(row, "name", term.name);
    readText(row, "type", term.type);
    readInt(row, "status", term.state);
}

void kyReadRow(const KyRow& row, KyMic& mic)
{
    kyReadBaseRow(row, mic);
    readInt(row, "ledColor", mic.ledColor);
    readInt(row, "switchMode", mic.switchMode);
    readInt(row, "displayTime", mic.displayTime);
    readText(row, "ledTxt", mic.ledTxt);
    readInt(row, "ppt", mic.ppt);
    readInt(row, "aec", mic.aec);
    readInt(row, "PttMode", mic.pttMode);
    readInt(row, "pttMode", mic.pttMode);
    readVolumes(row, mic.vol);
    readText(row, "exten", mic.exten);
}

void kyReadRow(const KyRow& row, KyM12& m12)
{
    kyReadBaseRow(row, m12);
    readVolumes(row, m12.vol);
}

void kyReadRow(const KyRow& row, KyMicBtnCall& call)
{
    readInt(row, "terminalId", call.terminalId);
    readText(row, "startCall", call.startCall);
    readText(row, "stopCall", call.stopCall);
    readInt(row, "mic11Id", call.mic11Id);
    readInt(row, "groupId", call.groupId);
}

void kyReadRow(const KyRow& row, KyTts& tts)
{
    kyReadBaseRow(row, tts);
}

void kyReadRow(const KyRow& row, KyCap& cap)
{
    kyReadBaseRow(row, cap);
    readInt(row, "capVol", cap.capVol);
    readInt(row, "capSamplerate", cap.capSamplerate);
    defaultName(row, cap, "Cap_");
}

void kyReadRow(const KyRow& row, KyFAlarm& alarm)
{
    kyReadBaseRow(row, alarm);
    readText(row, "broadcast", alarm.broadcast);
    readInt(row, "shortCircuit", alarm.shortCircuit);
    readInt(row, "broadcastTrigger", alarm.broadcastTrigger);
    readInt(row, "stopBroadcast", alarm.stopBroadcast);
    readInt(row, "triggerType", alarm.triggerType);
    defaultName(row, alarm, "FAlarm_");
}

void kyReadRow(const KyRow& row, KyTerminal& term)
{
    kyReadBaseRow(row, term);
    readText(row, "exten", term.exten);
    readInt(row, "broVol", term.broVol);
    readBool(row, "power", term.power);
    readInt(row, "ampTemp", term.ampTemp);
    readInt(row, "spkState", term.spkState);
    readInt(row, "transportTcp", term.transport_tcp);
    readInt(row, "defaultVolume", term.defaultVolumn);
    readBool(row, "defaultPower", term.defaultPower);
    readBool(row, "isDefault", term.isDefault);
    readInt(row, "masterId", term.master_id);
}

void kyReadRow(const KyRow& row, KyBookEntry& entry)
{
    readInt(row, "terminalId", entry.terminalId);
    readInt(row, "id", entry.id);
    readInt(row, "type", entry.type);
}

Json::Value kyIdBody(int id)
{
    Json::Value body(Json::objectValue);
    body["Id"] = kyDec(id);
    return body;
}

Json::Value kyRemoveBody(int id, const std::string& type, bool withType)
{
    Json::Value body = kyIdBody(id);
    if (withType)
        body["Type"] = type;
    return body;
}

Json::Value kyIdNameBody(const KyBaseTerminal& term)
{
    Json::Value body = kyIdBody(term.id);
    if (!term.namePlaceholder)
        body["Name"] = term.name;
    return body;
}

Json::Value kyTalkTerminalBody(const KyBaseTerminal& term, const int vol[4])
{
    Json::Value body = kyIdNameBody(term);
    body["CapVol"] = kyDec(vol[0]);
    body["BellVol"] = kyDec(vol[1]);
    body["CallVol"] = kyDec(vol[2]);
    body["BroVol"] = kyDec(vol[3]);
    return body;
}

KyCommandRequest kyAmpSetRequest(const KyBaseTerminal& term, int broVol)
{
    Json::Value body = kyIdNameBody(term);
    body["BroVol"] = kyDec(broVol);
    return KyCommandRequest::post("IpAmpSet", body);
}
