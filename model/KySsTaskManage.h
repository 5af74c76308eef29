#pragma once

#include <string>
#include <vector>

#include "KyCommandRequest.h"
#include "KySsTask.h"
#include "KyTermBaseManage.h"

struct KyRow;

// Protocol manager of the tasks ("soundsource"): list query, "SoundSource"
// add/modify/delete, "SoundSourceSwitch" start/stop, pushed task rows and
// pushed deletions.
class KySsTaskManage : public KyTermBaseManage {
public:
    enum { RT_LIST = 248, RT_ADD = 249, RT_MODIFY = 250, RT_DELETE = 251, RT_START = 252, RT_STOP = 253 };
    // EV_LIST: std::vector<KySsTask>; EV_CHANGED: one KySsTask;
    // EV_DELETE_RESULT: KyDeleteResult of this console's delete request;
    // EV_REMOVED: id of a task the server reports deleted.
    enum { EV_LIST = 1, EV_CHANGED = 2, EV_DELETE_RESULT = 3, EV_REMOVED = 4 };

    struct KyDeleteResult {
        bool accepted = false;   // status 200
        std::string text;        // "Result": empty when deleted
    };

    KySsTaskManage();

    static KyCommandRequest listRequest();
    // op 0 add, 1 modify, 2 delete, 3 start, 4 stop.
    static KyCommandRequest saveRequest(const KySsTask& task, int op);
    static KySsTask fromRow(const KyRow& row);

    void onReply(int requestType, const KyDbpMessage& msg) override;
    void onFailedRequest(int requestType, int resultCode, const KyDbpMessage& msg) override;
    bool parseBody(const std::string& pushName, const std::string& body) override;
    bool onNotification(const std::string& name, const std::string& body) override;
    bool handlesCode(const std::string& pushName) const override;

private:
    void reportRows(const std::string& body, bool asList);
    void reportDeleteResult(bool accepted, const std::string& body);
};
