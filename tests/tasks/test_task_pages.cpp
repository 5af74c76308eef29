// Task list pages: rows and looks per page, pushes from a second console,
// delete/start/stop of the selection, add and edit results.

#include <memory>

#include <QtTest>

#include "KyModalCatcher.h"
#include "KyModalHelper.h"
#include <QLineEdit>
#include "KyPlanTaskMgrForm.h"
#include "KySchemeDataMgr.h"
#include "KySignalLog.h"
#include "KySsTaskDataMgr.h"
#include "KySsTaskMgrForm.h"
#include "KyTaskPageTestSupport.h"
#include "KyTimerTaskMgrForm.h"
#include "QtSchemeInfo.h"

namespace {
KyRow taskRow(int id, const std::string& name, int status, int kind, int type, int plan, int playTimes,
              int duration, const std::string& exec)
{
    KyRow r;
    r.add("id", std::to_string(id));
    r.add("name", name);
    r.add("status", std::to_string(status));
    r.add("sourceCategory", std::to_string(kind));
    r.add("sourceType", std::to_string(type));
    r.add("timerPlanId", std::to_string(plan));
    r.add("playVol", "55");
    r.add("duration", std::to_string(duration));
    r.add("playTimes", std::to_string(playTimes));
    r.add("executeTime", exec);
    return r;
}

QList<int> hiddenColumns(QTableWidget* t)
{
    QList<int> out;
    for (int c = 0; c < t->columnCount(); ++c)
        if (t->isColumnHidden(c))
            out << c;
    return out;
}

QString shownButtons(QWidget* page)
{
    QString out;
    for (const char* name : {"fNewBtn", "fEditBtn", "fDelBtn", "fStartTask", "fStopTask", "fSchemeTitleText"})
        out += child<QWidget>(page, name)->isHidden() ? '-' : 'x';
    return out;
}
}

class TestTaskPages : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KySsTaskDataMgr* store = nullptr;
    std::unique_ptr<KyScriptedPage<KyPlanTaskMgrForm>> plan;
    std::unique_ptr<KyScriptedPage<KySsTaskMgrForm>> manual;
    std::unique_ptr<KyScriptedPage<KySsTaskMgrForm>> sdk;
    std::unique_ptr<KyScriptedPage<KyTimerTaskMgrForm>> timer;
    KySsTaskManage otherTasks;

    QTableWidget* tableOf(KyBaseTaskMgrForm* page) { return page->table(); }

    // A task change sent from the second console; its id from the reply row.
    int sendOther(const KySsTask& task, int op)
    {
        KySignalLog changed(store, SIGNAL(taskChanged(int)));
        const int rc = env.sendFromOther(&otherTasks, KySsTaskManage::RT_ADD + op,
                                         KySsTaskManage::saveRequest(task, op));
        if (rc != 0 || op == 2)
            return rc == 0 ? task.id : -1;
        if (!QTest::qWaitFor([&] { return changed.count() > 0; }, 3000))
            return -1;
        return changed.ids().last();
    }

    void selectRows(QTableWidget* t, const QList<int>& ids)
    {
        t->clearSelection();
        for (int id : ids)
            t->setRangeSelected(QTableWidgetSelectionRange(kyRowOf(t, id), 0, kyRowOf(t, id), t->columnCount() - 1),
                                true);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(env.start());
        std::vector<KyRow> rows = env.server().rows("soundsource");
        rows.push_back(taskRow(101, "人工一", 2, 2, 1, -1, 0, 3725, ""));
        rows.push_back(taskRow(102, "人工二", 1, 2, 2, -1, 3, 0, "上午#$%3600"));
        rows.push_back(taskRow(103, "人工三", 7, 2, 5, -1, 1, 0, "下午#$%50000"));
        rows.push_back(taskRow(104, "人工四", 2, 2, 3, -1, 2, 0, "晚上#$%70000"));
        rows.push_back(taskRow(105, "话筒广播", 2, 1, 4, -1, 1, 0, ""));
        env.server().setRows("soundsource", rows);
        store = KySsTaskDataMgr::instance();
        KySsTask probe;
        QTRY_VERIFY(store->getTask(105, probe));

        plan.reset(new KyScriptedPage<KyPlanTaskMgrForm>());
        manual.reset(new KyScriptedPage<KySsTaskMgrForm>(2));
        sdk.reset(new KyScriptedPage<KySsTaskMgrForm>(4));
        timer.reset(new KyScriptedPage<KyTimerTaskMgrForm>(3));
        for (QWidget* w : std::initializer_list<QWidget*>{plan.get(), manual.get(), sdk.get(), timer.get()}) {
            w->resize(1000, 700);
            w->show();
        }
        // The scheme pane's list arrives and reports scheme 1.
        QTRY_COMPARE(timer->schemePane()->table()->rowCount(), 2);
    }

    void init() { env.server().setPushTarget(KyTestServer::PushOthers); }

    void rowsAndLooks()
    {
        QTableWidget* t = manual->table();
        QCOMPARE(kyRowIds(t), (QList<int>{104, 103, 102, 101, 7, 6}));
        QCOMPARE(kyRowIds(plan->table()), (QList<int>{105, 5, 4}));
        QCOMPARE(kyRowIds(sdk->table()), (QList<int>{10, 9}));
        QCOMPARE(kyRowIds(timer->table()).size(), 3);   // scheme 1: tasks 1, 2, 8, sorted

        const int r101 = kyRowOf(t, 101);
        QCOMPARE(t->item(r101, 1)->text(), QStringLiteral("101"));
        QCOMPARE(t->item(r101, 1)->data(Qt::UserRole).toInt(), 101);
        QCOMPARE(t->item(r101, 2)->text(), QStringLiteral("------"));
        QCOMPARE(t->item(r101, 5)->text(), QStringLiteral("55"));
        QCOMPARE(t->item(r101, 6)->text(), QStringLiteral("01:02:05"));
        QCOMPARE(t->item(r101, 7)->text(), QStringLiteral("------"));
        const int r102 = kyRowOf(t, 102);
        QCOMPARE(t->item(r102, 2)->text(), QStringLiteral("01:00:00"));
        QCOMPARE(t->item(r102, 3)->text(), QStringLiteral("Cap Broadcast"));
        QCOMPARE(t->item(r102, 4)->text(), QStringLiteral("Running"));
        QCOMPARE(t->item(r102, 4)->data(Qt::UserRole).toInt(), 1);
        QCOMPARE(t->item(r102, 6)->text(), QStringLiteral("3"));
        const int r103 = kyRowOf(t, 103);
        QCOMPARE(t->item(r103, 3)->text(), QStringLiteral("File Play Broadcast"));
        QCOMPARE(t->item(r103, 4)->text(), QStringLiteral("Illegality"));
        QCOMPARE(t->item(r103, 4)->data(Qt::UserRole).toInt(), 7);
        QCOMPARE(t->horizontalHeaderItem(0)->text(), QStringLiteral("Name"));
        QCOMPARE(t->horizontalHeaderItem(6)->text(), QStringLiteral("次数/时长"));

        // Hidden columns, buttons (new, edit, delete, start, stop, scheme label).
        QCOMPARE(hiddenColumns(plan->table()), (QList<int>{1, 2}));
        QCOMPARE(hiddenColumns(t), (QList<int>{2}));
        QCOMPARE(hiddenColumns(sdk->table()), (QList<int>{1, 2, 5, 6, 7}));
        QCOMPARE(hiddenColumns(timer->table()), (QList<int>{1}));
        QCOMPARE(shownButtons(plan.get()), QStringLiteral("xxx-x-"));
        QCOMPARE(shownButtons(manual.get()), QStringLiteral("xxxxx-"));
        QCOMPARE(shownButtons(sdk.get()), QStringLiteral("----x-"));
        QCOMPARE(shownButtons(timer.get()), QStringLiteral("xxxxxx"));
        QCOMPARE(child<QLabel>(plan.get(), "tableNameLable")->text(), QStringLiteral("预案列表"));
        QCOMPARE(child<QLabel>(manual.get(), "tableNameLable")->text(), QStringLiteral("Task List"));
        QCOMPARE(child<QLabel>(timer.get(), "fSchemeNameText")->text(), QStringLiteral("默认方案"));

        // The first change sorts by the start-time text, "------" first.
        KySsTask t104;
        QVERIFY(store->getTask(104, t104));
        t104.name = "人工四改";
        QCOMPARE(sendOther(t104, 1), 104);
        QTRY_COMPARE(t->item(kyRowOf(t, 104), 0)->text(), QStringLiteral("人工四改"));
        QCOMPARE(kyColumnTexts(t, 2),
                 (QStringList{"------", "------", "------", "01:00:00", "13:53:20", "19:26:40"}));
    }

    void pushesFromOtherConsole()
    {
        // A full list refills last-first; a change of another kind only sorts.
        KySignalLog lists(store, SIGNAL(gotTaskList()));
        QCOMPARE(store->requestList(), 0);
        QTRY_COMPARE(lists.count(), 1);
        QTableWidget* t = manual->table();
        QTRY_COMPARE(kyRowIds(t), (QList<int>{104, 103, 102, 101, 7, 6}));
        KySsTask t5;
        QVERIFY(store->getTask(5, t5));
        t5.name = "背景音乐二";
        QCOMPARE(sendOther(t5, 1), 5);
        QTRY_COMPARE(plan->table()->item(kyRowOf(plan->table(), 5), 0)->text(), QStringLiteral("背景音乐二"));
        QCOMPARE(kyRowIds(t).size(), 6);
        QCOMPARE(kyColumnTexts(t, 2).first(), QStringLiteral("------"));
        QCOMPARE(kyColumnTexts(t, 2).last(), QStringLiteral("19:26:40"));

        // Equal start texts keep their order: a changed row goes after the
        // rows with its text that stood above it.
        const QList<int> sorted = kyRowIds(t);
        QCOMPARE(sorted.mid(3), (QList<int>{102, 103, 104}));
        KySsTask t6;
        QVERIFY(store->getTask(6, t6));
        t6.name = "紧急疏散二";
        QCOMPARE(sendOther(t6, 1), 6);
        QTRY_COMPARE(t->item(kyRowOf(t, 6), 0)->text(), QStringLiteral("紧急疏散二"));
        QCOMPARE(kyRowIds(t), sorted);
        KySsTask t104;
        QVERIFY(store->getTask(104, t104));
        t104.executeTime = "";
        QCOMPARE(sendOther(t104, 1), 104);
        QTRY_COMPARE(t->item(kyRowOf(t, 104), 2)->text(), QStringLiteral("------"));
        QCOMPARE(kyRowIds(t), (sorted.mid(0, 3) + QList<int>{104, 102, 103}));
        t104.executeTime = "晚上#$%70000";
        QCOMPARE(sendOther(t104, 1), 104);
        QTRY_COMPARE(kyRowIds(t), sorted);

        // Timer tasks: another scheme's new task stays out, this scheme's comes in.
        QTableWidget* tt = timer->table();
        const int shown = tt->rowCount();
        KySsTask fresh;
        fresh.name = "别的方案任务";
        fresh.sourceCategory = 3;
        fresh.timerPlanId = 2;
        fresh.executeTime = "早#$%100";
        const int other = sendOther(fresh, 0);
        QVERIFY(other > 0);
        fresh.name = "本方案任务";
        fresh.timerPlanId = 1;
        const int mine = sendOther(fresh, 0);
        QTRY_COMPARE(tt->rowCount(), shown + 1);
        QCOMPARE(kyRowOf(tt, other), -1);
        QCOMPARE(kyRowOf(tt, mine), 0);   // 00:01:40 sorts first

        // A shown row is refreshed even when it moved to another scheme.
        KySsTask moved;
        QVERIFY(store->getTask(mine, moved));
        moved.timerPlanId = 2;
        moved.name = "换了方案";
        QCOMPARE(sendOther(moved, 1), mine);
        QTRY_COMPARE(tt->item(kyRowOf(tt, mine), 0)->text(), QStringLiteral("换了方案"));

        // Deleted by the other console: the row goes.
        KySignalLog deleted(store, SIGNAL(taskDeleted(int)));
        QCOMPARE(sendOther(moved, 2), mine);
        QTRY_COMPARE(deleted.count(), 1);
        QCOMPARE(kyRowOf(tt, mine), -1);
        QCOMPARE(tt->rowCount(), shown);
        KySsTask gone;
        gone.id = other;
        QCOMPARE(sendOther(gone, 2), other);
    }

    // A task whose kind changes leaves the page of its old kind for that of its new one.
    void kindChangeMovesTask()
    {
        KySsTask task;
        task.name = "换类任务";
        task.sourceCategory = 2;
        const int id = sendOther(task, 0);
        QVERIFY(id > 0);
        QTRY_VERIFY(kyRowIds(manual->table()).contains(id));
        QVERIFY(store->getTask(id, task));
        task.sourceCategory = 1;
        QCOMPARE(sendOther(task, 1), id);
        QTRY_VERIFY(kyRowIds(plan->table()).contains(id));
        QTRY_VERIFY(!kyRowIds(manual->table()).contains(id));
        QCOMPARE(sendOther(task, 2), id);
        QTRY_VERIFY(!kyRowIds(plan->table()).contains(id));
    }

    void deleteStartStop()
    {
        QTableWidget* t = manual->table();
        std::unique_ptr<KyModalCatcher> catcher(new KyModalCatcher);
        KySignalLog deleted(store, SIGNAL(taskDeleted(int)));

        // Three rows, one running: one message, two deletes, last selected first.
        const size_t dels = kyBodiesSince(env, "SoundSource", 0).size();
        selectRows(t, {103, 101, 102});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fDelBtn"), Qt::LeftButton);
        QCOMPARE(catcher->texts, (QStringList{"Delete current record?", "Task is runnig, it is not editable!"}));
        auto bodies = kyBodiesSince(env, "SoundSource", dels);
        QCOMPARE(int(bodies.size()), 2);
        QCOMPARE(bodies[0]["Action"].asString(), std::string("Del"));
        QCOMPARE(bodies[0]["Id"].asString(), std::string("101"));
        QCOMPARE(bodies[1]["Id"].asString(), std::string("103"));
        QTRY_COMPARE(deleted.count(), 2);
        QCOMPARE(kyRowIds(t).contains(101) || kyRowIds(t).contains(103), false);
        QVERIFY(kyRowIds(t).contains(102));

        // Refused with a text: that text, once, and the row stays.
        catcher->clear();
        env.server().setStatus("SoundSource", 403, 1, "{\"Result\":\"任务被广播占用\"}");
        selectRows(t, {104});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fDelBtn"), Qt::LeftButton);
        QTRY_COMPARE(catcher->texts.size(), 2);
        KyOrgSignalLog::settle();
        QCOMPARE(catcher->texts, (QStringList{"Delete current record?", "任务被广播占用"}));
        QVERIFY(kyRowIds(t).contains(104));

        // Stop: cancelled, or all idle, sends nothing; the running one is stopped.
        const size_t switches = kyBodiesSince(env, "SoundSourceSwitch", 0).size();
        catcher->clear();
        selectRows(t, {104});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStopTask"), Qt::LeftButton);
        QCOMPARE(catcher->texts, QStringList{"停止选择任务？"});
        catcher.reset();   // the helper cancels this one
        selectRows(t, {102});
        bool asked = false;
        onNextModal([&asked](QWidget* w) {
            asked = true;
            static_cast<QDialog*>(w)->reject();
        });
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStopTask"), Qt::LeftButton);
        QVERIFY(asked);
        catcher.reset(new KyModalCatcher);
        QCOMPARE(kyBodiesSince(env, "SoundSourceSwitch", switches).size(), size_t(0));
        catcher->clear();
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStopTask"), Qt::LeftButton);
        auto sw = kyBodiesSince(env, "SoundSourceSwitch", switches);
        QCOMPARE(int(sw.size()), 1);
        KY_COMPARE_JSON(sw[0], kyJsonOf({{"Action", "Stop"}, {"Id", "102"}}));
        QTRY_COMPARE(t->item(kyRowOf(t, 102), 4)->text(), QStringLiteral("Idle"));

        // Start asks nothing and skips the running rows.
        catcher->clear();
        selectRows(t, {102, 104});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStartTask"), Qt::LeftButton);
        sw = kyBodiesSince(env, "SoundSourceSwitch", switches + 1);
        QCOMPARE(int(sw.size()), 2);
        QCOMPARE(sw[0]["Id"].asString(), std::string("104"));
        QCOMPARE(sw[1]["Id"].asString(), std::string("102"));
        QTRY_COMPARE(t->item(kyRowOf(t, 102), 4)->text(), QStringLiteral("Running"));
        QTRY_COMPARE(t->item(kyRowOf(t, 104), 4)->text(), QStringLiteral("Running"));
        selectRows(t, {102});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStartTask"), Qt::LeftButton);
        QCOMPARE(kyBodiesSince(env, "SoundSourceSwitch", switches + 3).size(), size_t(0));
        QVERIFY(catcher->texts.isEmpty());

        // Stop both again for the tests that follow.
        selectRows(t, {102, 104});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStopTask"), Qt::LeftButton);
        QTRY_COMPARE(t->item(kyRowOf(t, 104), 4)->text(), QStringLiteral("Idle"));
    }

    void addAndEdit()
    {
        KyModalCatcher catcher;
        QTableWidget* t = manual->table();
        manual->editor = [](KySsTask& task) {
            task.name = "新人工任务";
            return true;
        };

        // Refused add: "Add Error!" and no row.
        const size_t sent = kyBodiesSince(env, "SoundSource", 0).size();
        const int rows = t->rowCount();
        env.server().setStatus("SoundSource", 403);
        QTest::mouseClick(child<QPushButton>(manual.get(), "fNewBtn"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{"Add Error!"});
        auto bodies = kyBodiesSince(env, "SoundSource", sent);
        QCOMPARE(int(bodies.size()), 1);
        QCOMPARE(bodies[0]["Action"].asString(), std::string("Add"));
        QCOMPARE(bodies[0]["Id"].asString(), std::string("0"));
        QCOMPARE(bodies[0]["SourceCategory"].asString(), std::string("2"));
        QCOMPARE(bodies[0]["Name"].asString(), std::string("新人工任务"));
        KyOrgSignalLog::settle();
        QCOMPARE(t->rowCount(), rows);

        // Busy three times, then done: one row, no message.
        catcher.clear();
        env.server().setBusy("SoundSource", 3);
        QTest::mouseClick(child<QPushButton>(manual.get(), "fNewBtn"), Qt::LeftButton);
        QCOMPARE(int(kyBodiesSince(env, "SoundSource", sent).size()), 5);
        QTRY_COMPARE(t->rowCount(), rows + 1);
        KyOrgSignalLog::settle();
        QCOMPARE(t->rowCount(), rows + 1);
        QVERIFY(catcher.texts.isEmpty());
        QCOMPARE(manual->editorRuns, 2);

        // Cancel sends nothing.
        manual->editor = [](KySsTask&) { return false; };
        QTest::mouseClick(child<QPushButton>(manual.get(), "fNewBtn"), Qt::LeftButton);
        QCOMPARE(int(kyBodiesSince(env, "SoundSource", sent).size()), 5);

        // Timer page: kind and scheme set before the editor; sound-source
        // page: idle kind 1 set after it.
        int seenPlan = 0;
        timer->editor = [&seenPlan](KySsTask& task) {
            seenPlan = task.timerPlanId;
            task.name = "定时新任务";
            return true;
        };
        QTest::mouseClick(child<QPushButton>(timer.get(), "fNewBtn"), Qt::LeftButton);
        QCOMPARE(seenPlan, 1);
        bodies = kyBodiesSince(env, "SoundSource", sent + 5);
        QCOMPARE(bodies.back()["SourceCategory"].asString(), std::string("3"));
        QCOMPARE(bodies.back()["TimerPlanId"].asString(), std::string("1"));
        plan->editor = [](KySsTask& task) {
            task.name = "预案新任务";
            task.sourceCategory = 3;
            task.status = 1;
            return true;
        };
        QTest::mouseClick(child<QPushButton>(plan.get(), "fNewBtn"), Qt::LeftButton);
        bodies = kyBodiesSince(env, "SoundSource", sent + 6);
        QCOMPARE(bodies.back()["SourceCategory"].asString(), std::string("1"));
        QTRY_VERIFY(kyColumnTexts(plan->table(), 0).contains("预案新任务"));

        // Edit of the current row: the editor's record is sent; a refusal says so.
        manual->editor = [](KySsTask& task) {
            task.playVol = 33;
            return true;
        };
        t->setCurrentCell(kyRowOf(t, 104), 0);
        QTest::mouseClick(child<QPushButton>(manual.get(), "fEditBtn"), Qt::LeftButton);
        bodies = kyBodiesSince(env, "SoundSource", sent + 7);
        QCOMPARE(bodies.back()["Action"].asString(), std::string("Mod"));
        QCOMPARE(bodies.back()["Id"].asString(), std::string("104"));
        QCOMPARE(bodies.back()["PlayVol"].asString(), std::string("33"));
        QTRY_COMPARE(t->item(kyRowOf(t, 104), 5)->text(), QStringLiteral("33"));
        env.server().setStatus("SoundSource", 403);
        t->setCurrentCell(kyRowOf(t, 104), 0);
        QTest::mouseClick(child<QPushButton>(manual.get(), "fEditBtn"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{"Edit Error!"});

        // Running: refused before the editor.
        catcher.clear();
        const int runs = manual->editorRuns;
        t->setCurrentCell(kyRowOf(t, 102), 0);
        selectRows(t, {102});
        QTest::mouseClick(child<QPushButton>(manual.get(), "fStartTask"), Qt::LeftButton);
        QTRY_COMPARE(t->item(kyRowOf(t, 102), 4)->text(), QStringLiteral("Running"));
        kyDoubleClickRow(t, kyRowOf(t, 102));
        QCOMPARE(catcher.texts, QStringList{"Task is runnig, it is not editable!"});
        QCOMPARE(manual->editorRuns, runs);
    }

    void rowClicksPerPage()
    {
        KyModalCatcher catcher;
        QTableWidget* pt = plan->table();
        kyClickRow(pt, kyRowOf(pt, 105));
        QVERIFY(!child<QPushButton>(plan.get(), "fEditBtn")->isEnabled());
        QVERIFY(!child<QPushButton>(plan.get(), "fDelBtn")->isEnabled());
        kyDoubleClickRow(pt, kyRowOf(pt, 105));
        QCOMPARE(catcher.texts, QStringList{"Mic broadcast it is not editable!"});
        QCOMPARE(plan->editorRuns, 1);
        kyClickRow(pt, kyRowOf(pt, 5));
        QVERIFY(child<QPushButton>(plan.get(), "fEditBtn")->isEnabled());
        QVERIFY(child<QPushButton>(plan.get(), "fDelBtn")->isEnabled());

        // SDK rows: a double click runs nothing.
        catcher.clear();
        kyDoubleClickRow(sdk->table(), 0);
        QTest::qWait(100);
        QCOMPARE(sdk->editorRuns, 0);
        QCOMPARE(catcher.texts.size() + catcher.others, 0);
    }

    // A page of its own opens the real editor on a copy of the row's task;
    // cancelled, nothing is sent.
    void realEditorOnRow()
    {
        KySsTaskMgrForm page(2);
        page.show();
        QTableWidget* t = page.table();
        QString shownName;
        KyModalCatcher catcher([&shownName](QDialog* d) {
            QTimer::singleShot(0, d, [d, &shownName] {
                shownName = child<QLineEdit>(d, "fNameEdit")->text();
                QTest::mouseClick(child<QPushButton>(d, "fCancelBtn"), Qt::LeftButton);
            });
        });
        const size_t sent = kyBodiesSince(env, "SoundSource", 0).size();
        kyDoubleClickRow(t, kyRowOf(t, 6));
        QCOMPARE(catcher.others, 1);
        QCOMPARE(shownName, QStringLiteral("紧急疏散二"));
        QCOMPARE(kyBodiesSince(env, "SoundSource", sent).size(), size_t(0));
    }

    void schemeChoice()
    {
        KyModalCatcher catcher;
        QtSchemeInfo* pane = timer->schemePane();
        QTableWidget* st = pane->table();
        QTableWidget* tt = timer->table();
        // Scheme 2 (disabled in the fixture) lists its own tasks.
        kyClickRow(st, 1);
        QCOMPARE(timer->schemeId(), 2);
        QCOMPARE(kyRowIds(tt), QList<int>{3});
        QCOMPARE(child<QLabel>(timer.get(), "fSchemeNameText")->text(), QStringLiteral("考试周方案"));

        // Start under a disabled scheme: refused even without a selection.
        const size_t switches = kyBodiesSince(env, "SoundSourceSwitch", 0).size();
        tt->clearSelection();
        QTest::mouseClick(child<QPushButton>(timer.get(), "fStartTask"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{"方案已禁用!"});
        selectRows(tt, {3});
        QTest::mouseClick(child<QPushButton>(timer.get(), "fStartTask"), Qt::LeftButton);
        QCOMPARE(kyBodiesSince(env, "SoundSourceSwitch", switches).size(), size_t(0));

        // No scheme: the rows stay and the name label is empty.
        emit pane->showTaskInfo(-1);
        QCOMPARE(kyRowIds(tt), QList<int>{3});
        QCOMPARE(child<QLabel>(timer.get(), "fSchemeNameText")->text(), QString());
        kyClickRow(st, 0);
        QCOMPARE(timer->schemeId(), 1);
        QVERIFY(kyRowIds(tt).contains(8));
    }

    void cleanupTestCase()
    {
        timer.reset();
        sdk.reset();
        manual.reset();
        plan.reset();
    }
};

QTEST_MAIN(TestTaskPages)
#include "test_task_pages.moc"
