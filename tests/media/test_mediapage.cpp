// The media library page against the stand-in file service on port 8906 of
// the program's own loopback address; file choosers answered through
// KyFileChooser, message and name dialogs closed from a timer.
#include <QtTest>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "BaseSetNameDialog.h"
#include "KyDownAndUploadViewCtr.h"
#include "KyFileChooser.h"
#include "KyFileTestRig.h"
#include "KyLoginInfo.h"
#include "KyMediaMgrForm.h"
#include "KyMediaViewCtrl.h"
#include "KyModalCatcher.h"
#include "KyModalHelper.h"
#include "KySettings.h"
#include "KyTestWidgets.h"
#include "KyTipsInfo.h"
#include "ui_fSetNameDialog.h"

namespace {

void makeSparse(const QString& path, qint64 size)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(size));
}

QString flat(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The stand-in file service on the program's own address, with a library.
struct Library {
    KyFileTestRig rig;
    explicit Library(const QString& host) : rig(TcpSocketClient::instance(), QStringLiteral("/data/media"), host) {}
    QString srv(const QString& rel) const { return rig.srvDir() + '/' + rel; }
    void file(const QString& rel, const QByteArray& bytes) const { KyFileTestRig::writeFile(srv(rel), bytes); }
    void dir(const QString& rel) const { QDir().mkpath(srv(rel)); }
};

struct Page {
    KyMediaMgrForm form;
    QTableWidget* table = child<QTableWidget>(&form, "fMediaTableWidget");
    QSignalSpy listings{form.mediaView(), &KyMediaViewCtrl::getDirListFinished};

    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < table->rowCount(); ++r)
            out << (table->item(r, 0) ? table->item(r, 0)->text() : QString());
        return out;
    }
    bool waitNames(const QStringList& expected) const
    {
        const bool ok = KyFileTestRig::waitUntil([&] { return names() == expected; }, 20000);
        if (!ok)
            qWarning() << "rows" << names() << "expected" << expected;
        return ok;
    }
    int rowOf(const QString& name) const { return names().indexOf(name); }
    // Rows selected one after the other, in this order.
    void select(const QStringList& rows) const
    {
        table->clearSelection();
        for (const QString& name : rows)
            table->selectionModel()->select(table->model()->index(rowOf(name), 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void enter(const QString& name) const
    {
        table->setCurrentCell(rowOf(name), 0);
        emit table->cellDoubleClicked(rowOf(name), 0);
    }
    int jobs() { return int(form.transferView()->jobList().size()); }
    bool waitRoot() const
    {
        return KyFileTestRig::waitUntil([&] { return form.mediaView()->rootPath() != QLatin1String("."); });
    }
};

// Answers the name dialog with text (empty: cancels).
KyModalCatcher::Handler answerName(const QString& text)
{
    return [text](QDialog* d) {
        auto* dialog = qobject_cast<BaseSetNameDialog*>(d);
        QVERIFY(dialog);
        if (text.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->form().fNameEdit->setText(text);
        dialog->accept();
    };
}

} // namespace

class TestMediaPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void startUpAndUpload();
    void uploadChecks();
    void downloads();
    void namesAndRenames();
    void deletions();

private:
    QTemporaryDir m_work;
    QString m_host;
    QString m_config;
};

void TestMediaPage::initTestCase()
{
    QVERIFY(m_work.isValid());
    // The journal and the conversion folder go to the working folder.
    QDir::setCurrent(m_work.path());
    m_config = m_work.filePath("config.ini");
    kySetConfigPath(m_config);
    m_host = kyOwnTestHost();
    KyLoginInfo::instance().ServerIp = m_host.toStdString();
}

void TestMediaPage::init()
{
    QFile::remove(m_work.filePath("UploadAndDownloadNote"));
    QFile::remove(m_config);
    KyFileChooser::setOpenFileNames(nullptr);
    KyFileChooser::setExistingDirectory(nullptr);
}

void TestMediaPage::startUpAndUpload()
{
    Library lib(m_host);
    lib.dir("music");
    lib.file(QString::fromUtf8("铃声.mp3"), "bell");
    const QString wav = lib.rig.localDir() + "/tone.wav";
    KyFileTestRig::writeSilentWav(wav, 2);
    KyFileChooser::setOpenFileNames([&](QWidget*, const QString&, const QString&, const QString&) {
        return QStringList{wav};
    });
    // The root comes late; the page still lists it.
    lib.rig.service->setReplyDelay("GetFileRoot", 1500);

    Page p;
    QWidget* page = &p.form;
    auto* path = child<QLineEdit>(page, "fMediaEdit");
    auto* transfers = child<QTableWidget>(page, "fUpOrDownTableWidget");
    QCOMPARE(page->windowTitle(), QStringLiteral("Form"));
    QCOMPARE(child<QLabel>(page, "tableNameLable")->text(), QStringLiteral("媒体资源"));
    QVERIFY(!path->isEnabled());
    for (const char* hidden : {"fCopyBtn", "fCutBtn", "fPasteBtn", "fUpDirMediaBtn"})
        QVERIFY(child<QPushButton>(page, hidden)->isHidden());
    QCOMPARE(p.table->horizontalHeaderItem(3)->text(), QStringLiteral("文件大小"));
    QCOMPARE(transfers->horizontalHeaderItem(2)->text(), QStringLiteral("传送进度"));
    QCOMPARE(p.table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
    QCOMPARE(transfers->horizontalHeader()->sectionResizeMode(1), QHeaderView::Stretch);
    QVERIFY(p.table->hasMouseTracking());
    QCOMPARE(p.form.table(), p.table);
    QCOMPARE(p.form.widget(), static_cast<QWidget*>(&p.form));

    QTest::qWait(500);
    QCOMPARE(p.table->rowCount(), 0);
    {
        // No root yet: an upload would name a relative server path.
        KyModalCatcher catcher;
        p.form.slot_uploadClicked();
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("上传文件出错！")});
        QCOMPARE(p.jobs(), 0);
    }
    QVERIFY(p.waitNames({"music", QString::fromUtf8("铃声.mp3")}));
    QCOMPARE(path->text(), QStringLiteral("/"));

    p.form.slot_uploadClicked();
    QCOMPARE(p.jobs(), 1);
    // Re-encoded, sent, listed; the finished job leaves the list.
    QVERIFY(p.waitNames({"music", QString::fromUtf8("铃声.mp3"), "tone.mp3"}));
    QVERIFY(KyFileTestRig::waitUntil([&] { return p.jobs() == 0; }));
    const QByteArray sent = KyFileTestRig::readFile(lib.srv("tone.mp3"));
    QVERIFY(!sent.isEmpty() && sent != KyFileTestRig::readFile(wav));
    QCOMPARE(kyOpenSettings()->value("MediaLastFilePath").toString(), wav);

    // Into a folder: the path field follows.
    p.enter("music");
    QVERIFY(p.waitNames({".."}));
    QCOMPARE(path->text(), QStringLiteral("/music"));
}

void TestMediaPage::uploadChecks()
{
    Library lib(m_host);
    const QString local = lib.rig.localDir();
    const QString longName = local + '/' + QString(253, 'n') + ".mp3";   // 257 characters
    const QString quote = local + "/it's.mp3";
    const QString big = local + "/big.mp3";
    const QString exact = local + "/exact.mp3";
    const QString good = local + "/a&b.mp3";
    makeSparse(big, 1073741825);
    makeSparse(exact, 1073741824);
    KyFileTestRig::writeSilentWav(good, 1);
    QStringList choice{longName, quote, big, good, QStringLiteral("noslash.mp3")};
    QStringList asked;
    KyFileChooser::setOpenFileNames([&](QWidget*, const QString& caption, const QString& dir, const QString& filter) {
        asked << caption << dir << filter;
        return choice;
    });

    Page p;
    QVERIFY(p.waitRoot());
    KyModalCatcher catcher;
    p.form.slot_uploadClicked();
    QCOMPARE(asked, (QStringList{QStringLiteral("文件上传"), QString(), QStringLiteral("Audio Files (*.mp3)")}));
    QCOMPARE(catcher.texts.size(), 3);
    QCOMPARE(catcher.texts[0], QStringLiteral("文件名称超长！"));
    QCOMPARE(flat(catcher.texts[1]).simplified(), flat(KyMediaMgrForm::illegalUploadNameText()).simplified());
    QCOMPARE(catcher.texts[2], big + QStringLiteral("\n文件大于1024MB，禁止上传！"));
    QCOMPARE(catcher.titles, (QStringList{"提示", "提示", "提示"}));
    QCOMPARE(p.jobs(), 1);   // "&" passes an upload
    int before = p.jobs();
    QCOMPARE(KyMediaMgrForm::illegalUploadNameText(),
             QString::fromUtf8("媒体文件名不能包含下列任何字符：\r\n\r\n           / \\ : * ? \" < > | '"));

    // The first chosen path is kept in the general section.
    QSettings stored(m_config, QSettings::IniFormat);
    QCOMPARE(stored.value("MediaLastFilePath").toString(), longName);
    QVERIFY(KyFileTestRig::readFile(m_config).startsWith("[General]"));

    // Exactly 1 GiB passes; the chooser starts at the stored path.
    choice = QStringList{exact};
    asked.clear();
    catcher.clear();
    p.form.slot_uploadClicked();
    QCOMPARE(asked.value(1), longName);
    QCOMPARE(catcher.texts, QStringList());
    QCOMPARE(p.jobs(), before + 1);
    QCOMPARE(QSettings(m_config, QSettings::IniFormat).value("MediaLastFilePath").toString(), exact);

    // Nothing chosen: nothing asked, nothing stored.
    choice.clear();
    before = p.jobs();
    p.form.slot_uploadClicked();
    QCOMPARE(p.jobs(), before);
    QCOMPARE(QSettings(m_config, QSettings::IniFormat).value("MediaLastFilePath").toString(), exact);
}

void TestMediaPage::downloads()
{
    Library lib(m_host);
    const QByteArray a = KyFileTestRig::randomBytes(70000, 1), b = KyFileTestRig::randomBytes(300, 2);
    lib.dir("music/sub");
    lib.dir("music/empty");
    lib.file("music/a.mp3", a);
    lib.file(QString::fromUtf8("music/铃 b.mp3"), b);
    const QString target = lib.rig.localDir() + "/saved";
    QDir().mkpath(target);
    int asked = 0;
    QString answer = target;
    KyFileChooser::setExistingDirectory([&](QWidget* parent, const QString&, const QString&) {
        ++asked;
        return parent ? QString() : answer;
    });

    Page p;
    QVERIFY(p.waitNames({"music"}));
    p.form.slot_downloadClicked();   // nothing selected: not even asked
    QCOMPARE(asked, 0);
    p.enter("music");
    const QString bell = QString::fromUtf8("铃 b.mp3");
    QVERIFY(p.waitNames({"..", "empty", "sub", bell, "a.mp3"}));

    // Folders and ".." are skipped; the files go last selected first.
    p.select({"a.mp3", "..", bell, "sub"});
    lib.rig.service->clearRequests();
    p.form.slot_downloadClicked();
    QCOMPARE(asked, 1);
    QVERIFY(lib.rig.service->waitForRequests(2, 20000, "GetFile"));
    const auto gets = lib.rig.service->requests("GetFile");
    QCOMPARE(QString::fromUtf8(gets[0].json["FileName"].asCString()), bell);
    QCOMPARE(QString::fromUtf8(gets[1].json["FileName"].asCString()), QStringLiteral("a.mp3"));
    QVERIFY(KyFileTestRig::waitUntil([&] { return KyFileTestRig::readFile(target + "/a.mp3") == a; }));
    QVERIFY(KyFileTestRig::waitUntil([&] { return KyFileTestRig::readFile(target + '/' + bell) == b; }));
    QCOMPARE(QSettings(m_config, QSettings::IniFormat).value("MediaLastFilePath").toString(), target);

    // Only folders: a folder is asked and kept, no job.
    answer = lib.rig.localDir();
    p.select({"empty", "sub"});
    QVERIFY(KyFileTestRig::waitUntil([&] { return p.jobs() == 0; }));
    p.form.slot_downloadClicked();
    QCOMPARE(asked, 2);
    QCOMPARE(p.jobs(), 0);
    QCOMPARE(QSettings(m_config, QSettings::IniFormat).value("MediaLastFilePath").toString(), answer);
    QTest::qWait(300);
    QCOMPARE(int(lib.rig.service->requests("GetFile").size()), 2);

    // A listed name with a NUL is refused whole: not cut to the file "nul" before the check.
    const QString nul = QString::fromUtf8("nul\0evil.mp3", 12);
    lib.file("music/nul", "cut");
    lib.rig.service->setListedName(nul);
    p.enter("..");
    QVERIFY(p.waitNames({"music", nul}));
    p.enter("music");
    QVERIFY(KyFileTestRig::waitUntil([&] { return p.rowOf("..") == 0 && p.rowOf(nul) > 0; }));
    p.select({nul});
    p.form.slot_downloadClicked();
    QCOMPARE(p.jobs(), 0);
    QVERIFY(lib.rig.drain());
    QCOMPARE(int(lib.rig.service->requests("GetFile").size()), 2);
    QVERIFY(!QFile::exists(answer + "/nul"));
}

void TestMediaPage::namesAndRenames()
{
    QVERIFY(KyMediaMgrForm::isLegalUploadName(QString(256, 'x')));
    QVERIFY(!KyMediaMgrForm::isLegalUploadName(QString(257, 'x')));
    QVERIFY(KyMediaMgrForm::isLegalUploadName("a&b.mp3"));
    QVERIFY(!KyMediaMgrForm::isLegalMediaName("a&b"));
    for (const char* c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|", "'"}) {
        QVERIFY(!KyMediaMgrForm::isLegalUploadName(QStringLiteral("a%1b").arg(c)));
        QVERIFY(!KyMediaMgrForm::isLegalMediaName(QStringLiteral("a%1b").arg(c)));
    }
    QCOMPARE(KyMediaMgrForm::fixMediaName("b.wav", false), QStringLiteral("b.mp3"));
    QCOMPARE(KyMediaMgrForm::fixMediaName("c.mp3.wav", false), QStringLiteral("c.mp3"));
    QCOMPARE(KyMediaMgrForm::fixMediaName("c.mp3x.wav", false), QStringLiteral("c.mp3"));
    QCOMPARE(KyMediaMgrForm::fixMediaName("d", false), QStringLiteral("d.mp3"));
    QCOMPARE(KyMediaMgrForm::fixMediaName("x.y", true), QStringLiteral("x"));
    QCOMPARE(KyMediaMgrForm::fixMediaName("..", true), QStringLiteral("."));

    Library lib(m_host);
    lib.file("a.mp3", "aa");
    lib.dir("old");
    Page p;
    QVERIFY(p.waitNames({"old", "a.mp3"}));
    KyModalCatcher catcher;
    auto run = [&](void (KyMediaMgrForm::*slot)(), const QString& name) {
        catcher.clear();
        catcher.setHandler(answerName(name));
        (p.form.*slot)();
    };

    // New folders lose their last dot; names that leave or name the shown
    // folder are refused.
    run(&KyMediaMgrForm::newDirClicked, "2024.01");
    QVERIFY(p.waitNames({"2024", "old", "a.mp3"}));
    QVERIFY(QFileInfo(lib.srv("2024")).isDir());
    lib.rig.service->clearRequests();
    for (const char* bad : {"a/b", "..", ".x", "p&q"}) {
        run(&KyMediaMgrForm::newDirClicked, bad);
        QCOMPARE(catcher.texts, QStringList{KyTipsInfo::illegalName()});
    }
    run(&KyMediaMgrForm::newDirClicked, QString());   // cancelled
    QCOMPARE(catcher.texts, QStringList());
    QTest::qWait(300);
    QCOMPARE(int(lib.rig.service->requests().size()), 0);

    // Renames: a file keeps ".mp3", a folder loses its last dot.
    p.table->setCurrentCell(p.rowOf("a.mp3"), 0);
    run(&KyMediaMgrForm::renameClicked, "b.wav");
    QVERIFY(p.waitNames({"2024", "old", "b.mp3"}));
    p.table->setCurrentCell(p.rowOf("old"), 0);
    run(&KyMediaMgrForm::renameClicked, "x.y");
    QVERIFY(p.waitNames({"2024", "x", "b.mp3"}));
    p.table->setCurrentCell(p.rowOf("b.mp3"), 0);
    run(&KyMediaMgrForm::renameClicked, "c&d");
    QCOMPARE(catcher.texts, QStringList{KyTipsInfo::illegalName()});
    p.table->setCurrentCell(p.rowOf("x"), 0);
    for (const char* bad : {"..", ".x"}) {
        run(&KyMediaMgrForm::renameClicked, bad);
        QCOMPARE(catcher.texts, QStringList{KyTipsInfo::illegalName()});
    }

    // ".." current: no dialog, nothing sent.
    p.enter("x");
    QVERIFY(p.waitNames({".."}));
    lib.rig.service->clearRequests();
    p.table->setCurrentCell(0, 0);
    run(&KyMediaMgrForm::renameClicked, "y");
    QCOMPARE(catcher.others, 0);
    QTest::qWait(300);
    QCOMPARE(int(lib.rig.service->requests().size()), 0);
}

void TestMediaPage::deletions()
{
    Library lib(m_host);
    lib.file("f.mp3", "f");
    lib.file("files/one.mp3", "1");
    lib.file("files/two.mp3", "2");
    lib.dir("deep/inner");
    lib.file("keep.mp3", "k");
    Page p;
    QVERIFY(p.waitNames({"deep", "files", "f.mp3", "keep.mp3"}));

    // Refused at the question: nothing goes, nothing is listed.
    p.select({"f.mp3"});
    lib.rig.service->clearRequests();
    onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    p.form.delMediaClicked();
    QTest::qWait(300);
    QCOMPARE(int(lib.rig.service->requests().size()), 0);

    KyModalCatcher catcher;

    // Asked first, even with nothing selected; then only a relisting.
    p.table->clearSelection();
    lib.rig.service->clearRequests();
    const int shown = p.listings.count();
    p.form.delMediaClicked();
    QCOMPARE(catcher.texts, QStringList{KyTipsInfo::deleteChosenMedia()});
    QCOMPARE(catcher.titles, QStringList{KyTipsInfo::tips()});
    QVERIFY(KyFileTestRig::waitUntil([&] { return p.listings.count() > shown; }));
    QCOMPARE(int(lib.rig.service->requests().size()), 1);
    QCOMPARE(lib.rig.service->requests()[0].command, QStringLiteral("GetFileList"));

    // A file and a folder of files go; a folder holding a folder stays, named.
    p.select({"f.mp3", "files", "deep"});
    catcher.clear();
    p.form.delMediaClicked();
    KyFileTestRig::waitUntil([&] { return catcher.texts.size() == 2; });
    QCOMPARE(catcher.texts.size(), 2);
    QCOMPARE(catcher.texts[1], QStringLiteral("当前目录：\n    deep\n    下面还有目录，请依次删除。"));
    QVERIFY(p.waitNames({"deep", "keep.mp3"}));
    QVERIFY(!QFileInfo::exists(lib.srv("files")));
    QVERIFY(QFileInfo(lib.srv("deep/inner")).isDir());

}

QTEST_MAIN(TestMediaPage)
#include "test_mediapage.moc"
