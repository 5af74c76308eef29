#include "KyTestFileService.h"

#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <chrono>

#include "KyTestFileSession.h"

namespace {

// Hands accepted descriptors over instead of wrapping them in sockets of the
// acceptor's thread.
class KyTestFileListener : public QTcpServer {
public:
    std::vector<qintptr> pending;

protected:
    void incomingConnection(qintptr descriptor) override { pending.push_back(descriptor); }
};

} // namespace

KyTestFileService::KyTestFileService(const QString& folder, const QString& fileRoot)
    : mFolder(QDir(folder).absolutePath()), mFileRoot(fileRoot)
{
    QDir().mkpath(mFolder);
}

KyTestFileService::~KyTestFileService()
{
    stop();
}

quint16 KyTestFileService::start(quint16 port, const QString& host)
{
    if (mRunning)
        return mPort;
    mRunning = true;
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mStarted = false;
        mListenFailed = false;
    }
    mAcceptor = std::thread(&KyTestFileService::acceptLoop, this, host, port);
    std::unique_lock<std::mutex> lock(mMutex);
    mChanged.wait(lock, [this] { return mStarted; });
    if (mListenFailed) {
        lock.unlock();
        stop();
        return 0;
    }
    return mPort;
}

void KyTestFileService::stop()
{
    mRunning = false;
    if (mAcceptor.joinable())
        mAcceptor.join();
    std::vector<Worker> workers;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        workers.swap(mWorkers);
    }
    for (Worker& w : workers)
        w.thread.join();
}

void KyTestFileService::acceptLoop(QString host, quint16 port)
{
    KyTestFileListener listener;
    const bool ok = listener.listen(QHostAddress(host), port);
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mPort = ok ? listener.serverPort() : 0;
        mListenFailed = !ok;
        mStarted = true;
    }
    mChanged.notify_all();
    if (!ok) {
        fprintf(stderr, "file service: cannot listen on %s:%u\n", qPrintable(host), unsigned(port));
        return;
    }
    while (mRunning) {
        listener.waitForNewConnection(50);
        for (qintptr fd : listener.pending) {
            const int connection = ++mConnections;
            auto done = std::make_shared<std::atomic<bool>>(false);
            std::lock_guard<std::mutex> lock(mMutex);
            mWorkers.push_back(Worker{std::thread(&KyTestFileService::serve, this, fd, connection, done), done});
        }
        listener.pending.clear();
        reapWorkers();
    }
}

void KyTestFileService::serve(qintptr descriptor, int connection, std::shared_ptr<std::atomic<bool>> done)
{
    {
        QTcpSocket socket;
        if (socket.setSocketDescriptor(descriptor)) {
            KyTestFileSession(*this, socket, connection).run();
            socket.flush();
            socket.close();
        }
    }
    *done = true;
}

void KyTestFileService::reapWorkers()
{
    std::lock_guard<std::mutex> lock(mMutex);
    for (auto it = mWorkers.begin(); it != mWorkers.end();) {
        if (*it->done) {
            it->thread.join();
            it = mWorkers.erase(it);
        } else {
            ++it;
        }
    }
}

std::vector<KyTestFileService::Request> KyTestFileService::requests(const QString& command) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    std::vector<Request> out;
    for (const Request& r : mRequests) {
        if (command.isEmpty() || r.command == command)
            out.push_back(r);
    }
    return out;
}

void KyTestFileService::clearRequests()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mRequests.clear();
}

bool KyTestFileService::waitForRequests(int count, int timeoutMs, const QString& command) const
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (int(requests(command).size()) >= count)
            return true;
        std::unique_lock<std::mutex> lock(mMutex);
        if (mChanged.wait_until(lock, until) == std::cv_status::timeout)
            return false;
    }
}

void KyTestFileService::setKnob(const QString& name, qint64 value, int gapMs, int times)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mKnobs[name] = Knob{times, value, gapMs};
}

bool KyTestFileService::takeKnob(const QString& name, Knob* knob)
{
    std::lock_guard<std::mutex> lock(mMutex);
    auto it = mKnobs.find(name);
    if (it == mKnobs.end() || it->times == 0)
        return false;
    *knob = *it;
    if (it->times > 0)
        --it->times;
    return true;
}

bool KyTestFileService::sleepUnlessStopped(int ms) const
{
    for (int slept = 0; slept < ms && mRunning; slept += 10)
        QThread::msleep(10);
    return mRunning;
}

void KyTestFileService::setCloseAfter(qint64 bytes, int times) { setKnob(QStringLiteral("close"), bytes, 0, times); }
void KyTestFileService::setStallAfter(qint64 bytes, int times) { setKnob(QStringLiteral("stall"), bytes, 0, times); }
void KyTestFileService::setFileLenMode(FileLenMode mode, int times) { setKnob(QStringLiteral("filelen"), mode, 0, times); }
void KyTestFileService::setSplitReply(const QString& command, int pieces, int gapMs, int times)
{
    setKnob(QStringLiteral("split:") + command, pieces, gapMs, times);
}
void KyTestFileService::setReplyDelay(const QString& command, int ms, int times)
{
    setKnob(QStringLiteral("delay:") + command, ms, 0, times);
}
void KyTestFileService::setNoReply(const QString& command, int times) { setKnob(QStringLiteral("noreply:") + command, 1, 0, times); }
void KyTestFileService::setListingNotJson(int times, bool deep)
{
    setKnob(QStringLiteral("notjson"), deep ? 2 : 1, 0, times);
}
void KyTestFileService::setReplyPadding(const QString& command, qint64 bytes, int times)
{
    setKnob(QStringLiteral("pad:") + command, bytes, 0, times);
}

void KyTestFileService::setListedName(const QString& name)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mListedName = name;
}

QString KyTestFileService::listedName() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mListedName;
}
