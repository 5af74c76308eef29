// Stores: one pushed change (parsed by the protocol manager, applied to the
// store's cache) in a list of 100,000 records against the same in a list of
// 1,000. The id index keeps the ratio near 1 for every store.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "KyBenchTiming.h"
#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyIpAmpManage.h"
#include "KyM02ListMgr.h"
#include "KyM02Manage.h"
#include "KyPlayTermListMgr.h"
#include "KySchemeDataMgr.h"
#include "KySchemeManage.h"
#include "KySsTaskDataMgr.h"
#include "KySsTaskManage.h"

namespace {

const int kSmall = 1000;
const int kLarge = 100000;
const int kPushes = 1000;

using RowOf = std::function<KyRow(int id, int round)>;

struct Store {
    const char* name;
    KyBaseMgr* mgr;
    int listType;
    const char* pushName;
    RowOf row;
};

KyRow taskRow(int id, int round)
{
    KyRow r;
    r.add("id", std::to_string(id));
    r.add("name", "课间任务" + std::to_string(id) + "-" + std::to_string(round));
    r.add("status", "1");
    r.add("sourceType", "2");
    r.add("executeTime", "上课#$%" + std::to_string(id % 86400));
    r.add("terminalId", "3001 3002");
    return r;
}

KyRow schemeRow(int id, int round)
{
    KyRow r;
    r.add("id", std::to_string(id));
    r.add("name", "方案" + std::to_string(id) + "-" + std::to_string(round));
    r.add("comment", "");
    r.add("enable", "1");
    r.add("kind", "0");
    return r;
}

KyRow terminalRow(int id, int round)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("ip", "10.0." + std::to_string(id / 250 % 250) + "." + std::to_string(id % 250));
    r.add("name", "终端" + std::to_string(id) + "-" + std::to_string(round));
    r.add("type", "IP");
    r.add("status", std::to_string(round % 6));
    return r;
}

void loadList(const Store& s, int count)
{
    std::vector<KyRow> rows;
    for (int id = 1; id <= count; ++id)
        rows.push_back(s.row(id, 0));
    KyDbpMessage reply;
    reply.isReply = true;
    reply.statusCode = 200;
    reply.body = kyWriteRows(rows);
    s.mgr->onReply(s.listType, reply);
}

// Seconds per pushed change of a record near the end of the list (the far
// end for a walk from the front).
double pushCost(const Store& s, int count)
{
    loadList(s, count);
    std::vector<std::string> bodies;
    for (int i = 0; i < kPushes; ++i)
        bodies.push_back(kyWriteRows({s.row(count - i % 100, i + 1)}));
    return kyBestOf(3, [&] {
               for (const std::string& body : bodies)
                   s.mgr->parseBody(s.pushName, body);
           }) /
           kPushes;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    KySsTaskDataMgr::instance();
    KySchemeDataMgr::instance();
    KyPlayTermListMgr::instance();
    KyM02ListMgr::instance();
    const Store stores[] = {
        {"tasks", KySsTaskManage::instance(), KySsTaskManage::RT_LIST, "SqlConfig_soundsource", taskRow},
        {"schemes", KySchemeManage::instance(), KySchemeManage::RT_LIST, "SqlConfig_timerplan", schemeRow},
        {"play terminals", KyIpAmpManage::instance(), KyIpAmpManage::RT_LIST, "SqlConfig_ipamp", terminalRow},
        {"mic02", KyM02Manage::instance(), KyM02Manage::RT_LIST, "SqlConfig_mic02", terminalRow},
    };
    for (const Store& s : stores) {
        const double small = pushCost(s, kSmall);
        const double large = pushCost(s, kLarge);
        std::printf("%-15s one pushed change: %.1f us at %d records, %.1f us at %d, ratio %.2f (goal < 100 us)\n",
                    s.name, small * 1e6, kSmall, large * 1e6, kLarge, large / small);
    }
    return 0;
}
