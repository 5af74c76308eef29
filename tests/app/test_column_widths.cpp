// Every list page and pick list, filled with long names on a wide table:
// each column that does not stretch is at least as wide as its widest text.
#include <QtTest>

#include <QHeaderView>
#include <QTableWidget>
#include <functional>
#include <memory>

#include "../tasks/KyTaskEditorTestSupport.h"
#include "KyCapInfoForm.h"
#include "KyColumnFit.h"
#include "KyFAlarmInfoForm.h"
#include "KyM02InfoForm.h"
#include "KyM04InfoForm.h"
#include "KyM11SettingDialog.h"
#include "KyM12InfoForm.h"
#include "KyM12ListMgr.h"
#include "KyM12SettingDialog.h"
#include "KyMicGroupEditDialog.h"
#include "KyMicGroup.h"
#include "KyMicInfoForm.h"
#include "KyMicListMgr.h"
#include "KyModalCatcher.h"
#include "KyPlayTermListMgr.h"
#include "KyPlayerInfoForm.h"
#include "KyRegion.h"
#include "KyRegionEditDialog.h"
#include "KySetTCPForm.h"
#include "KySsTask.h"
#include "KyTerDefaultSetCtr.h"
#include "KyTimerTaskEditDialog.h"
#include "KyTtsInfoForm.h"

namespace {

const char* const kNamedTables[] = {"mic02", "mic04", "ipamp", "mic11", "tts", "capm03", "falarm", "m12",
                                    "callservergroup", "region", "soundsource"};

// Each table's names made long, as a large site names its terminals.
void lengthenNames(KyTestServer& server)
{
    for (const char* table : kNamedTables) {
        std::vector<KyRow> rows = server.rows(table);
        for (KyRow& row : rows)
            for (auto& field : row.fields)
                if (field.first == "name")
                    field.second += "（东区）";
        server.setRows(table, rows);
    }
}

bool stretches(QHeaderView* header, int column)
{
    if (header->sectionResizeMode(column) != QHeaderView::Interactive)
        return true;
    for (int visual = header->count() - 1; visual >= 0; --visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            return header->stretchLastSection() && logical == column;
    }
    return false;
}

}  // namespace

class TestColumnWidths : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { env.stop(); }
    void namesWhole();

private:
    // Checks every table of the widget; counts the columns whose texts are wider than the default.
    void check(const char* what, QWidget* widget);

    KyTaskEditorEnv env;
    int m_wideColumns = 0;
};

void TestColumnWidths::initTestCase()
{
    QVERIFY(env.start());
    lengthenNames(env.server());
    KyFileTestRig::writeFile(env.files->srvDir() + QString::fromUtf8("/课间操音乐第三套全国中小学生广播体操.mp3"), "m");
    QCOMPARE(KyPlayTermListMgr::instance()->init(), 0);
    QCOMPARE(KyMicListMgr::instance()->init(), 0);
    QCOMPARE(KyM12ListMgr::instance()->init(), 0);
    QTest::qWait(100);
}

void TestColumnWidths::check(const char* what, QWidget* widget)
{
    widget->resize(1400, 700);
    widget->show();
    QTest::qWait(50);
    const auto tables = widget->findChildren<QTableWidget*>();
    QVERIFY2(!tables.isEmpty(), what);
    for (QTableWidget* table : tables) {
        QHeaderView* header = table->horizontalHeader();
        const QFontMetrics metrics(table->font());
        for (int column = 0; column < table->columnCount(); ++column) {
            if (header->isSectionHidden(column) || stretches(header, column))
                continue;
            int widest = 0;
            for (int row = 0; row < table->rowCount(); ++row)
                if (QTableWidgetItem* item = table->item(row, column))
                    widest = std::max(widest, metrics.horizontalAdvance(item->text()));
            if (widest > header->defaultSectionSize())
                ++m_wideColumns;
            QVERIFY2(header->sectionSize(column) >= std::min(widest, int(KyColumnFit::kMaxWidth)),
                     qPrintable(QStringLiteral("%1 %2 column %3: %4 px for a %5 px text")
                                    .arg(what, table->objectName())
                                    .arg(column)
                                    .arg(header->sectionSize(column))
                                    .arg(widest)));
        }
    }
}

void TestColumnWidths::namesWhole()
{
    KyModalCatcher catcher([](QDialog* d) { d->reject(); });
    const std::vector<std::pair<const char*, std::function<QWidget*()>>> pages = {
        {"mic11 page", [] { return new KyMicInfoForm; }},
        {"capture page", [] { return new KyCapInfoForm; }},
        {"TTS page", [] { return new KyTtsInfoForm; }},
        {"fire-alarm page", [] { return new KyFAlarmInfoForm; }},
        {"mic02 page", [] { return new KyM02InfoForm(nullptr); }},
        {"mic04 page", [] { return new KyM04InfoForm(nullptr); }},
        {"m12 page", [] { return new KyM12InfoForm; }},
        {"play page", [] { return new KyPlayerInfoForm; }},
    };
    for (const auto& page : pages) {
        std::unique_ptr<QWidget> widget(page.second());
        QTest::qWait(100);   // lists the page asked for
        check(page.first, widget.get());
    }

    KyRegion region;
    region.id = 0;
    KyRegionEditDialog regionEditor(&region);
    check("region editor", &regionEditor);
    KyMicGroup group;
    KyMicGroupEditDialog groupEditor(&group);
    check("mic-group editor", &groupEditor);
    KyMic mic;
    QVERIFY(KyMicListMgr::instance()->getMic(4001, mic));
    KyM11SettingDialog micDialog(&mic);
    check("mic11 dialog", &micDialog);
    KyM12 m12;
    QVERIFY(KyM12ListMgr::instance()->getM12(8001, m12));
    KyM12SettingDialog m12Dialog(&m12);
    check("m12 dialog", &m12Dialog);
    KySetTCPForm tcp(1);
    check("TCP-mode dialog", &tcp);
    KyTerDefaultSetCtr defaults;
    defaults.showTerminals();
    check("default-setting dialog", &defaults);
    KySsTask task;
    task.sourceCategory = 3;
    task.timerPlanId = 1;
    KyTimerTaskEditDialog taskEditor(&task);
    check("task editor", &taskEditor);

    QVERIFY2(m_wideColumns >= 15, qPrintable(QString::number(m_wideColumns)));
}

QTEST_MAIN(TestColumnWidths)
#include "test_column_widths.moc"
