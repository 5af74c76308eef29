#pragma once

#include <string>
#include <vector>

#include "KyCommandRequest.h"
#include "KyListEvents.h"
#include "KySsTask.h"
#include "KyTermBaseManage.h"

struct KyRow;

// Protocol manager of the tasks ("soundsource"): list query, "SoundSource"
// add/modify/delete, "SoundSourceSwitch" start/stop, pushed task rows and
// pushed deletions.
class KySsTaskManage : public KyTermBaseManage {
public:
    enum { RT_LIST = 248, RT_ADD = 249, RT_MODIFY = 250, RT_DELETE = 251, RT_START = 252, RT_STOP = 253 };
    // The list, changed tasks, removals (key RT_DELETE: this console's own
    // delete request was accepted, id 0) and refusals of its delete request
    // (id 0, the server's "Result").
    using Events = KyListEvents<KySsTask>;
    using Report = KyListAdapter<Events>;

    KySsTaskManage();
    static KySsTaskManage* instance();

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
