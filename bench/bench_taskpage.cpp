// Task page: fill from 10,000 tasks and 1,000 pushed changes (each sorted),
// against a bare QTableWidget fill of the same 10,000 rows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QTableWidget>
#include <QTextCodec>

#include "KyBenchTiming.h"
#include "KyDbpRows.h"
#include "KySsTaskDataMgr.h"
#include "KySsTaskMgrForm.h"
#include "KyTestSession.h"
#include "KyTextUtil.h"

namespace {

const int kTasks = 10000;
const int kChanges = 1000;

KyRow taskRow(int id, int seconds, const std::string& name)
{
    KyRow r;
    r.add("id", std::to_string(id));
    r.add("name", name);
    r.add("status", id % 3 ? "2" : "1");
    r.add("sourceCategory", "2");
    r.add("sourceType", std::to_string(1 + id % 4));
    r.add("timerPlanId", "-1");
    r.add("sourceContent", "/music/课间音乐" + std::to_string(id) + ".mp3");
    r.add("playVol", std::to_string(id % 100));
    r.add("duration", std::to_string(id % 7200));
    r.add("playTimes", id % 2 ? "0" : "3");
    r.add("executeTime", id % 5 ? "上课#$%" + std::to_string(seconds) : "");
    r.add("terminalId", "3001 3002 3003");
    return r;
}

// The same eight cells per row, straight into a table.
void bareFill(QTableWidget& t, const std::list<KySsTask>& tasks)
{
    t.setRowCount(0);
    t.setRowCount(int(tasks.size()));
    int row = int(tasks.size());
    for (const KySsTask& task : tasks) {
        --row;
        const std::string cells[8] = {task.name,
                                      std::to_string(task.id),
                                      task.execTimeList.empty() ? "------"
                                                                : formatDuration(task.execTimeList.front().seconds),
                                      "File Play Broadcast",
                                      "Idle",
                                      std::to_string(task.playVol),
                                      std::to_string(task.playTimes),
                                      "------"};
        for (int c = 0; c < 8; ++c) {
            auto* item = new QTableWidgetItem(QString::fromUtf8(cells[c].c_str()));
            item->setData(Qt::UserRole, c == 0 ? task.id : 0);
            t.setItem(row, c, item);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));   // as the console sets it
    KyTestSession session(false);
    std::vector<KyRow> rows;
    for (int i = 1; i <= kTasks; ++i)
        rows.push_back(taskRow(i, (i * 7919) % 86400, "课间任务" + std::to_string(i)));
    session.server().setRows("soundsource", rows);
    if (session.login() != 0) {
        std::printf("login failed\n");
        return 1;
    }
    KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
    if (store->taskList().size() != size_t(kTasks)) {
        std::printf("unexpected task count %zu\n", store->taskList().size());
        return 1;
    }

    KySsTaskMgrForm page(2);
    const std::list<KySsTask> tasks = store->taskList();
    QTableWidget bare;
    bare.setColumnCount(8);
    // Taken in turns, so that load on the machine hits both alike.
    double bareTime = 1e9;
    double fillTime = 1e9;
    for (int i = 0; i < 7; ++i) {
        bareTime = std::min(bareTime, kySeconds([&] { bareFill(bare, tasks); }));
        fillTime = std::min(fillTime, kySeconds([&] { page.slot_showTaskList(); }));
    }
    const double copyTime = kyBestOf(5, [&] { store->taskList(); });
    if (page.table()->rowCount() != kTasks) {
        std::printf("unexpected row count %d\n", page.table()->rowCount());
        return 1;
    }

    // Pushed changes: new start times, so most of them unsort the table.
    int seen = 0;
    QObject::connect(store, &KySsTaskDataMgr::taskChanged, &page, [&seen](int) { ++seen; });
    const double pushTime = kySeconds([&] {
        for (int i = 0; i < kChanges; ++i) {
            const int id = 1 + (i * 37) % kTasks;
            session.server().pushToAll("SqlConfig", "soundsource",
                                       kyWriteRows({taskRow(id, (i * 104729) % 86400, "改" + std::to_string(i))}));
        }
        while (seen < kChanges)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    });

    std::printf("fill:    %.1f ms page (%.1f ms of it the store's list copy), %.1f ms bare QTableWidget, "
                "ratio %.2f (goal <= 1.5)\n",
                fillTime * 1e3, copyTime * 1e3, bareTime * 1e3, fillTime / bareTime);
    std::printf("pushes:  %d changes in %.1f ms, %.2f ms each, %.2f bare fills per change\n", kChanges,
                pushTime * 1e3, pushTime * 1e3 / kChanges, pushTime / kChanges / bareTime);
    return 0;
}
