#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <mutex>
#include <string>

#include "KyFileTask.h"
#include "KyMediaFile_t.h"

// Media root as 8-bit text, "/" until the browser learns the real one. Written
// and read on the user-interface thread only (tasks take a copy when queued).
extern std::string g_mediaRootPath8;

// The file-service worker: runs queued tasks one at a time, first in first
// out, each on a fresh connection, and reports through queued signals.
class TcpSocketClient : public QThread {
    Q_OBJECT
public:
    // Listing hook: called with a copy of the freshly built list.
    typedef void (*ListCallback)(const QList<KyMediaFile_t>& list);

    static TcpSocketClient* instance();
    explicit TcpSocketClient(QObject* parent = nullptr);
    ~TcpSocketClient() override;

    // Asks the worker to stop and waits until it has (its waits check the
    // request every few tens of milliseconds); start() runs it again.
    void stop();
    void setServer(const QString& ip, int port);
    void setRecordServer(const QString& host, int port);
    QString recordHost() const;
    int recordPort() const;
    QString mediaRoot() const;

    void setMediaListCallback(ListCallback cb) { mMediaListCallback = cb; }
    void setTaskMediaListCallback(ListCallback cb) { mTaskMediaListCallback = cb; }
    // Scales every wait (tests shorten the time-outs with it).
    void setTimeScale(double scale) { mTimeScale = scale; }

    void getFileRoot();
    void getFileList(const QString& dir);
    // Runs the listing at once on the calling thread; returns after the hook.
    void getTaskFileList(const QString& dir);
    // False (nothing queued) when a path would write outside the chosen folder.
    bool getFile(const QString& remotePath, const QString& localPath, int id);
    void postFile(const QString& localPath, const QString& remotePath, int id);
    void deleteEntry(const QString& path, int isDir);
    void rename(const QString& oldPath, const QString& newPath, int isDir);
    void createDir(const QString& path);

    static QString fileNameOfPath(const QString& path);
    static QString dirOfPath(const QString& path);

signals:
    void socketGetMediaPath(QString path);
    void socketUpdateMedia();
    void ftpError(int code, QString path, int status);
    void updateProgressIndicator(int id, int size, int status);
    // Bytes the file service announced for download id, before its data:
    // the download is complete when they have arrived.
    void downloadAnnounced(int id, qint64 bytes);
    void updateRecordDownloadMsgTip(QString filename, int percent, int status);

protected:
    void run() override;

private:
    enum DirCheck { HasSubDir, NoSubDir, CheckFailed };
    struct Endpoint {
        QString host;
        int port;
    };

    // The record endpoint for a recording when one is set apart from the main host.
    Endpoint endpoint(bool recording) const;
    void queue(int type, int mode, const QString& source, const QString& target, int id);
    void enqueue(const KyFileTask& task);
    bool takeTask(KyFileTask* task);
    void runTask(const KyFileTask& task);
    int scaled(int ms) const { return static_cast<int>(ms * mTimeScale); }
    int nextCSeq() { return mCSeq.fetch_add(1); }
    QByteArray cseqText() { return QByteArray::number(nextCSeq()); }

    // One request and its reply on the main endpoint; false when no usable reply came.
    bool exchange(const QByteArray& request, int connectMs, int replyMs, bool perWait, QByteArray* reply);
    QByteArray listRequest(const QString& dir);

    void runFileRoot();
    void runListing(const KyFileTask& task);
    bool fetchListing(const QString& dir, QList<KyMediaFile_t>* list, bool* usable);
    DirCheck checkSubDirs(const QString& dir);
    void runGetFile(const KyFileTask& task);
    void runPostFile(const KyFileTask& task);
    void runDelete(const KyFileTask& task);
    void runRename(const KyFileTask& task);
    void runCreateDir(const KyFileTask& task);

    std::atomic<int> mCSeq{1};
    std::atomic<double> mTimeScale{1.0};
    mutable std::mutex mStateMutex;   // endpoints and media root
    QString mServerIp;
    int mServerPort = 0;
    QString mRecordServerIp;
    int mRecordServerPort = 0;
    QString mMediaRoot;
    std::atomic<ListCallback> mMediaListCallback{nullptr};
    std::atomic<ListCallback> mTaskMediaListCallback{nullptr};
    std::mutex mTaskMutex;
    QList<KyMediaFile_t> mMediaMgrInfoList;    // worker thread only
    QList<KyMediaFile_t> mTaskMediaInfoList;   // calling thread of getTaskFileList only
    QList<KyFileTask> mTaskList;
};
