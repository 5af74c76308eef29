// Lists of the dialogs and media views that can hold thousands of rows: for
// each at 1,000, 10,000 and 100,000 rows, its fill through its own code plus
// the first paint, against a bare QTableWidget fill and paint of the same
// texts, taken in turns (goals: <= 2 at 1,000 and 100,000 rows, <= 1.5 at
// 10,000). A dialog that fills its list as it opens is timed opening, less
// its opening with empty lists. List names as arguments time only those.
#include <QApplication>
#include <QTableWidget>
#include <QTextCodec>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KyBenchRows.h"
#include "KyBenchTable.h"
#include "KyBenchTiming.h"
#include "KyIpAmpManage.h"
#include "KyM02ListMgr.h"
#include "KyM02Manage.h"
#include "KyM04ListMgr.h"
#include "KyM04Manage.h"
#include "KyM11Manage.h"
#include "KyMediaViewCtrl.h"
#include "KyMicGroup.h"
#include "KyMicGroupEditDialog.h"
#include "KyMicListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyRegion.h"
#include "KyRegionEditDialog.h"
#include "KySetTCPForm.h"
#include "KyTaskMediaListViewCtrl.h"
#include "KyTerDefaultSetCtr.h"
#include "KyTestServer.h"

namespace {

struct ListCase {
    const char* name;
    std::function<void(int)> load;                    // the stores hold that many entries
    std::function<QWidget*()> open;                   // the dialog or view as it opens
    std::function<QTableWidget*(QWidget*)> tableOf;
    std::function<void(QWidget*)> fill;               // the fill again; none: the fill is the opening
};

std::function<QTableWidget*(QWidget*)> tableNamed(const char* name)
{
    return [name](QWidget* w) { return w->findChild<QTableWidget*>(QString::fromLatin1(name)); };
}

// A media listing of `count` files.
QList<KyMediaFile_t> mediaFiles(int count)
{
    QList<KyMediaFile_t> files;
    files.reserve(count);
    for (int i = 0; i < count; ++i) {
        KyMediaFile_t f;
        f.fileName = QString::fromUtf8("上课铃声%1.mp3").arg(i);
        f.fullName = f.fileName;
        f.fileSize = QString::number(1000000 + i * 37);
        f.createDate = QStringLiteral("2026-03-01 08:00:%1").arg(i % 60, 2, 10, QChar('0'));
        files.push_back(f);
    }
    return files;
}

// A media table of the given columns shown by a view controller of type View.
template <class View>
ListCase mediaCase(const char* name, int columns, QList<KyMediaFile_t>& files)
{
    return {name, [&files](int rows) { files = mediaFiles(rows); },
            [columns] {
                auto* table = new QTableWidget;
                table->setColumnCount(columns);
                (new View(table))->setParent(table);
                return table;
            },
            [](QWidget* w) { return static_cast<QTableWidget*>(w); },
            [&files](QWidget* w) { w->findChild<View*>()->showMediaTable(&files); }};
}

std::vector<ListCase> listCases(const KyTestServer& fixture, QList<KyMediaFile_t>& files)
{
    KyPlayTermListMgr::instance();   // the list managers hook their protocol managers
    KyMicListMgr::instance();
    KyM02ListMgr::instance();
    KyM04ListMgr::instance();
    const KyRow play = fixture.rows("ipamp").front();
    const KyRow mic = fixture.rows("mic11").front();
    const KyRow m02 = fixture.rows("mic02").front();
    const KyRow m04 = fixture.rows("mic04").front();
    auto loadPlay = [play](int rows) { kyLoadList(KyIpAmpManage::instance(), KyIpAmpManage::instance()->listType(), play, 100000, rows); };
    static KyRegion region;
    region.id = 1;
    region.name = "教学楼";
    static KyMicGroup group;
    group.id = 1;
    group.name = "一号楼";
    for (int i = 0; i < 10; ++i) {   // a few members among the rows
        KyBaseTerminal member;
        member.id = 100000 + i * 97;
        region.members.push_back(member);
        group.members.push_back(200000 + i * 97);
    }
    // Primary ids only (the others are not listed), every tenth terminal subordinate to the one before.
    auto loadPrimary = [play](int rows) {
        std::vector<KyRow> terms = kyRowsLike(play, 0, rows, 1);
        const auto idOf = [](int i) { return std::to_string(1 + i % 9999 + i / 9999 * 100000000); };
        for (int i = 0; i < rows; ++i) {
            kySetRowField(terms[i], "terminalId", idOf(i));
            kySetRowField(terms[i], "masterId", i % 10 == 9 ? idOf(i - 1) : "0");
        }
        kyLoadRows(KyIpAmpManage::instance(), KyIpAmpManage::instance()->listType(), terms);
    };
    return {
        {"TCP mode", loadPlay, [] { return new KySetTCPForm(1); }, tableNamed("fTableWidget"), nullptr},
        {"default setting", loadPrimary, [] { return new KyTerDefaultSetCtr; }, tableNamed("fTerTableWidget"),
         [](QWidget* w) { static_cast<KyTerDefaultSetCtr*>(w)->showTerminals(); }},
        {"region editor",
         [=](int rows) {
             loadPlay(rows);
             kyLoadList(KyM02Manage::instance(), KyM02Manage::instance()->listType(), m02, 300000, 0);
             kyLoadList(KyM04Manage::instance(), KyM04Manage::instance()->listType(), m04, 400000, 0);
         },
         [] { return new KyRegionEditDialog(&region); }, tableNamed("fTerminalTableWidget"), nullptr},
        {"mic group editor",
         [mic](int rows) { kyLoadList(KyM11Manage::instance(), KyM11Manage::instance()->listType(), mic, 200000, rows); },
         [] { return new KyMicGroupEditDialog(&group); }, tableNamed("fMemberTableWidget"), nullptr},
        mediaCase<KyMediaViewCtrl>("media folder", 4, files),
        mediaCase<KyTaskMediaListViewCtrl>("task media", 2, files),
    };
}

struct Fill {
    double list = 1e9;
    double bare = 1e9;
};

double timeOpen(const ListCase& c)
{
    return kySeconds([&] {
        std::unique_ptr<QWidget> w(c.open());
        w->show();
        kyPaintNow(w.get());
    });
}

Fill timeFill(const ListCase& c, QTableWidget& bare, int rows)
{
    const int runs = rows >= 100000 ? 3 : 7;
    double empty = 1e9;   // opening with empty lists, taken off an opening that fills
    if (!c.fill) {
        c.load(0);
        for (int i = 0; i < runs; ++i)
            empty = std::min(empty, timeOpen(c));
    }
    c.load(rows);
    std::unique_ptr<QWidget> shown(c.open());
    shown->resize(800, 600);
    shown->show();
    QTableWidget* table = c.tableOf(shown.get());
    if (c.fill)
        c.fill(shown.get());
    const std::vector<QStringList> texts = kyTableTexts(table);
    if (table->rowCount() != rows)
        std::printf("%s: %d rows shown for %d\n", c.name, table->rowCount(), rows);
    bare.resize(table->size());
    Fill best;
    for (int i = 0; i < runs; ++i) {   // in turns, so that load on the machine hits both alike
        best.bare = std::min(best.bare, kySeconds([&] {
            kyBareFill(bare, table, texts);
            kyPaintNow(&bare);
        }));
        if (c.fill) {
            best.list = std::min(best.list, kySeconds([&] {
                c.fill(shown.get());
                kyPaintNow(table);
            }));
        } else {
            best.list = std::min(best.list, timeOpen(c) - empty);
        }
    }
    return best;
}

QtMessageHandler g_usualHandler = nullptr;

// Passes over the offscreen platform's note on every dialog shown.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("propagateSizeHints")) && g_usualHandler)
        g_usualHandler(type, context, text);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_usualHandler = qInstallMessageHandler(quietPlatform);
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));   // as the console sets it
    KyTestServer fixture;
    if (!fixture.loadFixture(KyTestServer::demoFixturePath())) {
        std::printf("no fixture\n");
        return 1;
    }
    QList<KyMediaFile_t> files;
    const QStringList only = app.arguments().mid(1);
    QTableWidget bare;
    bare.show();
    for (const ListCase& c : listCases(fixture, files)) {
        if (!only.isEmpty() && !only.contains(QString::fromUtf8(c.name)))
            continue;
        for (int rows : {1000, 10000, 100000}) {
            const Fill fill = timeFill(c, bare, rows);
            std::printf("%-16s %6d rows: fill and paint %7.1f ms list, %7.1f ms bare, ratio %.2f (goal <= %.1f)\n",
                        c.name, rows, fill.list * 1e3, fill.bare * 1e3, fill.list / fill.bare,
                        rows == 10000 ? 1.5 : 2.0);
            std::fflush(stdout);
        }
    }
    return 0;
}
