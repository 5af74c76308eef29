// Scheme pane and property dialog on the timer page: the full list after an
// early push, the default scheme, enable, add/edit through the dialog,
// delete results.

#include <memory>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "KyModalCatcher.h"
#include "KyQtViewCtrl.h"
#include "KySchemeDataMgr.h"
#include "KySsTaskDataMgr.h"
#include "KyTaskPageTestSupport.h"
#include "KyTimerTaskMgrForm.h"
#include "QtSchemeInfo.h"
#include "QtSchemePropertyDialog.h"

namespace {
void click(QObject* parent, const char* button)
{
    QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
}
}

class TestSchemePages : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KySchemeDataMgr* store = nullptr;
    std::unique_ptr<KyTimerTaskMgrForm> page;
    QtSchemeInfo* pane = nullptr;
    QTableWidget* table = nullptr;
    KySchemeManage otherSchemes;

    // Runs on the next property dialog, from its own event loop.
    std::function<void(QtSchemePropertyDialog*)> script;
    KyModalCatcher catcher{[this](QDialog* d) {
        auto* dlg = qobject_cast<QtSchemePropertyDialog*>(d);
        QTimer::singleShot(0, d, [this, dlg, d] {
            if (dlg && script)
                script(dlg);
            else
                d->reject();
        });
    }};

    int planRequests() const { return int(kyBodiesSince(env, "TimerPlan", 0).size()); }
    void selectScheme(int id) { kyClickRow(table, kyRowOf(table, id)); }

private slots:
    void initTestCase()
    {
        QVERIFY(env.start());
        store = KySchemeDataMgr::instance();
        KySsTaskDataMgr::instance();
    }

    void init()
    {
        env.server().setPushTarget(KyTestServer::PushOthers);
        catcher.clear();
        script = nullptr;
    }

    // A push made the kind's list before any pane existed: the pane still
    // lists the server's schemes in full, and a later pane shows them at once.
    void paneAfterEarlyPush()
    {
        KyScheme early;
        early.name = "早到方案";
        early.comment = "推送";
        QCOMPARE(env.sendFromOther(&otherSchemes, KySchemeManage::RT_ADD, KySchemeManage::addRequest(early, 0)), 0);
        QTRY_VERIFY(store->findScheme(3, 0, nullptr));

        page.reset(new KyTimerTaskMgrForm(3));
        page->resize(1000, 700);
        page->show();
        pane = page->schemePane();
        table = pane->table();
        QTRY_COMPARE(kyColumnTexts(table, 0), (QStringList{"默认方案", "考试周方案", "早到方案"}));
        QCOMPARE(kyColumnTexts(table, 1), (QStringList{"启用", "禁用", "启用"}));
        QCOMPARE(kyColumnTexts(table, 2), (QStringList{"日常作息", "考试期间使用", "推送"}));
        QCOMPARE(kyRowIds(table), (QList<int>{1, 2, 3}));
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(page->schemeId(), 1);
        QVERIFY(child<QLabel>(pane, "fCaptionLabel")->isHidden());
        QCOMPARE(child<QLabel>(pane, "fCaptionLabel")->text(), QStringLiteral("Play Task"));

        // An add reported for a scheme a rebuild already shows refills its row.
        store->viewCtrl(0)->addTerminal(3);
        QCOMPARE(kyRowIds(table), (QList<int>{1, 2, 3}));

        QtSchemeInfo second(nullptr, 0);
        QSignalSpy reported(&second, &QtSchemeInfo::showTaskInfo);
        QTRY_COMPARE(reported.count(), 1);
        QCOMPARE(reported[0][0].toInt(), 1);
        QCOMPARE(second.table()->rowCount(), 3);
        int lists = 0;
        for (const auto& r : env.server().received("SqlConfig"))
            lists += r.connection == KyOrgEnv::consoleConnection() && r.packetSubtype == "TimerPlanList";
        QCOMPARE(lists, 1);
    }

    void defaultSchemeAndEnable()
    {
        const int sent = planRequests();
        selectScheme(1);
        click(pane, "fDelSchemeBtn");
        QCOMPARE(catcher.texts, QStringList{"默认方案不可以删除！"});
        QCOMPARE(planRequests(), sent);

        // Disabling is allowed; the cell follows the server's report.
        click(pane, "fEnableSchemeBtn");
        auto bodies = kyBodiesSince(env, "TimerPlan", sent);
        QCOMPARE(int(bodies.size()), 1);
        QCOMPARE(bodies[0]["Action"].asString(), std::string("Mod"));
        QCOMPARE(bodies[0]["Id"].asString(), std::string("1"));
        QCOMPARE(bodies[0]["Enable"].asString(), std::string("0"));
        QTRY_COMPARE(table->item(0, 1)->text(), QStringLiteral("禁用"));

        // Refused: cell and cache unchanged, nothing shown.
        catcher.clear();
        env.server().setStatus("TimerPlan", 403);
        click(pane, "fEnableSchemeBtn");
        KyOrgSignalLog::settle();
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("禁用"));
        KyScheme cached;
        QVERIFY(store->findScheme(1, 0, &cached));
        QCOMPARE(cached.enable, 0);
        QVERIFY(catcher.texts.isEmpty());
        click(pane, "fEnableSchemeBtn");
        QTRY_COMPARE(table->item(0, 1)->text(), QStringLiteral("启用"));
    }

    void addAndEditThroughDialog()
    {
        // Empty name: told so, the dialog stays open; then named and confirmed.
        bool stayedOpen = false;
        script = [&stayedOpen](QtSchemePropertyDialog* d) {
            QTest::mouseClick(child<QPushButton>(d, "fOkBtn"), Qt::LeftButton);
            stayedOpen = d->isVisible();
            QCOMPARE(child<QLineEdit>(d, "fNameEdit")->maxLength(), 32);
            QCOMPARE(child<QLineEdit>(d, "fCommentEdit")->maxLength(), 64);
            child<QLineEdit>(d, "fNameEdit")->setText(QStringLiteral("新方案"));
            child<QLineEdit>(d, "fCommentEdit")->setText(QStringLiteral("说明"));
            QTest::mouseClick(child<QPushButton>(d, "fOkBtn"), Qt::LeftButton);
        };
        env.server().setPushTarget(KyTestServer::PushAll);   // answered and pushed
        const int sent = planRequests();
        click(pane, "fAddSchemeBtn");
        QVERIFY(stayedOpen);
        QCOMPARE(catcher.texts, QStringList{"方案名称不可以空!"});
        auto bodies = kyBodiesSince(env, "TimerPlan", sent);
        QCOMPARE(int(bodies.size()), 1);
        KY_COMPARE_JSON(bodies[0], kyJsonOf({{"Action", "Add"}, {"Id", "-1"}, {"Name", "新方案"}, {"Comment", "说明"},
                                             {"Enable", "1"}, {"Kind", "0"}}));
        QTRY_COMPARE(table->rowCount(), 4);
        KyOrgSignalLog::settle();
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(kyRowIds(table).last(), 4);

        // Refused add.
        catcher.clear();
        env.server().setStatus("TimerPlan", 403);
        script = [](QtSchemePropertyDialog* d) {
            child<QLineEdit>(d, "fNameEdit")->setText(QStringLiteral("被拒方案"));
            QTest::mouseClick(child<QPushButton>(d, "fOkBtn"), Qt::LeftButton);
        };
        click(pane, "fAddSchemeBtn");
        QCOMPARE(catcher.texts, QStringList{"方案添加失败!"});
        KyOrgSignalLog::settle();
        QCOMPARE(table->rowCount(), 4);

        // Unchanged edit sends nothing; the close button cancels.
        QString shownName;
        script = [&shownName](QtSchemePropertyDialog* d) {
            shownName = child<QLineEdit>(d, "fNameEdit")->text();
            QTest::mouseClick(child<QPushButton>(d, "fOkBtn"), Qt::LeftButton);
        };
        selectScheme(4);
        const int before = planRequests();
        click(pane, "fEditSchemeBtn");
        QCOMPARE(shownName, QStringLiteral("新方案"));
        script = [](QtSchemePropertyDialog* d) {
            child<QLineEdit>(d, "fCommentEdit")->setText(QStringLiteral("不会发送"));
            QTest::mouseClick(child<QPushButton>(d, "fCloseBtn"), Qt::LeftButton);
        };
        click(pane, "fEditSchemeBtn");
        QCOMPARE(planRequests(), before);

        // A double click on any cell edits that row's scheme.
        script = [](QtSchemePropertyDialog* d) {
            child<QLineEdit>(d, "fCommentEdit")->setText(QStringLiteral("改过"));
            QTest::mouseClick(child<QPushButton>(d, "fOkBtn"), Qt::LeftButton);
        };
        kyDoubleClickRow(table, kyRowOf(table, 4), 2);
        bodies = kyBodiesSince(env, "TimerPlan", before);
        QCOMPARE(int(bodies.size()), 1);
        KY_COMPARE_JSON(bodies[0], kyJsonOf({{"Action", "Mod"}, {"Id", "4"}, {"Name", "新方案"}, {"Comment", "改过"},
                                             {"Enable", "1"}, {"Kind", "0"}}));
        QTRY_COMPARE(table->item(kyRowOf(table, 4), 2)->text(), QStringLiteral("改过"));

        // A stored name and comment longer than the edits hold go back unchanged unless edited.
        const std::string longName(40, 'n'), longComment(70, 'c');
        QtSchemePropertyDialog dlg;
        dlg.setValues(QString::fromStdString(longName), QString::fromStdString(longComment));
        QCOMPARE(dlg.keptName(longName), longName);
        QCOMPARE(dlg.keptComment(longComment), longComment);
        child<QLineEdit>(&dlg, "fNameEdit")->setText(QStringLiteral("x"));
        QCOMPARE(dlg.keptName(longName), std::string("x"));
    }

    void deleteResults()
    {
        // Scheme 2 still has a task: refused, the row stays.
        selectScheme(2);
        click(pane, "fDelSchemeBtn");
        QCOMPARE(catcher.texts, (QStringList{"确认删除方案？", "删除方案失败，如有任务请先删除!"}));
        QVERIFY(kyRowIds(table).contains(2));

        // Done: the row goes once, though the store and the page both remove it.
        catcher.clear();
        env.server().setPushTarget(KyTestServer::PushAll);
        selectScheme(4);
        click(pane, "fDelSchemeBtn");
        QCOMPARE(catcher.texts, QStringList{"确认删除方案？"});
        QCOMPARE(kyRowIds(table), (QList<int>{1, 2, 3}));
        KyOrgSignalLog::settle();
        QCOMPARE(kyRowIds(table), (QList<int>{1, 2, 3}));
        QVERIFY(!store->findScheme(4, 0, nullptr));

        // No answer in time.
        catcher.clear();
        env.server().setDelay("TimerPlan", 4000);
        selectScheme(3);
        click(pane, "fDelSchemeBtn");
        env.server().setDelay("TimerPlan", 0);
        QCOMPARE(catcher.texts, (QStringList{"确认删除方案？", "等待超时!"}));
        QVERIFY(kyRowIds(table).contains(3));
    }

    void cleanupTestCase() { page.reset(); }
};

QTEST_MAIN(TestSchemePages)
#include "test_scheme_pages.moc"
