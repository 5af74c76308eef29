#pragma once

#include <mutex>
#include <vector>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyListEvents.h"
#include "KyScheme.h"

struct KyRow;

// Protocol manager of the schemes ("timerplan"): list query per kind,
// "TimerPlan" add/modify/delete, pushed scheme rows and DELETE_TimerPlan.
class KySchemeManage : public KyBaseMgr {
public:
    enum { RT_LIST = 150, RT_ADD = 151, RT_MODIFY = 152, RT_DELETE = 153 };
    // The list of a kind (key), a scheme added or changed, a removal (key the kind).
    using Events = KyListEvents<KyScheme>;
    using Report = KyListAdapter<Events>;

    KySchemeManage();
    static KySchemeManage* instance();

    // Also notes the kind, which the list reply does not carry when empty.
    KyCommandRequest listRequest(int kind);
    static KyCommandRequest addRequest(const KyScheme& scheme, int kind);
    static KyCommandRequest modifyRequest(const KyScheme& scheme, int kind);
    static KyCommandRequest deleteRequest(int id, int kind);
    static KyScheme fromRow(const KyRow& row, int kind);
    // The first scheme row of a reply body; false when there is none.
    static bool schemeOfReply(const std::string& body, int kind, KyScheme& out);

    void onReply(int requestType, const KyDbpMessage& msg) override;
    // The kind of a late list is read from its rows; an empty one is dropped.
    void onLateListReply(int requestType, const KyDbpMessage& msg) override;
    bool parseBody(const std::string& pushName, const std::string& body) override;
    bool onNotification(const std::string& name, const std::string& body) override;
    bool handlesCode(const std::string& pushName) const override;

private:
    void reportList(const std::string& body, int kind);
    void reportRows(const std::string& body);
    void reportDeleted(const std::string& body);

    std::mutex m_kindMutex;
    int m_listKind = 0;
};
