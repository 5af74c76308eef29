#pragma once

#include <vector>

#include "KyBaseMgr.h"
#include "KyCommandRequest.h"
#include "KyListEvents.h"
#include "KyLogEntry.h"

struct KyRow;

// Protocol manager of the logs read through the central server ("SqlLog").
// Kinds: 0 user count, 1 user page, 2 talk count, 3 talk page, 4 terminal
// count, 5 terminal page, 6 recording count, 7 recording page.
class KyServiceLogManage : public KyBaseMgr {
public:
    enum { RT_FIRST = 190, KIND_COUNT = 8 };
    // A page of a kind (key) in reply order; extra: the count of a kind (key).
    using Events = KyListEvents<KyLogEntry, KyLogEntry, int>;
    using Report = KyListAdapter<Events>;

    KyServiceLogManage();
    static KyServiceLogManage* instance();

    // False for an unknown kind.
    static bool logRequest(int kind, int start, KyCommandRequest& out);
    static bool isCountKind(int kind) { return kind % 2 == 0; }
    // Row of the log the kind reads (user log by position, the others by name).
    static KyLogEntry entryFromRow(int kind, const KyRow& row);

    void onReply(int requestType, const KyDbpMessage& msg) override;
};
