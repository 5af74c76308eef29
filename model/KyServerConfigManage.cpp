#include "KyServerConfigManage.h"

#include <cstdio>
#include <map>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyModelUtil.h"

KyServerConfigManage::KyServerConfigManage() : KyBaseMgr("KyServerConfigManage")
{
    addReplyTypes(RT_SYSTEM_NAME, RT_RECOVERY);
    addListType(RT_PARAMETERS);
}

KyServerConfigManage* KyServerConfigManage::instance()
{
    static KyServerConfigManage mgr;
    return &mgr;
}

KyCommandRequest KyServerConfigManage::parametersRequest()
{
    return KyCommandRequest::sqlQuery("SystemParameter", "select * from parameter");
}

KyCommandRequest KyServerConfigManage::logServerRequest()
{
    return KyCommandRequest::sqlQuery("Log_Server", "select * from parameter where name = 'Talk_Log_Server'");
}

bool KyServerConfigManage::valueRequest(int requestType, const std::string& value, KyCommandRequest& out)
{
    static const std::map<int, const char*> parameterNames = {
        {RT_SYSTEM_NAME, "System_Name"},
        {RT_RECORD_SERVER, "Record_Server"},
        {RT_VAD_PTT, "Vad_Ptt_Time_Out"},
        {RT_TALK_LOG_SERVER, "Talk_Log_Server"},
    };
    Json::Value body(Json::objectValue);
    auto name = parameterNames.find(requestType);
    if (name != parameterNames.end()) {
        body["Action"] = "Mod";
        body["Name"] = name->second;
        body["Value"] = value;
        out = KyCommandRequest::post("SystemParameter", body);
        return true;
    }
    if (requestType == RT_ADMIN_PASSWORD) {
        // The server takes the new password in clear text.
        body["Action"] = "Mod";
        body["Name"] = "admin";
        body["PassWord"] = value;
        out = KyCommandRequest::post("ModTalkManagerInfo", body);
        return true;
    }
    if (requestType == RT_BACKUP) {
        body["BackupFile"] = value;
        out = KyCommandRequest::post("DataBackup", body);
        return true;
    }
    return false;
}

bool KyServerConfigManage::valueRequest2(int requestType, const std::string& first, const std::string& second,
                                         KyCommandRequest& out)
{
    if (requestType != RT_RECOVERY)
        return false;
    Json::Value body(Json::objectValue);
    body["RecoveryFile"] = first;
    body["Md5"] = second;
    out = KyCommandRequest::post("DataRecovery", body);
    return true;
}

void KyServerConfigManage::onReply(int requestType, const KyDbpMessage& msg)
{
    std::vector<KyRow> rows;
    if (requestType == RT_PARAMETERS || requestType == RT_LOG_SERVER) {
        if (!kyParseRowsLogged(name(), msg.body, rows))
            return;
    }
    if (requestType == RT_PARAMETERS) {
        std::vector<KySystemParameter> params;
        for (const KyRow& row : rows) {
            KySystemParameter p;
            p.name = row.text("name");
            p.value = row.text("value");
            p.kind = KySystemParameter::kindOfName(p.name);
            params.push_back(p);
        }
        Report::list(*this, 0, params);
    } else if (requestType == RT_LOG_SERVER) {
        const std::string value = rows.empty() ? std::string() : rows.front().text("value");
        Report::extra(*this, RT_LOG_SERVER, value);
    } else if (requestType == RT_BACKUP) {
        Json::Value obj;
        if (!kyJsonParse(msg.body, obj)) {
            std::fprintf(stderr, "%s: backup reply is not JSON, dropped\n", name().c_str());
            return;
        }
        KyBackup backup;
        backup.file = kyJsonText(obj, "BackupFile");
        backup.md5 = kyJsonText(obj, "Md5");
        Report::extra(*this, RT_BACKUP, backup);
    }
}
