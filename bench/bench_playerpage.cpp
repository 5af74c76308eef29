// Play-terminal page: a full redraw of a 10,000-row list (every cell, colour
// and the slider look as the page draws them) against a bare QTableWidget
// bulk fill of the same rows of text; and one pushed change to a row against
// the bare fill of one row.
#include <QApplication>
#include <QTableWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "KyBenchTiming.h"
#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyIpAmpManage.h"
#include "KyPlayTermListMgr.h"
#include "KyPlayerInfoForm.h"

namespace {

const int kRows = 10000;
const int kColumns = 9;
const char* const kTypes[] = {"IP", "PR", "IPD-S", "01"};

KyRow terminalRow(int id, int state, int vol)
{
    KyRow r;
    r.add("terminalId", std::to_string(id));
    r.add("ip", "192.168." + std::to_string(id / 250 % 250) + "." + std::to_string(id % 250));
    r.add("name", "教学楼广播终端" + std::to_string(id));
    r.add("type", kTypes[id % 4]);
    r.add("status", std::to_string(state));
    r.add("exten", "--");
    r.add("broVol", std::to_string(vol));
    r.add("power", std::to_string(id % 2));
    r.add("ampTemp", "41");
    r.add("spkState", "1");
    return r;
}

QStringList rowTexts(int id)
{
    return {"IPTerm", QString::fromUtf8("教学楼广播终端%1").arg(id), QString::number(id), "50", "Idle", "open",
            QString::fromUtf8("41 ℃"), "Pass", "192.168.1.1"};
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<KyRow> rows;
    for (int i = 0; i < kRows; ++i)
        rows.push_back(terminalRow(100000 + i, i % 6, i % 100));
    KyDbpMessage reply;
    reply.isReply = true;
    reply.statusCode = 200;
    reply.body = kyWriteRows(rows);
    KyPlayTermListMgr::instance();  // hooks the manager's callback
    KyIpAmpManage::instance()->onReply(KyIpAmpManage::RT_LIST, reply);

    KyPlayerInfoForm page;  // the list is loaded: the page fills at construction
    page.resize(1000, 600);
    page.show();
    if (page.table()->rowCount() != kRows) {
        std::printf("unexpected row count %d\n", page.table()->rowCount());
        return 1;
    }
    std::vector<QStringList> texts;
    for (int i = 0; i < kRows; ++i)
        texts.push_back(rowTexts(100000 + i));

    QTableWidget bare;
    bare.setColumnCount(kColumns);
    bare.resize(1000, 560);
    bare.show();
    const double bareFill = kyBestOf(5, [&] {
        bare.setRowCount(0);
        bare.setRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                bare.setItem(r, c, new QTableWidgetItem(texts[r][c]));
    });
    const double pageFill = kyBestOf(5, [&] { page.showTerminals(); });

    // One pushed change: parsed, cached, signalled and redrawn on its row.
    const int changed = 100000 + kRows / 2;
    std::vector<std::string> pushes;
    for (int i = 0; i < 200; ++i)
        pushes.push_back(kyWriteRows({terminalRow(changed, i % 6, i % 100)}));
    const double pagePush = kyBestOf(5, [&] {
        for (const std::string& p : pushes)
            KyIpAmpManage::instance()->parseBody("SqlConfig_ipamp", p);
        QCoreApplication::processEvents();
    }) / pushes.size();
    const double bareRow = kyBestOf(5, [&] {
        for (size_t i = 0; i < pushes.size(); ++i)
            for (int c = 0; c < kColumns; ++c)
                bare.setItem(kRows / 2, c, new QTableWidgetItem(texts[i][c]));
    }) / pushes.size();
    if (page.table()->item(kRows / 2, 3)->text() != QString::number(199 % 100)) {
        std::printf("the pushed change did not reach its row\n");
        return 1;
    }

    std::printf("full redraw: page %.1f ms, bare fill %.1f ms, ratio %.2f (goal <= 1.5)\n", pageFill * 1e3,
                bareFill * 1e3, pageFill / bareFill);
    std::printf("pushed change: page %.1f us per row, bare one-row fill %.1f us, ratio %.2f\n", pagePush * 1e6,
                bareRow * 1e6, pagePush / bareRow);
    return 0;
}
