// Downloads and uploads of the file-service worker.
#include "TcpSocketClient.h"

#include <QFile>
#include <QTemporaryFile>

#include <climits>
#include <cstdio>

#include "KyFileConnection.h"
#include "KyFileRequest.h"

using namespace KyFileRequest;

namespace {

constexpr qint64 kMaxRead = 4 * 1024 * 1024;

int percentOf(qint64 done, qint64 total)
{
    return total <= 0 ? 100 : static_cast<int>(done * 100 / total);
}

// Moves a finished temporary file over target in one step.
bool replaceTarget(QTemporaryFile& part, const QString& target)
{
    part.close();
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    part.setAutoRemove(false);
    return true;
}

} // namespace

void TcpSocketClient::runGetFile(const KyFileTask& task)
{
    const QString& remote = task.sourcePath;
    const QString name = fileNameOfPath(remote);
    const bool recording = isRecordingPath(remote);
    qint64 total = 0;
    auto report = [&](qint64 done, int status) {
        if (status == -1 && isInterruptionRequested())
            return;   // stopped at the program's end: no failure, the journal keeps the job
        if (recording)
            emit updateRecordDownloadMsgTip(name, status == 1 ? 100 : total > 0 ? percentOf(done, total) : 0, status);
        else
            emit updateProgressIndicator(task.id, static_cast<int>(done), status);
    };

    const QByteArray request =
        format(kGetFile, {cseqText(), dirOfPath(remote).toUtf8(), name.toUtf8()}, kGetFileBufferSize);
    const Endpoint from = endpoint(recording);
    KyFileConnection conn(from.host, from.port, scaled(kGetConnectWait));
    QByteArray header, data;
    if (request.isEmpty() || !conn.send(request, scaled(kLongWait))
        || !conn.readReply(scaled(kLongWait), true, &header, &data) || (total = KyFileConnection::downloadLength(header)) < 0) {
        total = 0;
        report(0, -1);
        return;
    }
    if (!recording)
        emit downloadAnnounced(task.id, total);
    // Written under a temporary name; the target is replaced only when complete.
    QTemporaryFile file(task.targetPath + QStringLiteral(".XXXXXX.part"));
    if (!file.open()) {
        report(0, -1);
        return;
    }
    data.truncate(static_cast<int>(qMin<qint64>(data.size(), total)));
    qint64 done = file.write(data) == data.size() ? data.size() : -1;
    int lastPercent = percentOf(done, total);
    QTcpSocket& sock = conn.socket();
    while (done >= 0 && done < total) {
        if (isInterruptionRequested())
            return;   // stopped at the program's end: the partial file goes
        if (sock.bytesAvailable() == 0 && !conn.waitForData(scaled(kLongWait)) && sock.bytesAvailable() == 0)
            break;
        const QByteArray piece = sock.read(qMin(total - done, kMaxRead));
        if (file.write(piece) != piece.size())
            break;
        done += piece.size();
        const int percent = percentOf(done, total);
        if (percent > lastPercent && done < total) {
            lastPercent = percent;
            report(done, 0);
        }
    }
    if (done != total || !replaceTarget(file, task.targetPath)) {
        report(qMax<qint64>(done, 0), -1);
        return;
    }
    report(total, recording ? 1 : 0);
}

void TcpSocketClient::runPostFile(const KyFileTask& task)
{
    const QString& local = task.sourcePath;
    qint64 done = 0;
    // A stop at the program's end is no failure: the journal keeps the job.
    auto fail = [&]() {
        if (!isInterruptionRequested())
            emit updateProgressIndicator(task.id, static_cast<int>(done), -1);
    };

    QFile file(local);
    if (!file.open(QIODevice::ReadOnly) || file.size() > INT_MAX) {
        fprintf(stderr, "upload of %s failed: cannot read the file\n", qPrintable(local));
        fail();
        return;
    }
    const qint64 size = file.size();
    const QByteArray request = format(kPostFile, {dirOfPath(task.targetPath).toUtf8(),
        cseqText(), fileNameOfPath(local).toUtf8(), QByteArray::number(size)}, kPostFileBufferSize);
    const Endpoint to = endpoint(false);
    KyFileConnection conn(to.host, to.port, scaled(kConnectWait));
    if (request.isEmpty() || !conn.send(request, scaled(kLongWait))) {
        fail();
        return;
    }
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    for (;;) {
        if (isInterruptionRequested())
            return;   // stopped at the program's end
        const qint64 n = file.read(piece.data(), kPieceSize);
        if (n < 0 || (n > 0 && !conn.send(piece.left(static_cast<int>(n)), scaled(kLongWait)))) {
            fail();
            return;
        }
        if (n == 0)
            break;
        done += n;
        // The last report waits for the server's reply.
        if (done < size)
            emit updateProgressIndicator(task.id, static_cast<int>(done), 0);
        msleep(kPiecePauseMs);
    }
    QByteArray text;
    Json::Value reply;
    if (done != size || !conn.readReply(scaled(kReplyWait), false, &text)
        || !KyFileConnection::parseReply(text, reply)) {
        fail();
        return;
    }
    emit updateProgressIndicator(task.id, static_cast<int>(done), 0);
}
