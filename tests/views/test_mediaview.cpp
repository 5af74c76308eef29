// The media browser, the task-media picker and the media table headers
// against the stand-in file service.
#include <QtTest>

#include <QHeaderView>
#include <QTableWidget>

#include "KyCFtpClient.h"
#include "KyFileTestRig.h"
#include "KyFtpMng.h"
#include "KyMediaTableCtrl.h"
#include "KyMediaViewCtrl.h"
#include "KyModalCatcher.h"
#include "KyTaskMediaListViewCtrl.h"

namespace {

// The process-wide worker on a stand-in file service with a small library.
struct Library {
    KyFileTestRig rig{TcpSocketClient::instance()};
    Library()
    {
        QDir().mkpath(rig.srvDir() + "/a/b");
        QDir().mkpath(rig.srvDir() + QString::fromUtf8("/d.mp3"));
        KyFileTestRig::writeFile(rig.srvDir() + QString::fromUtf8("/铃声.mp3"), QByteArray(1048576, 'x'));
        KyFileTestRig::writeFile(rig.srvDir() + "/a/x.mp3", QByteArray());
        KyFileTestRig::writeFile(rig.srvDir() + "/a/b/y.mp3", "yy");
    }
    QString root() const { return rig.root(); }
};

struct View {
    QTableWidget table{0, 4};
    KyMediaViewCtrl view{&table};
    QSignalSpy paths{&view, &KyMediaViewCtrl::updateMediaPath};
    QSignalSpy lists{&view, &KyMediaViewCtrl::getDirListFinished};

    // Until count listings were handed over and the view took the last:
    // its own queued connection was posted before the spy counted it.
    bool waitListing(int count)
    {
        const bool seen = KyFileTestRig::waitUntil([&] { return lists.size() >= count; });
        QCoreApplication::sendPostedEvents();
        return seen;
    }
    int rowOf(const QString& name) const
    {
        const auto found = table.findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->row();
    }
    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < table.rowCount(); ++r)
            out << table.item(r, 0)->text();
        return out;
    }
    void doubleClick(const QString& name)
    {
        table.setCurrentCell(rowOf(name), 0);
        emit table.cellDoubleClicked(rowOf(name), 0);
    }
    QString lastPath() const { return paths.isEmpty() ? QString() : paths.last().at(0).toString(); }
};

const char kRetry[] = "\n    失败。网络错误。请重试。";

} // namespace

class TestMediaView : public QObject {
    Q_OBJECT
private slots:
    void navigationRowsAndPaths();
    void errorDialogsAndFailedListing();
    void taskPickerAndTwoLiveViews();
    void mediaTableHeaders();
    void listingsWhileViewFills();
};

void TestMediaView::navigationRowsAndPaths()
{
    Library lib;
    View v;
    KyFtpMng::instance()->ftpClient()->mediaListener = &v.view;
    QCOMPARE(v.view.rootPath(), QStringLiteral("."));
    TcpSocketClient::instance()->getFileRoot();
    QVERIFY(v.waitListing(1));
    QCOMPARE(v.view.rootPath(), lib.root());
    QCOMPARE(QString::fromStdString(g_mediaRootPath8), lib.root());
    QCOMPARE(v.lastPath(), QStringLiteral("/"));

    // Root: folders first, no ".." row; "-1" marks a folder whatever its name.
    QCOMPARE(v.names(), (QStringList{"a", "d.mp3", QString::fromUtf8("铃声.mp3")}));
    QCOMPARE(v.table.item(1, 0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(v.table.item(1, 2)->text(), QStringLiteral("Folder"));
    QVERIFY(!v.table.item(1, 3));
    QCOMPARE(v.table.item(2, 0)->data(Qt::UserRole).toInt(), 0);
    QCOMPARE(v.table.item(2, 2)->text(), QStringLiteral("Media File"));
    QCOMPARE(v.table.item(2, 3)->text(), QStringLiteral("1.00MB"));
    QCOMPARE(v.table.item(2, 3)->data(Qt::UserRole).toInt(), 1048576);
    QCOMPARE(v.table.item(2, 1)->text().size(), 19);

    // A file row is not entered.
    const int before = int(lib.rig.service->requests("GetFileList").size());
    v.doubleClick(QString::fromUtf8("铃声.mp3"));
    QTest::qWait(100);
    QCOMPARE(int(lib.rig.service->requests("GetFileList").size()), before);
    QCOMPARE(v.paths.size(), 1);

    v.doubleClick("a");
    QCOMPARE(v.lastPath(), QStringLiteral("/a"));
    QVERIFY(v.waitListing(2));
    QCOMPARE(v.names(), (QStringList{"..", "b", "x.mp3"}));
    QCOMPARE(v.table.item(0, 0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(v.table.item(0, 1)->text(), QString());
    QVERIFY(!v.table.item(0, 3));
    QCOMPARE(v.table.item(2, 3)->text(), QStringLiteral("0.00MB"));
    QCOMPARE(v.view.absolutePath(QStringLiteral("x.mp3")), lib.root() + "/a/x.mp3");
    QCOMPARE(v.view.absolutePath(std::string("x.mp3")), (lib.root() + "/a/x.mp3").toStdString());

    v.doubleClick("b");
    QCOMPARE(v.lastPath(), QStringLiteral("/a/b"));
    QVERIFY(v.waitListing(3));
    QCOMPARE(v.names(), (QStringList{"..", "y.mp3"}));
    QCOMPARE(QString::fromUtf8(lib.rig.service->requests("GetFileList").back().json["DirName"].asCString()),
             lib.root() + "/a/b");

    v.doubleClick("..");
    QCOMPARE(v.lastPath(), QStringLiteral("/a"));
    QVERIFY(v.waitListing(4));
    QCOMPARE(v.names(), (QStringList{"..", "b", "x.mp3"}));
    v.doubleClick("..");
    QCOMPARE(v.lastPath(), QStringLiteral("/"));
    QVERIFY(v.waitListing(5));
    QCOMPARE(v.view.currentPath(), QString());
    QCOMPARE(v.names(), (QStringList{"a", "d.mp3", QString::fromUtf8("铃声.mp3")}));
    QCOMPARE(v.view.absolutePath(QStringLiteral("a")), lib.root() + "/a");

    // An empty root is ignored.
    v.view.slot_setMediaRoot(QString());
    QCOMPARE(v.view.rootPath(), lib.root());
}

void TestMediaView::errorDialogsAndFailedListing()
{
    Library lib;
    View v;
    KyFtpMng::instance()->ftpClient()->mediaListener = &v.view;
    TcpSocketClient::instance()->getFileRoot();
    QVERIFY(v.waitListing(1));
    KyModalCatcher catcher;
    struct Case {
        int code, status;
        const char* title;
        QString text;
    };
    const QString retry = QString::fromUtf8(kRetry);
    const QList<Case> cases{
        {1, -1, "错误", QString::fromUtf8("获取目录媒体：\n    n1") + retry},
        {2, -1, "错误", QString::fromUtf8("删除文件：\n    n2") + retry},
        {3, 1, "提示", QString::fromUtf8("当前目录：\n    n3\n    下面还有目录，请依次删除。")},
        {3, -1, "错误", QString::fromUtf8("删除目录：\n    n3") + retry},
        {6, -1, "错误", QString::fromUtf8("创建文件夹：\n    n6") + retry},
        {7, 1, "错误", QString::fromUtf8("重命名文件夹：\n    n7") + retry},
        {7, 0, "错误", QString::fromUtf8("重命名文件：\n    n7") + retry},
    };
    for (const Case& c : cases) {
        emit TcpSocketClient::instance()->ftpError(c.code, QStringLiteral("n%1").arg(c.code), c.status);
        QVERIFY(KyFileTestRig::waitUntil([&] { return catcher.texts.size() == 1; }));
        QCOMPARE(catcher.titles.last(), QString::fromUtf8(c.title));
        QCOMPARE(catcher.texts.last(), c.text);
        catcher.clear();
    }
    emit TcpSocketClient::instance()->ftpError(4, QStringLiteral("n4"), -1);
    emit TcpSocketClient::instance()->ftpError(5, QStringLiteral("n5"), -1);
    QTest::qWait(200);
    QVERIFY(catcher.texts.isEmpty());

    // Entering a folder whose listing fails: the error names it, and the view
    // goes back to the folder its table still shows.
    v.doubleClick("a");
    QVERIFY(v.waitListing(2));
    lib.rig.service->setListingNotJson();
    v.doubleClick("b");
    QCOMPARE(v.view.currentPath(), QStringLiteral("/a/b"));
    QVERIFY(KyFileTestRig::waitUntil([&] { return catcher.texts.size() == 1; }));
    QCOMPARE(catcher.texts.last(), QString::fromUtf8("获取目录媒体：\n    b") + retry);
    QCOMPARE(v.view.currentPath(), QStringLiteral("/a"));
    QCOMPARE(v.lastPath(), QStringLiteral("/a"));
    QCOMPARE(v.names(), (QStringList{"..", "b", "x.mp3"}));
    QCOMPARE(v.view.absolutePath(QStringLiteral("x.mp3")), lib.root() + "/a/x.mp3");
}

void TestMediaView::taskPickerAndTwoLiveViews()
{
    Library lib;
    View main;
    KyCFtpClient* facade = KyFtpMng::instance()->ftpClient();
    facade->mediaListener = &main.view;
    TcpSocketClient::instance()->getFileRoot();
    QVERIFY(main.waitListing(1));

    QTableWidget picker;
    KyMediaTableCtrl header;
    header.setTable(&picker, 2);
    auto* task = new KyTaskMediaListViewCtrl(&picker);
    facade->taskMediaListener = task;
    task->refreshCurrentDir();
    // Filled before the call returned.
    QCOMPARE(picker.rowCount(), 3);
    QCOMPARE(picker.item(0, 0)->text(), QStringLiteral("a"));
    QCOMPARE(picker.item(0, 0)->data(Qt::UserRole).toInt(), 1);
    QVERIFY(!task->hasSizeItem(0) && !task->hasSizeItem(1) && task->hasSizeItem(2));
    QCOMPARE(picker.item(2, 1)->text(), QStringLiteral("1.00MB"));
    QCOMPARE(picker.item(2, 1)->data(Qt::UserRole).toInt(), 1048576);
    QCOMPARE(task->absolutePath(picker.item(2, 0)->text()), lib.root() + QString::fromUtf8("/铃声.mp3"));

    // A directory the worker creates relists both tables; one error shows two dialogs.
    picker.setCurrentCell(0, 0);
    task->mediaTableDClicked();
    QCOMPARE((QStringList{picker.item(0, 0)->text(), picker.item(1, 0)->text()}), (QStringList{"..", "b"}));
    TcpSocketClient::instance()->createDir(lib.root() + "/a/new");
    TcpSocketClient::instance()->createDir(lib.root() + "/top");
    QVERIFY(KyFileTestRig::waitUntil([&] { return main.rowOf("top") >= 0 && picker.rowCount() == 4; }));
    QCOMPARE(picker.item(2, 0)->text(), QStringLiteral("new"));
    KyModalCatcher catcher;
    emit TcpSocketClient::instance()->ftpError(2, QStringLiteral("z.mp3"), -1);
    QVERIFY(KyFileTestRig::waitUntil([&] { return catcher.texts.size() == 2; }));

    // A destroyed picker is forgotten by the facade.
    delete task;
    QVERIFY(!facade->taskMediaListener);
    QCOMPARE(facade->mediaListener, static_cast<KyMediaListListener*>(&main.view));
    facade->mediaListener = nullptr;
}

void TestMediaView::mediaTableHeaders()
{
    auto headers = [](QTableWidget& t) {
        QStringList out;
        for (int c = 0; c < t.columnCount(); ++c)
            out << t.horizontalHeaderItem(c)->text();
        return out;
    };
    KyMediaTableCtrl ctrl;
    QTableWidget one, two, three;
    ctrl.setTable(&one, 1);
    ctrl.setTable(&two, 2);
    ctrl.setTable(&three, 3);
    QCOMPARE(headers(one), QStringList{"Media Name"});
    QCOMPARE(headers(two), (QStringList{"Media Name", "File Size"}));
    QCOMPARE(headers(three), (QStringList{"Media Name", "Duration", "File Size"}));
    QVERIFY(three.verticalHeader()->isHidden());
    QCOMPARE(three.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(three.horizontalHeader()->property("showSortIndicator").toBool());
    ctrl.addMediaName(u8"钟声.mp3");
    ctrl.addMediaName("b.mp3");
    QCOMPARE(three.rowCount(), 2);
    QCOMPARE(three.item(0, 0)->text(), QString::fromUtf8("钟声.mp3"));
    QVERIFY(!three.item(0, 0)->icon().isNull());
    QVERIFY(!three.item(0, 1));
}

// Listings keep arriving while the view fills its table (run under ThreadSanitizer in CI).
void TestMediaView::listingsWhileViewFills()
{
    Library lib;
    for (int i = 0; i < 400; ++i)
        KyFileTestRig::writeFile(lib.rig.srvDir() + QString::fromUtf8("/many/曲目%1.mp3").arg(i), "z");
    View v;
    KyFtpMng::instance()->ftpClient()->mediaListener = &v.view;
    for (int i = 0; i < 12; ++i)
        KyFtpMng::instance()->getFileList(lib.root() + (i % 2 ? "/many" : "/a"));
    QVERIFY(v.waitListing(12));
    QCOMPARE(v.table.rowCount(), 400);
    QCOMPARE(v.table.item(399, 3)->data(Qt::UserRole).toInt(), 1);
    KyFtpMng::instance()->ftpClient()->mediaListener = nullptr;
}

QTEST_MAIN(TestMediaView)
#include "test_mediaview.moc"
