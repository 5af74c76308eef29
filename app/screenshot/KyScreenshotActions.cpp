#include "KyScreenshotActions.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QListWidget>
#include <QMetaObject>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

#include "InfoCenterMgr.h"
#include "KyCFtpClient.h"
#include "KyDownAndUploadViewCtr.h"
#include "KyFileChooser.h"
#include "KyFtpMng.h"
#include "KyLoginInfo.h"
#include "KyManageCenter.h"
#include "KyMediaMgrForm.h"
#include "KyMediaViewCtrl.h"
#include "KyPlanTaskEditDialog.h"
#include "KySsTask.h"
#include "KySsTaskDataMgr.h"
#include "KyTimerTaskEditDialog.h"
#include "LoginDialog.h"
#include "TcpSocketClient.h"

namespace {

using Page = InfoCenterMgr::Page;

// Reaches a page as the operator does: the navigation row whose panel holds
// the page's button, then the button (which the row may have made current).
void reach(InfoCenterMgr& window, Page which)
{
    window.navigationList()->setCurrentRow(window.navigationRow(which));
    window.pageButton(which)->click();
}

std::function<void(InfoCenterMgr&)> page(Page which)
{
    return [which](InfoCenterMgr& window) { reach(window, which); };
}

// The login dialog as the console opens it without login arguments, filled
// from the demo's config.ini (the window behind it hidden).
void showLogin(InfoCenterMgr& window)
{
    window.hide();
    LoginDialog dialog(KyManageCenter::instance(), KyLoginInfo::instance());
    dialog.exec();
}

// Shows a page and waits for its first table to have row `row`; null (and a
// message) when it does not come.
QTableWidget* tableWithRow(InfoCenterMgr& window, Page which, int row)
{
    reach(window, which);
    QWidget* p = window.page(which);
    QTableWidget* table = p ? p->findChild<QTableWidget*>() : nullptr;
    QElapsedTimer clock;
    clock.start();
    while (table && table->rowCount() <= row && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!table || table->rowCount() <= row) {
        fprintf(stderr, "screenshot: the page's table has no row %d\n", row);
        return nullptr;
    }
    return table;
}

// Shows a page, waits for its first table to fill, makes row `row` current
// and calls the page's slot `slot` (which typically runs a dialog with exec();
// the grab happens while it is open).
std::function<void(InfoCenterMgr&)> dialogFromRow(Page which, const char* slot, int row = 0)
{
    return [=](InfoCenterMgr& window) {
        QTableWidget* table = tableWithRow(window, which, row);
        if (!table)
            return;
        table->setCurrentCell(row, 0);
        if (!QMetaObject::invokeMethod(window.page(which), slot))
            fprintf(stderr, "screenshot: the page has no slot %s\n", slot);
    };
}

// Shows a page and clicks row `row` of its first table, as the operator
// does to see that row's details (members, for instance).
std::function<void(InfoCenterMgr&)> rowClicked(Page which, int row = 0)
{
    return [=](InfoCenterMgr& window) {
        if (QTableWidget* table = tableWithRow(window, which, row)) {
            table->setCurrentCell(row, 0);
            emit table->itemClicked(table->item(row, 0));
        }
    };
}

// Waits for the media root when nothing has asked for it yet, so the
// editors' media picker can list the library.
void ensureFileService()
{
    TcpSocketClient* worker = TcpSocketClient::instance();
    if (!worker->mediaRoot().isEmpty())
        return;
    worker->getFileRoot();
    QElapsedTimer clock;
    clock.start();
    while (worker->mediaRoot().isEmpty() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Scrolls the editor's play-terminal table to its first ticked row.
void showTickedTerminal(KyTimerTaskEditDialog& editor)
{
    auto* table = editor.findChild<QTableWidget*>("fTerminalTable");
    for (int row = 0; table && row < table->rowCount(); ++row) {
        if (table->item(row, 0)->checkState() == Qt::Checked) {
            table->scrollToItem(table->item(row, 0), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

// Opens a task editor on a copy of a cached task of the demo fixture, with
// the given content, and keeps it open for the grab.
template <class Editor>
std::function<void(InfoCenterMgr&)> taskEditor(int taskId, const char* content,
                                               std::function<void(Editor&)> prepare = nullptr)
{
    return [=](InfoCenterMgr&) {
        static KySsTask task;
        if (!KySsTaskDataMgr::instance()->getTask(taskId, task)) {
            fprintf(stderr, "screenshot: no task %d\n", taskId);
            return;
        }
        if (content)
            task.sourceContent = content;
        ensureFileService();
        Editor editor(&task);
        if (prepare)   // once the dialog is shown and laid out
            QTimer::singleShot(200, &editor, [&editor, prepare] { prepare(editor); });
        editor.exec();
    };
}

// A 16-bit mono PCM WAV file of the given samples.
bool writeWav(const QString& path, int rate, const QByteArray& pcm)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + pcm.size());
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(pcm.size());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes + pcm) == bytes.size() + pcm.size();
}

// A mono 16-bit WAV of silence.
bool writeSilentWav(const QString& path, int seconds)
{
    const int rate = 22050;
    return writeWav(path, rate, QByteArray(seconds * rate * 2, '\0'));
}

// The media page listing the library root, with an upload of a long recording
// from the working folder in its transfer list (re-encoded, then sent, while
// the screen is grabbed).
// The media page in its settings panel, once its table lists the library;
// null (and a message) when it does not.
KyMediaMgrForm* listedMediaPage(InfoCenterMgr& window)
{
    auto* page = qobject_cast<KyMediaMgrForm*>(window.page(InfoCenterMgr::PageMedia));
    return page && tableWithRow(window, InfoCenterMgr::PageMedia, 0) ? page : nullptr;
}

// The media page's upload with Qt's own file chooser open (in Chinese when
// Qt's translation is installed).
void uploadChooser(InfoCenterMgr& window)
{
    if (KyMediaMgrForm* page = listedMediaPage(window))
        page->slot_uploadClicked();
}

void mediaWithTransfer(InfoCenterMgr& window)
{
    KyMediaMgrForm* page = listedMediaPage(window);
    if (!page)
        return;
    const QString wav = QDir::current().absoluteFilePath(QStringLiteral("晨间广播录音.wav"));
    if (!writeSilentWav(wav, 300)) {
        fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(wav));
        return;
    }
    KyFileChooser::setOpenFileNames([wav](QWidget*, const QString&, const QString&, const QString&) {
        return QStringList{wav};
    });
    page->slot_uploadClicked();
}

// Eats the timer events of the object it filters.
class KyTimerFreeze : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }
};

// A PCM WAV file of a tone (8 kHz mono), to upload.
QString writeToneWav(const QString& path, int seconds)
{
    const int rate = 8000;
    QByteArray pcm(seconds * rate * 2, Qt::Uninitialized);
    for (int i = 0; i < seconds * rate; ++i) {
        const qint16 v = qint16(6000 * std::sin(2 * M_PI * 440 * i / rate));
        pcm[2 * i] = char(v & 0xff);
        pcm[2 * i + 1] = char((v >> 8) & 0xff);
    }
    writeWav(path, rate, pcm);
    return path;
}

// The media browser one folder below the root and the transfer table with a
// converting, a transferring and a failed job, in a window of their own.
void showMediaViews(InfoCenterMgr&)
{
    auto* window = new QWidget();
    window->setWindowTitle(QStringLiteral("媒体资源"));
    auto* layout = new QVBoxLayout(window);
    auto* media = new QTableWidget(0, 4, window);
    media->setHorizontalHeaderLabels({"名称", "修改日期", "类型", "文件大小"});
    auto* transfers = new QTableWidget(0, 4, window);
    transfers->setHorizontalHeaderLabels({"状态", "名称", "传送进度", "文件大小"});
    layout->addWidget(media, 3);
    layout->addWidget(transfers, 1);
    for (QTableWidget* t : {media, transfers})
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    window->resize(900, 620);
    window->show();

    TcpSocketClient* worker = TcpSocketClient::instance();
    auto* view = new KyMediaViewCtrl(media);
    KyFtpMng::instance()->ftpClient()->mediaListener = view;
    auto* jobs = new KyDownAndUploadViewCtr(transfers);
    QObject::connect(worker, &TcpSocketClient::updateProgressIndicator, jobs,
                     &KyDownAndUploadViewCtr::slot_progressIndicator);
    QDir().mkpath(QStringLiteral("upload-demo"));
    const QString longer = writeToneWav(QStringLiteral("upload-demo/长录音.wav"), 600);
    const QString shorter = writeToneWav(QStringLiteral("upload-demo/通知录音.wav"), 60);
    const QString broken = QStringLiteral("upload-demo/损坏.mp3");
    QFile bad(broken);
    bad.open(QIODevice::WriteOnly);
    bad.write("not audio");
    bad.close();
    auto upload = [jobs, view](const QString& path) {
        const QString name = QFileInfo(path).fileName();
        jobs->addUploadJob(name.toUtf8(), QFileInfo(path).absoluteFilePath().toUtf8(),
                           view->absolutePath(name).toUtf8(), int(QFileInfo(path).size()));
    };
    // Once the root is listed: into the demo's folder "music", and the first upload.
    QObject::connect(view, &KyMediaViewCtrl::getDirListFinished, window, [=] {
        const QList<QTableWidgetItem*> music = media->findItems(QStringLiteral("music"), Qt::MatchExactly);
        if (!view->currentPath().isEmpty() || music.isEmpty())
            return;
        media->setCurrentCell(music.first()->row(), 0);
        view->mediaTableDClicked();
        upload(shorter);
    }, Qt::QueuedConnection);
    // Once the first upload is being sent: a file the encoder refuses, then a
    // long one to convert. Once the refused one shows as failed, the list's
    // timer stops, so the picture keeps the three rows.
    auto* poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [=] {
        const std::list<KyTransferRecord> list = jobs->jobList();
        if (list.size() == 1 && list.front().state == KyStateUploading) {
            upload(broken);
            upload(longer);
        } else if (transfers->rowCount() == 3 && transfers->item(1, 0)->text() == QString::fromUtf8(g_transferStateNames[KyStateFailed])) {
            jobs->installEventFilter(new KyTimerFreeze(jobs));
            poll->stop();
        }
    });
    poll->start(50);
    worker->getFileRoot();
}

}  // namespace

// The pictures, by name. To add one, add one line:
//   {"<name>", page(InfoCenterMgr::Page<Page>)},
// for a page, or, for a dialog the page opens on a row,
//   {"<name>", dialogFromRow(InfoCenterMgr::Page<Page>, "<page slot>")},
// or, for a page with row `row` clicked,
//   {"<name>", rowClicked(InfoCenterMgr::Page<Page>, row)},
// A dialog reached another way gets its own lambda taking the window.
// `bash scripts/screenshot <name> [out.png]` then saves it.
const std::vector<KyScreenshotAction>& kyScreenshotActions()
{
    static const std::vector<KyScreenshotAction> actions = {
        {"main", [](InfoCenterMgr&) {}},
        {"m12", page(InfoCenterMgr::PageM12)},
        {"m12-setting", dialogFromRow(InfoCenterMgr::PageM12, "slot_editClicked")},
        {"player-tcp", dialogFromRow(InfoCenterMgr::PagePlayer, "tcpModeClicked")},
        {"player-default", dialogFromRow(InfoCenterMgr::PagePlayer, "defaultSetClicked")},
        {"micgroup", rowClicked(InfoCenterMgr::PageMicGroup, 1)},
        {"region", rowClicked(InfoCenterMgr::PageRegion, 1)},
        {"region-dialog", dialogFromRow(InfoCenterMgr::PageRegion, "slot_edit_clicked", 1)},
        {"player", page(InfoCenterMgr::PagePlayer)},
        {"mic11", page(InfoCenterMgr::PageMic)},
        {"capture", page(InfoCenterMgr::PageCapture)},
        {"falarm", page(InfoCenterMgr::PageFAlarm)},
        {"falarm-setting", dialogFromRow(InfoCenterMgr::PageFAlarm, "slot_editClicked")},
        {"tts", page(InfoCenterMgr::PageTts)},
        {"plan-task-editor", taskEditor<KyPlanTaskEditDialog>(4, "/music/校歌.mp3@#$%/music/上课铃.mp3@#$%/music/预备铃.mp3")},
        {"timer-task-editor", taskEditor<KyTimerTaskEditDialog>(2, nullptr, showTickedTerminal)},
        {"mic11-dialog", dialogFromRow(InfoCenterMgr::PageMic, "slot_editClicked")},
        {"sstask", page(InfoCenterMgr::PageSsTask)},
        {"timertask", page(InfoCenterMgr::PageTimerTask)},
        {"mic02", page(InfoCenterMgr::PageM02)},
        // Row 11 is the demo's terminal 1001 (first in the list, drawn last), which has stored key calls.
        {"mic02-setting", dialogFromRow(InfoCenterMgr::PageM02, "slot_edit_clicked", 11)},
        {"mic04", page(InfoCenterMgr::PageM04)},
        // Row 11 is the demo's terminal 2001, which has a stored key call.
        {"mic04-setting", dialogFromRow(InfoCenterMgr::PageM04, "slot_edit_clicked", 11)},
        {"media", mediaWithTransfer},
        {"media-views", showMediaViews},
        {"upload-chooser", uploadChooser},
        {"login", showLogin},
        {"userlog", page(InfoCenterMgr::PageUserLog)},
        {"termlog", page(InfoCenterMgr::PageTermLog)},
        {"settings", page(InfoCenterMgr::PageSystemSet)},
        {"manualtask", page(InfoCenterMgr::PageManualTask)},
        // The confirmation that 删除 asks on the mic11 page.
        {"message", dialogFromRow(InfoCenterMgr::PageMic, "slot_delMicClicked")},
    };
    return actions;
}

const KyScreenshotAction* kyScreenshotAction(const std::string& name)
{
    for (const KyScreenshotAction& a : kyScreenshotActions())
        if (name == a.name)
            return &a;
    return nullptr;
}
