#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include <list>

#include "KyTerBaseCtr.h"
#include "KyTransferRecord.h"

class KyFileNote;
class QAction;
class QMenu;
class QTableWidget;

// The transfer table: one row per download or upload job, progress from the
// worker, finished jobs removed and failed ones shown for a while by a 200 ms
// timer; uploads are re-encoded one at a time before they are sent. Jobs
// still listed at the end go to the journal "UploadAndDownloadNote".
class KyDownAndUploadViewCtr : public QObject, public KyTerBaseCtr {
    Q_OBJECT
public:
    static constexpr int kTickMs = 200;
    static constexpr int kFailedTicks = 10;   // ticks a marked failed row stays after the first

    explicit KyDownAndUploadViewCtr(QTableWidget* table);
    ~KyDownAndUploadViewCtr() override;

    // Texts UTF-8; 0 when the job was created, -1 when refused.
    int addDownloadJob(const char* name, const char* remote, const char* local, int size);
    int addUploadJob(const char* name, const char* local, const char* remote, int size);
    void saveJobs();

    // A copy of the first job with the id; a fresh record (empty name) when none has it.
    KyTransferRecord findJob(int id);
    std::list<KyTransferRecord> jobList();

    void setGeometry(const QRect&) override {}
    QWidget* widget() override { return nullptr; }
    QTableWidget* table() override { return mTable; }

public slots:
    void downloadAction();
    void uploadAction();
    void pauseAction();
    void deleteAction();
    void tableWidgetClick();
    void showMediaMenu(const QPoint& pos);
    void transcode_finished(bool ok, QString fname);
    void slot_progressIndicator(int id, int bytes, int status);
    // The size the file service announced replaces the listing's.
    void slot_downloadAnnounced(int id, qint64 bytes);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    bool startTranscode(KyTransferRecord& record);
    void finishTranscode(KyTransferRecord& head, const QString& converted);
    void startNextTranscode();
    bool takeJob(int id, KyTransferRecord* out);
    int removeJob(int id);
    // Under the mutex, applies change to the first job with the id.
    template <typename F>
    bool updateJob(int id, F change);
    int appendJob(const KyTransferRecord* record);
    void addJobRow(const KyTransferRecord& record);
    int refreshJobRow(int row, const KyTransferRecord* record);
    void refreshRowOf(const KyTransferRecord& record);
    void markFailedRow(int row, int id);
    int startDownload(const KyTransferRecord* record);
    int startUpload(const KyTransferRecord* record);
    void updateMenuActions(const KyTransferRecord& record);
    // The current row's job, updated, goes to the end of the list.
    void moveCurrentToEnd(const KyTransferRecord& job);
    bool currentJob(KyTransferRecord* out);

    QTableWidget* mTable;
    std::list<KyTransferRecord> jobs;
    QMutex mMutex;
    KyFileNote* mNote;
    QMenu* mMenu;
    QAction* mDownloadAction;
    QAction* mUploadAction;
    QAction* mPauseAction;
    QAction* mDeleteAction;
    std::list<KyTransferRecord> transcodeQueue;
    int mTimerId;
};
