#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <json/json.h>

// Stand-in for the server's file service: JSON commands over TCP, one request
// per connection, over a folder on disk. Paths that begin with the announced
// media root (fileRoot) map below that folder; so do relative ones.
class KyTestFileService {
public:
    enum FileLenMode {
        FileLenNormal,
        FileLenMissing,     // header without FileLen
        FileLenNonNumeric,  // "FileLen":"abc"
        FileLenNumber,      // FileLen as a JSON number
        FileLenShort,       // announces more bytes than it sends, then closes
        FileLenHalf,        // announces half the file, then sends all of it
        FileLenDeepJson,    // a header nested 999 levels deep
    };
    struct Request {
        int connection = 0;
        QByteArray raw;     // the request text including its "\r\n\r\n"
        QString command;    // empty when the text was not a JSON object
        Json::Value json;
    };

    explicit KyTestFileService(const QString& folder, const QString& fileRoot = QStringLiteral("/data/media"));
    ~KyTestFileService();

    // Listens on host:port (0 = any free port) in threads of its own; returns the port, 0 on failure.
    quint16 start(quint16 port = 0, const QString& host = QStringLiteral("127.0.0.1"));
    void stop();
    quint16 port() const { return mPort; }
    QString folder() const { return mFolder; }
    QString fileRoot() const { return mFileRoot; }

    std::vector<Request> requests(const QString& command = QString()) const;
    void clearRequests();
    bool waitForRequests(int count, int timeoutMs, const QString& command = QString()) const;
    int connectionCount() const { return mConnections; }

    // Fault knobs; times = how many exchanges they apply to (-1: all).
    void setCloseAfter(qint64 bytes, int times = 1);   // GetFile data sent / PostFile data taken, then close
    void setStallAfter(qint64 bytes, int times = 1);   // GetFile data sent, then silence until stopped
    void setFileLenMode(FileLenMode mode, int times = 1);
    void setSplitReply(const QString& command, int pieces, int gapMs, int times = 1);
    void setReplyDelay(const QString& command, int ms, int times = 1);
    void setNoReply(const QString& command, int times = 1);   // closes without a reply
    // deep: a JSON body nested 999 levels instead of plain text.
    void setListingNotJson(int times = 1, bool deep = false);
    // Writes bytes blanks ahead of the reply (JSON allows leading blanks).
    void setReplyPadding(const QString& command, qint64 bytes, int times = 1);
    // Every listing names one more file, one that no file on disk can be (a NUL in its name); empty: none.
    void setListedName(const QString& name);
    QString listedName() const;

private:
    struct Knob {
        int times = 0;
        qint64 value = 0;
        int gapMs = 0;
    };

    void acceptLoop(QString host, quint16 port);
    void serve(qintptr descriptor, int connection, std::shared_ptr<std::atomic<bool>> done);
    void reapWorkers();
    bool takeKnob(const QString& name, Knob* knob);
    void setKnob(const QString& name, qint64 value, int gapMs, int times);
    bool sleepUnlessStopped(int ms) const;

    friend class KyTestFileSession;

    QString mFolder;
    QString mFileRoot;
    std::atomic<bool> mRunning{false};
    std::atomic<quint16> mPort{0};
    std::atomic<int> mConnections{0};
    std::thread mAcceptor;
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::vector<Worker> mWorkers;   // guarded by mMutex
    mutable std::mutex mMutex;
    mutable std::condition_variable mChanged;
    std::vector<Request> mRequests;
    QMap<QString, Knob> mKnobs;
    QString mListedName;
    bool mStarted = false;
    bool mListenFailed = false;
};
