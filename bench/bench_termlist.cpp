// Play-terminal list: parse and cache a 10,000-row list reply and a burst of
// 10,000 single-row pushes; compare with TinyXML parsing the same bytes alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <tinyxml.h>

#include "KyBenchTiming.h"
#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyIpAmpManage.h"
#include "KyPlayTermListMgr.h"

namespace {

const int kRows = 10000;

KyRow terminalRow(int id, int vol)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("ip", "192.168." + std::to_string(id / 250 % 250) + "." + std::to_string(id % 250));
    r.add("name", "教学楼广播终端" + std::to_string(id));
    r.add("type", "IP");
    r.add("status", "1");
    r.add("exten", "--");
    r.add("broVol", std::to_string(vol));
    r.add("power", "1");
    r.add("ampTemp", "41");
    r.add("spkState", "1");
    r.add("transportTcp", "0");
    r.add("defaultVolume", "30");
    r.add("defaultPower", "1");
    r.add("isDefault", "0");
    r.add("masterId", "0");
    return r;
}

}  // namespace

int main()
{
    std::vector<KyRow> rows;
    for (int i = 0; i < kRows; ++i)
        rows.push_back(terminalRow(100000 + i, i % 100));
    KyDbpMessage reply;
    reply.isReply = true;
    reply.statusCode = 200;
    reply.body = kyWriteRows(rows);
    std::vector<std::string> pushes;
    for (int i = 0; i < kRows; ++i)  // every other push is a new id, inserted in id order
        pushes.push_back(kyWriteRows({terminalRow(i % 2 ? 100000 + i : 200000 + i, 7)}));

    KyIpAmpManage* mgr = KyIpAmpManage::instance();
    KyPlayTermListMgr* list = KyPlayTermListMgr::instance();

    double bareList = kyBestOf(5, [&] {
        TiXmlDocument doc;
        doc.Parse(reply.body.c_str(), nullptr, TIXML_ENCODING_UTF8);
    });
    double ownList = kyBestOf(5, [&] { mgr->onReply(KyIpAmpManage::RT_LIST, reply); });
    double barePush = kyBestOf(3, [&] {
        for (const std::string& p : pushes) {
            TiXmlDocument doc;
            doc.Parse(p.c_str(), nullptr, TIXML_ENCODING_UTF8);
        }
    });
    double ownPush = kyBestOf(3, [&] {
        mgr->onReply(KyIpAmpManage::RT_LIST, reply);
        for (const std::string& p : pushes)
            mgr->parseBody("SqlConfig_ipamp", p);
    }) - ownList;

    auto* cached = list->lockList();
    const size_t size = cached ? cached->size() : 0;
    list->unlockList();
    if (size != size_t(kRows + kRows / 2)) {
        std::printf("unexpected cache size %zu\n", size);
        return 1;
    }
    const double listRatio = bareList / ownList;
    const double pushRatio = barePush / ownPush;
    std::printf("list reply: %.0f rows/s cached, %.0f rows/s bare TinyXML, ratio %.2f (goal >= 0.5)\n",
                kRows / ownList, kRows / bareList, listRatio);
    std::printf("pushes:     %.0f rows/s cached, %.0f rows/s bare TinyXML, ratio %.2f (goal >= 0.5)\n",
                kRows / ownPush, kRows / barePush, pushRatio);
    return 0;
}
