// Broadcast-region page and editor against the stand-in server: the editor's
// three terminal lists, member views, saves as the server receives them,
// refusals and pushes from another console.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyModalCatcher.h"
#include "KyOrgPageTestSupport.h"
#include "KyPlayTermListMgr.h"
#include "KyRegionEditDialog.h"
#include "KyRegionListMgr.h"
#include "KyRegionMgrForm.h"

namespace {

KyRegion regionOf(int id, std::vector<int> ids)
{
    KyRegion r;
    r.id = id;
    r.name = "区";
    for (int m : ids) {
        KyBaseTerminal t;
        t.id = m;
        r.members.push_back(t);
    }
    return r;
}

std::vector<int> memberIds(const KyRegion& r)
{
    std::vector<int> ids;
    for (const KyBaseTerminal& t : r.members)
        ids.push_back(t.id);
    return ids;
}

// The editor's widgets by their form names.
struct KyEditorForm {
    explicit KyEditorForm(QObject* d)
        : titleNameLabel(child<QLabel>(d, "titleNameLabel")), fNameEdit(child<QLineEdit>(d, "fNameEdit")),
          fSelectAllCheckBox(child<QCheckBox>(d, "fSelectAllCheckBox")),
          fTerminalTableWidget(child<QTableWidget>(d, "fTerminalTableWidget")), fOkBtn(child<QPushButton>(d, "fOkBtn"))
    {
    }
    QLabel* titleNameLabel;
    QLineEdit* fNameEdit;
    QCheckBox* fSelectAllCheckBox;
    QTableWidget* fTerminalTableWidget;
    QPushButton* fOkBtn;
};

}  // namespace

class TestRegionPage : public QObject {
    Q_OBJECT

private:
    KyOrgEnv env;
    KyRegionMgrForm* page = nullptr;
    KyModalCatcher catcher;
    KyRegionListMgr* regions = nullptr;

    QTableWidget* regionTable() { return child<QTableWidget>(page, "fRegionTableWidget"); }
    QTableWidget* memberTable() { return child<QTableWidget>(page, "fMemberTableWidget"); }
    void answerEditor(const QString& name, std::set<int> members)
    {
        catcher.setHandler([=](QDialog* d) {
            KyEditorForm f(d);
            f.fNameEdit->setText(name);
            checkOnly(f.fTerminalTableWidget, members);
            f.fOkBtn->click();
        });
    }

private slots:
    void initTestCase()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QVERIFY(env.start());
        page = new KyRegionMgrForm(nullptr);
        page->resize(900, 600);
        page->show();
        regions = KyRegionListMgr::instance();
    }

    void cleanupTestCase() { delete page; }

    void init() { catcher.clear(); }

    // No play-terminal list and a refused mic02 list: only mic04 rows; the
    // members no row can show are kept after the checked ones.
    void editorBeforeListsArrived()
    {
        env.server().setStatus("SqlConfig", 403, 1);   // the mic02 list the editor asks for first
        KyRegion r = regionOf(2, {3002, 1007, 2003, 2002});
        r.name = std::string(40, 'n');   // the edit holds 32: left as shown, kept
        KyRegionEditDialog d(&r);
        QVERIFY(!KyM02ListMgr::instance()->loaded());
        QTableWidget* t = KyEditorForm(&d).fTerminalTableWidget;
        QCOMPARE(t->rowCount(), 12);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("2001"));
        QCOMPARE(checkedIds(t), (std::vector<int>{2002, 2003}));
        KyEditorForm(&d).fOkBtn->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(memberIds(r), (std::vector<int>{2002, 2003, 3002, 1007}));
        QCOMPARE(r.members.front().name, std::string("一号教学楼大厅求助终端"));
        QCOMPARE(r.name, std::string(40, 'n'));
    }

    // All three lists: play terminals, mic02, mic04 in that order; members
    // in table order with the shown names; unknown ids dropped.
    void editorWithAllLists()
    {
        QCOMPARE(KyM02ListMgr::instance()->init(), 0);
        QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
        QTRY_VERIFY(KyM02ListMgr::instance()->loaded() && KyPlayTermListMgr::instance()->loaded());
        KyRegion r = regionOf(3, {3007, 3012, 9999, 1012, 1007});
        KyRegionEditDialog d(&r);
        KyEditorForm f(&d);
        QTableWidget* t = f.fTerminalTableWidget;
        QCOMPARE(f.titleNameLabel->text(), QStringLiteral("Region Edit"));
        QCOMPARE(t->rowCount(), 36);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("3001"));
        QCOMPARE(t->item(0, 2)->text(), QStringLiteral("PR"));
        QCOMPARE(t->item(0, 3)->text(), QStringLiteral("192.168.30.11"));
        QCOMPARE(t->item(12, 1)->text(), QStringLiteral("1001"));
        QCOMPARE(t->item(24, 1)->text(), QStringLiteral("2001"));
        QCOMPARE(checkedIds(t), (std::vector<int>{3007, 3012, 1007, 1012}));
        f.fSelectAllCheckBox->setChecked(true);
        QCOMPARE(checkedIds(t).size(), size_t(36));

        checkOnly(t, {2005, 1007, 3007});
        f.fOkBtn->click();
        QCOMPARE(memberIds(r), (std::vector<int>{3007, 1007, 2005}));
        QCOMPARE(r.members[1].name, std::string("学生食堂对讲终端"));

        KyRegion fresh;
        KyRegionEditDialog n(&fresh);
        QCOMPARE(KyEditorForm(&n).titleNameLabel->text(), QStringLiteral("Region New"));
        KyEditorForm(&n).fOkBtn->click();
        QCOMPARE(catcher.texts, QStringList{"The name cannot be empty!"});
        QVERIFY(n.result() != QDialog::Accepted);
    }

    // Rows last-first; members in blocks mic04, mic02, play terminals, each
    // in member order; unknown ids hidden; a renamed terminal's current name.
    void rowsAndMembers()
    {
        QVERIFY(child<QPushButton>(page, "fConfigBtn")->isHidden());
        QCOMPARE(columnIds(regionTable()), (std::vector<int>{6, 5, 4, 3, 2, 1}));
        QCOMPARE(regionTable()->item(rowOfId(regionTable(), 4), 1)->text(), QStringLiteral("4"));

        KyRegion r = regionOf(2, {3003, 9999, 2003, 1002, 3002, 2002});
        r.name = "教学区";
        regions->applyRegion(&r, 5);
        KyMic mic;
        QVERIFY(KyM02ListMgr::instance()->getM02(1002, &mic));
        mic.name = "大厅新名";
        QCOMPARE(KyM02ListMgr::instance()->saveM02(mic), 0);
        clickRow(regionTable(), 2);
        QCOMPARE(columnIds(memberTable()), (std::vector<int>{2003, 2002, 1002, 3003, 3002}));
        QCOMPARE(memberTable()->item(2, 0)->text(), QStringLiteral("大厅新名"));

        // An update of the current row rewrites it and its members.
        r.name = "教学区二";
        r.members.resize(1);
        regions->applyRegion(&r, 5);
        QCOMPARE(regionTable()->item(rowOfId(regionTable(), 2), 0)->text(), QStringLiteral("教学区二"));
        QCOMPARE(columnIds(memberTable()), std::vector<int>{3003});
    }

    // Add and edit as the server receives them; a refused edit changes nothing.
    void addAndEdit()
    {
        answerEditor("新区", {1003, 3002});
        child<QPushButton>(page, "fNewBtn")->click();
        Json::Value body = env.lastBody("BroadRegion");
        const int id = std::stoi(body["Id"].asString());
        QVERIFY(id > 6 && id <= 16);
        KY_COMPARE_JSON(body, kyJsonOf({{"Action", "Add"}, {"Id", std::to_string(id)}, {"Name", "新区"},
                                        {"TerminalId", "3002 1003"}}));
        QCOMPARE(columnIds(regionTable()).front(), id);

        answerEditor("运动区", {});
        doubleClickRow(regionTable(), 4);
        KY_COMPARE_JSON(env.lastBody("BroadRegion"),
                        kyJsonOf({{"Action", "Mod"}, {"Id", "4"}, {"Name", "运动区"}, {"TerminalId", ""}}));

        env.server().setStatus("BroadRegion", 403);
        answerEditor("不会保存", {3001});
        doubleClickRow(regionTable(), 5);
        QCOMPARE(catcher.texts, (QStringList{"Setting Error!", "Edit Error!"}));
        KyRegion cached;
        QVERIFY(regions->getRegion(5, &cached));
        QCOMPARE(cached.name, std::string("办公区"));
    }

    // Deleting two rows asks once and sends both; another console's deletion
    // removes its row; both empty the member table.
    void deletions()
    {
        env.server().clearReceived();
        clickRow(regionTable(), 1);
        QVERIFY(memberTable()->rowCount() > 0);
        selectRows(regionTable(), {1, 3});
        child<QPushButton>(page, "fDelBtn")->click();
        QCOMPARE(catcher.texts, QStringList{"Delete current record?"});
        QCOMPARE(sentDeleteIds(env, "BroadRegion"), (std::vector<int>{3, 1}));
        QCOMPARE(rowOfId(regionTable(), 1), -1);
        QCOMPARE(rowOfId(regionTable(), 3), -1);
        QCOMPARE(memberTable()->rowCount(), 0);

        clickRow(regionTable(), 6);
        QVERIFY(memberTable()->rowCount() > 0);
        KyRegionManage other;
        QCOMPARE(env.sendFromOther(&other, KyRegionManage::RT_SAVE, KyRegionManage::saveRequest(regionOf(6, {}), 6)), 0);
        QTRY_COMPARE(rowOfId(regionTable(), 6), -1);
        QCOMPARE(memberTable()->rowCount(), 0);
    }
};

QTEST_MAIN(TestRegionPage)
#include "test_region_page.moc"
