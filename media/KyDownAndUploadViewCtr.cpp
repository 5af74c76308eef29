#include "KyDownAndUploadViewCtr.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProgressBar>
#include <QTableWidget>

#include "KyFileNote.h"
#include "KyFtpMng.h"
#include "KyTextUtil.h"
#include "KyTranscodeProcess.h"

namespace {

const char kJournalName[] = "UploadAndDownloadNote";
const char kFailedText[] = "网络传输错误！";
const char kFailedColour[] = "#fdf6ec";

QString stateText(int state)
{
    return state >= 0 && state <= KyStateFailed ? QString::fromUtf8(g_transferStateNames[state]) : QString();
}

// A new job with a fresh id; null texts become empty.
KyTransferRecord newJob(int state, const char* name, const char* source, const char* target, int size)
{
    KyTransferRecord r;
    r.id = KyTransferRecord::nextId();
    r.state = state;
    r.size = size;
    r.name = name ? name : "";
    r.source = source ? source : "";
    r.target = target ? target : "";
    return r;
}

int percentOf(int64_t done, int64_t total)
{
    return total != 0 ? static_cast<int>(done * 100 / total) : 0;
}

} // namespace

KyDownAndUploadViewCtr::KyDownAndUploadViewCtr(QTableWidget* table)
    : mTable(table), mNote(new KyFileNote(kJournalName))
{
    mNote->open("rb");
    prepareTempFolder();
    setupTable();
    mMenu = new QMenu();
    mDownloadAction = mMenu->addAction(stateText(KyStateDownloading));
    mUploadAction = mMenu->addAction(stateText(KyStateUploading));
    mPauseAction = mMenu->addAction(stateText(KyStatePaused));
    mDeleteAction = mMenu->addAction(stateText(KyStateIdle));
    connect(mDownloadAction, &QAction::triggered, this, &KyDownAndUploadViewCtr::downloadAction);
    connect(mUploadAction, &QAction::triggered, this, &KyDownAndUploadViewCtr::uploadAction);
    connect(mPauseAction, &QAction::triggered, this, &KyDownAndUploadViewCtr::pauseAction);
    connect(mDeleteAction, &QAction::triggered, this, &KyDownAndUploadViewCtr::deleteAction);
    mTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mTable, &QTableWidget::itemSelectionChanged, this, &KyDownAndUploadViewCtr::tableWidgetClick);
    connect(mTable, &QTableWidget::customContextMenuRequested, this, &KyDownAndUploadViewCtr::showMediaMenu);
    mTimerId = startTimer(kTickMs, Qt::CoarseTimer);
}

KyDownAndUploadViewCtr::~KyDownAndUploadViewCtr()
{
    killTimer(mTimerId);
    saveJobs();
    for (KyTransferRecord& r : transcodeQueue)
        delete r.transcoder;
    transcodeQueue.clear();
    jobs.clear();
    delete mMenu;
    delete mNote;
}

int KyDownAndUploadViewCtr::addDownloadJob(const char* name, const char* remote, const char* local, int size)
{
    if (!name && !remote && !local)
        return -1;
    KyTransferRecord r = newJob(KyStateDownloading, name, remote, local, size);
    if (startDownload(&r) != 0)
        return -1;
    return appendJob(&r);
}

int KyDownAndUploadViewCtr::addUploadJob(const char* name, const char* local, const char* remote, int size)
{
    if (!name && !local && !remote)
        return -1;
    KyTransferRecord r =
        newJob(transcodeQueue.empty() ? KyStateTranscoding : KyStateWaitTranscode, name, local, remote, size);
    r.upload = true;
    transcodeQueue.push_back(r);
    if (r.state == KyStateTranscoding) {
        startTranscode(transcodeQueue.back());
        r.transcoder = transcodeQueue.back().transcoder;
    }
    return appendJob(&r);
}

bool KyDownAndUploadViewCtr::startTranscode(KyTransferRecord& record)
{
    auto* run = new KyTranscodeProcess();
    QDir().mkpath(tempFolderFor(record.id));
    const QString target = tempPathFor(QString::fromStdString(record.source), record.id);
    record.transcoder = run;
    // Queued: a run that fails at once reports after the queue entry is complete.
    connect(run, &KyTranscodeProcess::transcode_finished, this, &KyDownAndUploadViewCtr::transcode_finished,
            Qt::QueuedConnection);
    run->start(record.source.c_str(), target.toUtf8().constData());
    return true;
}

void KyDownAndUploadViewCtr::transcode_finished(bool ok, QString fname)
{
    if (transcodeQueue.empty())
        return;
    KyTransferRecord head = transcodeQueue.front();
    if (sender() && sender() != head.transcoder)
        return;
    KyTranscodeProcess* run = head.transcoder;
    head.transcoder = nullptr;
    if (ok) {
        finishTranscode(head, fname);
    } else {
        // Shown as a failed row; the next upload goes on.
        updateJob(head.id, [](KyTransferRecord& r) {
            r.state = KyStateFailed;
            r.transcoder = nullptr;
        });
    }
    transcodeQueue.pop_front();
    if (run)
        run->deleteLater();
    startNextTranscode();
}

void KyDownAndUploadViewCtr::finishTranscode(KyTransferRecord& head, const QString& converted)
{
    head.source = converted.toStdString();
    // Named as the server receives it: the converted file's name in the target folder.
    head.name = fileNameOfPath(head.source);
    head.target = head.target.substr(0, head.target.rfind('/') + 1) + head.name;
    head.size = QFileInfo(converted).size();
    head.state = KyStateUploading;
    KyFtpMng* mng = KyFtpMng::instance();
    if (!mng || mng->uploadFile(head.source, head.target, head.id) != 0)
        head.state = KyStateFailed;
    refreshRowOf(head);
    updateJob(head.id, [&](KyTransferRecord& r) { r = head; });
}

void KyDownAndUploadViewCtr::startNextTranscode()
{
    if (transcodeQueue.empty())
        return;
    KyTransferRecord& next = transcodeQueue.front();
    next.state = KyStateTranscoding;
    startTranscode(next);
    updateJob(next.id, [&](KyTransferRecord& r) {
        r.state = next.state;
        r.transcoder = next.transcoder;
    });
    refreshRowOf(next);
}

void KyDownAndUploadViewCtr::slot_progressIndicator(int id, int bytes, int status)
{
    updateJob(id, [&](KyTransferRecord& r) {
        r.transferred = bytes;
        if (status == -1)
            r.state = KyStateFailed;
    });
}

void KyDownAndUploadViewCtr::slot_downloadAnnounced(int id, qint64 bytes)
{
    // The file may have changed since the listing: the service's count holds.
    KyTransferRecord job;
    if (!updateJob(id, [&](KyTransferRecord& r) {
            r.size = bytes;
            job = r;
        }))
        return;
    refreshRowOf(job);
}

void KyDownAndUploadViewCtr::timerEvent(QTimerEvent*)
{
    for (int row = mTable->rowCount() - 1; row >= 0; --row) {
        const int id = cellInt(row, 0);
        const KyTransferRecord job = findJob(id);
        if (job.state == KyStateFailed) {
            if (job.errorTicks == 0)
                markFailedRow(row, id);
            if (job.errorTicks <= kFailedTicks) {
                updateJob(id, [](KyTransferRecord& r) { ++r.errorTicks; });
            } else {
                removeRow(row);
                removeJob(id);
            }
            return;
        }
        // A job still converting is not done, whatever its size says.
        const bool converting = job.state == KyStateWaitTranscode || job.state == KyStateTranscoding;
        if (!converting && job.transferred == job.size) {
            removeRow(row);
            removeJob(id);
            return;
        }
        updateJob(id, [&](KyTransferRecord& r) { r.shownTransferred = job.transferred; });
        if (auto* bar = qobject_cast<QProgressBar*>(mTable->cellWidget(row, 2)))
            bar->setValue(percentOf(job.transferred, job.size));
    }
}

KyTransferRecord KyDownAndUploadViewCtr::findJob(int id)
{
    QMutexLocker lock(&mMutex);
    for (const KyTransferRecord& r : jobs) {
        if (r.id == id)
            return r;
    }
    return KyTransferRecord();
}

std::list<KyTransferRecord> KyDownAndUploadViewCtr::jobList()
{
    QMutexLocker lock(&mMutex);
    return jobs;
}

template <typename F>
bool KyDownAndUploadViewCtr::updateJob(int id, F change)
{
    QMutexLocker lock(&mMutex);
    for (KyTransferRecord& r : jobs) {
        if (r.id == id) {
            change(r);
            return true;
        }
    }
    return false;
}

bool KyDownAndUploadViewCtr::takeJob(int id, KyTransferRecord* out)
{
    QMutexLocker lock(&mMutex);
    for (auto it = jobs.begin(); it != jobs.end(); ++it) {
        if (it->id == id) {
            if (out)
                *out = *it;
            jobs.erase(it);
            return true;
        }
    }
    return false;
}

int KyDownAndUploadViewCtr::removeJob(int id)
{
    KyTransferRecord job;
    if (!takeJob(id, &job))
        return -1;
    // Only an upload has a converted file, in a folder of its own.
    if (job.upload)
        QDir(tempFolderFor(id)).removeRecursively();
    return 0;
}

int KyDownAndUploadViewCtr::appendJob(const KyTransferRecord* record)
{
    if (!record)
        return -1;
    {
        QMutexLocker lock(&mMutex);
        jobs.push_back(*record);
    }
    addJobRow(*record);
    return 0;
}

void KyDownAndUploadViewCtr::addJobRow(const KyTransferRecord& record)
{
    const int row = mTable->rowCount();
    mTable->insertRow(row);
    refreshJobRow(row, &record);
    auto* bar = new QProgressBar();
    bar->setRange(0, 100);
    bar->setValue(percentOf(record.shownTransferred, record.size));
    mTable->setCellWidget(row, 2, bar);
}

int KyDownAndUploadViewCtr::refreshJobRow(int row, const KyTransferRecord* record)
{
    if (!record)
        return -1;
    setCellText(stateText(record->state), row, 0, record->id);
    setCellText(localToQString(record->name), row, 1, static_cast<int>(record->size));
    setCellText(QString::fromStdString(formatSizeMB(record->size)), row, 3, 0);
    return 0;
}

void KyDownAndUploadViewCtr::refreshRowOf(const KyTransferRecord& record)
{
    const int row = findRowById(record.id);
    if (row >= 0)
        refreshJobRow(row, &record);
}

void KyDownAndUploadViewCtr::markFailedRow(int row, int id)
{
    mTable->removeCellWidget(row, 2);
    setCellText(QString::fromUtf8(kFailedText), row, 2, id);
    setCellText(stateText(KyStateFailed), row, 0, id);
    setRowBackground(mTable, row, QColor(kFailedColour));
}

int KyDownAndUploadViewCtr::startDownload(const KyTransferRecord* record)
{
    if (!record || record->state != KyStateDownloading)
        return -1;
    KyFtpMng* mng = KyFtpMng::instance();
    return mng && mng->downloadFile(record->source, record->target, record->id) == 0 ? 0 : -1;
}

int KyDownAndUploadViewCtr::startUpload(const KyTransferRecord* record)
{
    if (!record || record->state != KyStateUploading)
        return -1;
    KyFtpMng* mng = KyFtpMng::instance();
    return mng && mng->uploadFile(record->source, record->target, record->id) == 0 ? 0 : -1;
}

void KyDownAndUploadViewCtr::updateMenuActions(const KyTransferRecord& record)
{
    for (QAction* a : {mDownloadAction, mUploadAction, mPauseAction, mDeleteAction})
        a->setEnabled(true);
    if (record.id > 0 && (record.state == KyStateDownloading || record.state == KyStateUploading)) {
        mDownloadAction->setEnabled(false);
        mUploadAction->setEnabled(false);
        mDeleteAction->setEnabled(false);
    }
}

bool KyDownAndUploadViewCtr::currentJob(KyTransferRecord* out)
{
    QTableWidgetItem* item = mTable->item(mTable->currentRow(), 0);
    if (!item)
        return false;
    *out = findJob(item->data(Qt::UserRole).toInt());
    return !out->name.empty();
}

void KyDownAndUploadViewCtr::moveCurrentToEnd(const KyTransferRecord& job)
{
    // Taken out without deleting its converted file: a new request reads it.
    takeJob(job.id, nullptr);
    {
        QMutexLocker lock(&mMutex);
        jobs.push_back(job);
    }
    refreshJobRow(mTable->currentRow(), &job);
    updateMenuActions(job);
}

void KyDownAndUploadViewCtr::downloadAction()
{
    KyTransferRecord job;
    if (currentJob(&job) && startDownload(&job) == 0)
        moveCurrentToEnd(job);
}

void KyDownAndUploadViewCtr::uploadAction()
{
    KyTransferRecord job;
    if (currentJob(&job) && startUpload(&job) == 0)
        moveCurrentToEnd(job);
}

void KyDownAndUploadViewCtr::pauseAction()
{
    KyTransferRecord job;
    KyFtpMng* mng = KyFtpMng::instance();
    if (!currentJob(&job) || !mng || mng->transferState(job.handle) != 0)
        return;
    job.state = KyStatePaused;
    moveCurrentToEnd(job);
}

void KyDownAndUploadViewCtr::deleteAction() {}

void KyDownAndUploadViewCtr::tableWidgetClick()
{
    KyTransferRecord job;
    if (currentJob(&job))
        updateMenuActions(job);
}

void KyDownAndUploadViewCtr::showMediaMenu(const QPoint& pos)
{
    if (mTable->itemAt(pos))
        mMenu->exec(QCursor::pos());
}

void KyDownAndUploadViewCtr::saveJobs()
{
    mNote->close();
    if (mNote->open("w+b") != 0)
        return;
    unsigned char bytes[KyTransferRecord::kJournalSize];
    for (KyTransferRecord job : jobs) {
        if (job.id > 0)
            job.id = -job.id;
        job.toJournal(bytes);
        mNote->writeRecord(bytes, KyTransferRecord::kJournalSize);
    }
    mNote->close();
}
