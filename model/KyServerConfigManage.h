#pragma once

#include <string>
#include <vector>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyListEvents.h"
#include "KySystemParameter.h"

// Protocol manager of the server configuration: parameter list, log server,
// parameter changes, administrator password, backup and restore.
class KyServerConfigManage : public KyBaseMgr {
public:
    enum {
        RT_SYSTEM_NAME = 173, RT_PARAMETERS = 174, RT_RECORD_SERVER = 176, RT_VAD_PTT = 177,
        RT_LOG_SERVER = 178, RT_TALK_LOG_SERVER = 179, RT_ADMIN_PASSWORD = 180, RT_BACKUP = 181,
        RT_RECOVERY = 182,
    };
    struct KyBackup {
        std::string file;
        std::string md5;
    };
    // The parameter list; extras: the log server's "host:port" text (empty
    // when the server has none) and the backup reply.
    using Events = KyListEvents<KySystemParameter, KySystemParameter, std::string, KyBackup>;
    using Report = KyListAdapter<Events>;

    KyServerConfigManage();
    static KyServerConfigManage* instance();

    static KyCommandRequest parametersRequest();
    static KyCommandRequest logServerRequest();
    // A change of one value: 173, 176, 177, 179 ("SystemParameter"),
    // 180 ("ModTalkManagerInfo"), 181 ("DataBackup"). False for another type.
    static bool valueRequest(int requestType, const std::string& value, KyCommandRequest& out);
    // 182 "DataRecovery" with the file name and its MD5.
    static bool valueRequest2(int requestType, const std::string& first, const std::string& second,
                              KyCommandRequest& out);

    void onReply(int requestType, const KyDbpMessage& msg) override;
};
