// Mic-group page and editor against the stand-in server: rows, members,
// the bodies of adds, edits and deletes, refusals, pushes from another console.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "KyMicGroupEditDialog.h"
#include "KyMicGroupInfoForm.h"
#include "KyMicGroupListMgr.h"
#include "KyMicListMgr.h"
#include "KyModalCatcher.h"
#include "KyOrgPageTestSupport.h"
#include "KyTestRow.h"

namespace {

// The editor's widgets by their form names.
struct KyEditorForm {
    explicit KyEditorForm(QObject* d)
        : titleNameLabel(child<QLabel>(d, "titleNameLabel")), fNameEdit(child<QLineEdit>(d, "fNameEdit")),
          fRingTimeSpinBox(child<QSpinBox>(d, "fRingTimeSpinBox")), fRuleComboBox(child<QComboBox>(d, "fRuleComboBox")),
          fSelectAllCheckBox(child<QCheckBox>(d, "fSelectAllCheckBox")),
          fMemberTableWidget(child<QTableWidget>(d, "fMemberTableWidget")), fOkBtn(child<QPushButton>(d, "fOkBtn"))
    {
    }
    QLabel* titleNameLabel;
    QLineEdit* fNameEdit;
    QSpinBox* fRingTimeSpinBox;
    QComboBox* fRuleComboBox;
    QCheckBox* fSelectAllCheckBox;
    QTableWidget* fMemberTableWidget;
    QPushButton* fOkBtn;
};

}  // namespace

class TestMicGroupPage : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KyMicGroupInfoForm* page = nullptr;
    KyModalCatcher catcher;
    KyMicGroupListMgr* groups = nullptr;

    QTableWidget* groupTable() { return child<QTableWidget>(page, "fGroupTableWidget"); }
    QTableWidget* memberTable() { return child<QTableWidget>(page, "fMemberTableWidget"); }
    QString micName(int id)
    {
        KyMic mic;
        return KyMicListMgr::instance()->getMic(id, &mic) ? QString::fromStdString(mic.name) : QString();
    }
    // The editor the page opens: name, the checked mic11 ids, OK.
    void answerEditor(const QString& name, std::set<int> members, int ringTime = -1)
    {
        catcher.setHandler([=](QDialog* d) {
            KyEditorForm f(d);
            f.fNameEdit->setText(name);
            if (ringTime >= 0)
                f.fRingTimeSpinBox->setValue(ringTime);
            checkOnly(f.fMemberTableWidget, members);
            f.fOkBtn->click();
        });
    }
    void sendFromOther(const KyMicGroup& g, int op)
    {
        KyMicGroupManage other;
        QCOMPARE(env.sendFromOther(&other, KyMicGroupManage::RT_SAVE, KyMicGroupManage::saveRequest(g, op)), 0);
    }

private slots:
    void initTestCase()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QVERIFY(env.start());
        page = new KyMicGroupInfoForm(nullptr);
        page->resize(900, 600);
        page->show();
        groups = KyMicGroupListMgr::instance();
    }

    void cleanupTestCase() { delete page; }

    void init() { catcher.clear(); }

    // The mic11 list has not arrived: no row is offered and the members are
    // kept; a ring time above 99 and a rule outside 1..5 as the text says.
    void editorBeforeMic11List()
    {
        KyMicGroup g;
        QVERIFY(groups->getGroup(2, &g));
        g.ringTime = 120;
        g.callWaitRule = 7;
        KyMicGroupEditDialog d(&g);
        KyEditorForm f(&d);
        QCOMPARE(f.titleNameLabel->text(), QStringLiteral("Mic Group Edit"));
        QCOMPARE(f.fNameEdit->text(), QStringLiteral("教学楼值班组"));
        QCOMPARE(f.fMemberTableWidget->rowCount(), 0);
        QCOMPARE(f.fRingTimeSpinBox->value(), 99);
        QCOMPARE(f.fRuleComboBox->currentIndex(), -1);
        QCOMPARE(f.fRuleComboBox->count(), 5);

        f.fNameEdit->clear();
        f.fOkBtn->click();
        QCOMPARE(catcher.texts, QStringList{"The name cannot be empty!"});
        QCOMPARE(catcher.titles, QStringList{"Tips"});
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(g.name, std::string("教学楼值班组"));

        f.fNameEdit->setText("  ");
        f.fOkBtn->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(g.name, std::string("  "));
        QCOMPARE(g.ringTime, 120);   // left as shown: the stored value
        QCOMPARE(g.callWaitRule, 7);
        QCOMPARE(g.members, (std::vector<int>{4004, 4005}));
    }

    // With the list: check states from the record, select-all, members in
    // table order, ids the list does not hold dropped; a new group's defaults.
    void editorWithMic11List()
    {
        QCOMPARE(KyMicListMgr::instance()->init(), 0);
        QTRY_VERIFY(KyMicListMgr::instance()->loaded());
        KyMicGroup g;
        g.id = 2;
        g.name = "组";
        g.callWaitRule = 4;
        g.members = {4005, 9999, 4004};
        KyMicGroupEditDialog d(&g);
        KyEditorForm f(&d);
        QTableWidget* t = f.fMemberTableWidget;
        QCOMPARE(t->rowCount(), 12);
        QCOMPARE(t->item(0, 0)->flags(), Qt::ItemFlags(49));
        QCOMPARE(t->item(3, 1)->text(), QStringLiteral("4004"));
        QCOMPARE(t->item(3, 2)->text(), QStringLiteral("192.168.40.14"));
        QCOMPARE(checkedIds(t), (std::vector<int>{4004, 4005}));
        QCOMPARE(f.fRuleComboBox->currentText(), QStringLiteral("Talk Least First"));

        f.fSelectAllCheckBox->setChecked(true);
        QCOMPARE(checkedIds(t).size(), size_t(12));
        t->item(0, 0)->setCheckState(Qt::Unchecked);
        QVERIFY(f.fSelectAllCheckBox->isChecked());
        f.fSelectAllCheckBox->setChecked(false);
        QVERIFY(checkedIds(t).empty());

        checkOnly(t, {4005, 4001});
        f.fRuleComboBox->setCurrentIndex(4);
        f.fOkBtn->click();
        QCOMPARE(g.members, (std::vector<int>{4001, 4005}));
        QCOMPARE(g.callWaitRule, 5);

        KyMicGroup fresh;
        fresh.id = 0;
        fresh.ringTime = 10;
        KyMicGroupEditDialog n(&fresh);
        QCOMPARE(KyEditorForm(&n).titleNameLabel->text(), QStringLiteral("Mic Group New"));
        QCOMPARE(KyEditorForm(&n).fRingTimeSpinBox->value(), 60);
        QCOMPARE(KyEditorForm(&n).fRuleComboBox->currentIndex(), 0);
        QVERIFY(checkedIds(KyEditorForm(&n).fMemberTableWidget).empty());
    }

    // Rows last-first with their cells; members last-first; an update of the
    // current row rewrites it and its members; unknown members hidden.
    void rowsAndMembers()
    {
        QVERIFY(child<QPushButton>(page, "fConfigBtn")->isHidden());
        QCOMPARE(columnIds(groupTable()), (std::vector<int>{4, 3, 2, 1}));
        const int row = rowOfId(groupTable(), 3);
        QCOMPARE(groupTable()->item(row, 0)->text(), QStringLiteral("安保组"));
        QCOMPARE(groupTable()->item(row, 1)->text(), QStringLiteral("3"));
        QCOMPARE(groupTable()->item(row, 2)->text(), QStringLiteral("Fixed Order"));
        QCOMPARE(groupTable()->item(row, 3)->text(), QStringLiteral("30 s"));

        clickRow(groupTable(), 1);
        QCOMPARE(columnIds(memberTable()), (std::vector<int>{4003, 4002, 4001}));
        QCOMPARE(columnTexts(memberTable()), (QStringList{micName(4003), micName(4002), micName(4001)}));

        KyMicGroup g;
        QVERIFY(groups->getGroup(1, &g));
        g.name = "改名组";
        g.callWaitRule = 7;
        g.members = {4002, 9999, 4006};
        groups->applyGroup(&g, 5);
        const int now = rowOfId(groupTable(), 1);
        QCOMPARE(groupTable()->item(now, 0)->text(), QStringLiteral("改名组"));
        QCOMPARE(groupTable()->item(now, 2)->text(), QStringLiteral("7"));
        QCOMPARE(columnIds(memberTable()), (std::vector<int>{4006, 4002}));
    }

    // Adds: the body, the id above the largest cached one, refusal, busy.
    void addGroups()
    {
        answerEditor("新组", {4006, 4001});
        page->slot_add_clicked();
        Json::Value body = env.lastBody("CallService");
        const int id = std::stoi(body["Id"].asString());
        QVERIFY2(id > 4 && id <= 14, body["Id"].asCString());
        KY_COMPARE_JSON(body, kyJsonOf({{"Action", "Add"}, {"Id", std::to_string(id)}, {"Name", "新组"},
                                        {"Mic11Id", "4001 4006"}, {"CallWaitRule", "1"}, {"RingTime", "60"}}));
        QCOMPARE(columnIds(groupTable()).front(), id);
        QVERIFY(catcher.texts.isEmpty());

        env.server().setStatus("CallService", 403);
        answerEditor("拒绝", {});
        page->slot_add_clicked();
        QCOMPARE(catcher.texts, (QStringList{"Setting Error!", "Add Error!"}));
        QCOMPARE(groupTable()->rowCount(), 5);
        QCOMPARE(groups->groupList().size(), size_t(5));

        const int before = env.sent("CallService");
        env.server().setBusy("CallService", 3);
        answerEditor("忙后成功", {});
        page->slot_add_clicked();
        QCOMPARE(env.sent("CallService"), before + 4);
        QCOMPARE(groupTable()->rowCount(), 6);
        const int busyId = columnIds(groupTable()).front();
        QVERIFY(busyId > id);
        QCOMPARE(groupTable()->item(0, 0)->text(), QStringLiteral("忙后成功"));
        QCOMPARE(env.lastBody("CallService")["Mic11Id"].asString(), std::string());
    }

    // Edit by double-click with the members in table order; a refused edit;
    // Edit without a current row does nothing.
    void editGroups()
    {
        // Stored values the editor shows cut (a 40-character name, ring time 150)
        // or not at all (rule 7): OK unchanged leaves the stored group as it was.
        KyMicGroup odd;
        QVERIFY(groups->getGroup(1, &odd));
        odd.name = std::string(40, 'n');
        odd.ringTime = 150;
        odd.callWaitRule = 7;
        odd.members = {4002, 4006};   // members the list holds (unknown ones are dropped)
        sendFromOther(odd, 5);
        QCOMPARE(groups->requestList(), 0);
        QTRY_COMPARE(groupTable()->item(rowOfId(groupTable(), 1), 3)->text(), QStringLiteral("150 s"));
        const std::vector<KyRow> before = env.server().rows("callservergroup");
        catcher.setHandler([](QDialog* d) { KyEditorForm(d).fOkBtn->click(); });
        doubleClickRow(groupTable(), 1);
        QCOMPARE(env.lastBody("CallService")["RingTime"].asString(), std::string("150"));
        QVERIFY(kySameRows(env.server().rows("callservergroup"), before));

        answerEditor("教学楼新组", {4005, 4001}, 20);
        doubleClickRow(groupTable(), 2);
        KY_COMPARE_JSON(env.lastBody("CallService"),
                        kyJsonOf({{"Action", "Mod"}, {"Id", "2"}, {"Name", "教学楼新组"}, {"Mic11Id", "4001 4005"},
                                  {"CallWaitRule", "2"}, {"RingTime", "20"}}));
        const int row = rowOfId(groupTable(), 2);
        QCOMPARE(groupTable()->item(row, 0)->text(), QStringLiteral("教学楼新组"));
        QCOMPARE(groupTable()->item(row, 3)->text(), QStringLiteral("20 s"));
        QCOMPARE(columnIds(memberTable()), (std::vector<int>{4005, 4001}));

        env.server().setStatus("CallService", 403);
        answerEditor("不会保存", {});
        doubleClickRow(groupTable(), 3);
        QCOMPARE(catcher.texts, (QStringList{"Setting Error!", "Edit Error!"}));
        QCOMPARE(groupTable()->item(rowOfId(groupTable(), 3), 0)->text(), QStringLiteral("安保组"));

        const int sent = env.sent("CallService");
        catcher.clear();
        groupTable()->setCurrentCell(-1, -1);
        child<QPushButton>(page, "fEditBtn")->click();
        QTest::qWait(100);
        QCOMPARE(catcher.others, 0);
        QCOMPARE(env.sent("CallService"), sent);
    }

    // Three rows: asked once, three requests from the last selected, the
    // refused one stays, the member table is emptied.
    void deleteThree()
    {
        clickRow(groupTable(), 4);
        QVERIFY(memberTable()->rowCount() > 0);
        env.server().clearReceived();
        env.server().setStatus("CallService", 403, 1);
        selectRows(groupTable(), {1, 4, 3});
        child<QPushButton>(page, "fDelBtn")->click();
        QCOMPARE(catcher.texts, (QStringList{"Delete current record?", "Delete Error!"}));
        QCOMPARE(sentDeleteIds(env, "CallService"), (std::vector<int>{3, 4, 1}));
        QVERIFY(rowOfId(groupTable(), 3) >= 0);
        QCOMPARE(rowOfId(groupTable(), 4), -1);
        QCOMPARE(rowOfId(groupTable(), 1), -1);
        QCOMPARE(memberTable()->rowCount(), 0);
    }

    // A deletion by another console removes the row and empties the member
    // table; a list that arrives later refills the page.
    void pushesFromOtherConsole()
    {
        clickRow(groupTable(), 2);
        QVERIFY(memberTable()->rowCount() > 0);
        KyMicGroup g;
        QVERIFY(groups->getGroup(2, &g));
        sendFromOther(g, 6);
        QTRY_COMPARE(rowOfId(groupTable(), 2), -1);
        QCOMPARE(memberTable()->rowCount(), 0);

        KyMicGroup added;
        added.id = 77;
        added.name = "别处新建";
        added.members = {4010};
        sendFromOther(added, 4);
        QTest::qWait(200);
        QCOMPARE(rowOfId(groupTable(), 77), -1);
        QCOMPARE(groups->requestList(), 0);
        QTRY_VERIFY(rowOfId(groupTable(), 77) >= 0);
        QCOMPARE(groupTable()->rowCount(), int(env.server().rows("callservergroup").size()));
    }

    // An empty list numbers the next group 1 to 10.
    void numberingFromEmptyList()
    {
        for (const KyMicGroup& g : groups->groupList())
            groups->applyGroup(&g, 6);
        env.server().setRows("callservergroup", {});
        QCOMPARE(groupTable()->rowCount(), 0);
        answerEditor("第一个", {});
        page->slot_add_clicked();
        const int id = std::stoi(env.lastBody("CallService")["Id"].asString());
        QVERIFY(id >= 1 && id <= 10);
        QCOMPARE(columnIds(groupTable()), std::vector<int>{id});
    }
};

QTEST_MAIN(TestMicGroupPage)
#include "test_micgroup_page.moc"
