// File-service transfer speed over loopback.
// Download of a 200 MB file through the worker against a plain socket copy of
// the same bytes (goal: ratio >= 0.8); upload of 2 MB against the ceiling of
// the paced 8192-byte pieces, 10 ms apart (goal: ratio >= 0.9): 256 pauses
// measure the pacing as well as thousands, in under 3 s.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>
#include <thread>

#include "KyTestFileService.h"
#include "TcpSocketClient.h"

namespace {

constexpr qint64 kDownloadSize = 200LL * 1024 * 1024;
constexpr qint64 kUploadSize = 2LL * 1024 * 1024;
constexpr qint64 kChunk = 256 * 1024;

bool makeFile(const QString& path, qint64 size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = char((i * 131 + 7) & 0xff);
    for (qint64 done = 0; done < size; done += block.size())
        f.write(block.constData(), qMin<qint64>(block.size(), size - done));
    return true;
}

bool sameFiles(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(kChunk) != fb.read(kChunk))
            return false;
    }
    return true;
}

// Serves the file's bytes once over a plain socket and copies them into target.
double plainCopySeconds(const QString& source, const QString& target)
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    QElapsedTimer clock;
    clock.start();
    std::thread sender([&] {
        QTcpSocket out;
        out.connectToHost(QHostAddress::LocalHost, port);
        out.waitForConnected(3000);
        QFile in(source);
        in.open(QIODevice::ReadOnly);
        while (!in.atEnd()) {
            out.write(in.read(kChunk));
            while (out.bytesToWrite() > 0 && out.waitForBytesWritten(30000)) {}
        }
        out.disconnectFromHost();
        if (out.state() != QAbstractSocket::UnconnectedState)
            out.waitForDisconnected(30000);
    });
    server.waitForNewConnection(3000);
    QTcpSocket* in = server.nextPendingConnection();
    QFile file(target);
    file.open(QIODevice::WriteOnly);
    qint64 got = 0;
    while (in && got < kDownloadSize) {
        if (in->bytesAvailable() == 0 && !in->waitForReadyRead(30000) && in->bytesAvailable() == 0)
            break;
        const QByteArray piece = in->read(4 * 1024 * 1024);
        file.write(piece);
        file.flush();
        got += piece.size();
    }
    file.close();
    const double seconds = clock.elapsed() / 1000.0;
    sender.join();
    return got == kDownloadSize ? seconds : -1;
}

// Runs one job on the worker; seconds until its last report, or -1 on failure.
double jobSeconds(TcpSocketClient& worker, qint64 size, const std::function<void()>& queue)
{
    bool ended = false, ok = false;
    QObject ctx;
    QObject::connect(&worker, &TcpSocketClient::updateProgressIndicator, &ctx, [&](int, int bytes, int status) {
        if (status != 0 || bytes == size) {
            ended = true;
            ok = status == 0;
        }
    }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    queue();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return ok ? clock.elapsed() / 1000.0 : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString base = QCoreApplication::applicationDirPath() + "/bench-filetransfer";
    QDir(base).removeRecursively();
    QDir().mkpath(base + "/srv");
    QDir().mkpath(base + "/local");
    int rc = 0;
    {
        KyTestFileService service(base + "/srv");
        TcpSocketClient worker;
        worker.setServer(QStringLiteral("127.0.0.1"), service.start());
        worker.start();

        const QString big = base + "/srv/big.bin";
        makeFile(big, kDownloadSize);
        double client = 1e9, plain = 1e9;
        for (int round = 0; round < 3 && rc == 0; ++round) {
            const double c = jobSeconds(worker, kDownloadSize, [&] {
                worker.getFile(QStringLiteral("/data/media/big.bin"), base + "/local/big.bin", 1);
            });
            const double p = plainCopySeconds(big, base + "/local/plain.bin");
            if (c < 0 || p < 0 || !sameFiles(big, base + "/local/big.bin")) {
                fprintf(stderr, "download failed\n");
                rc = 1;
            }
            client = qMin(client, c);
            plain = qMin(plain, p);
            QFile::remove(base + "/local/big.bin");
            QFile::remove(base + "/local/plain.bin");
        }
        QFile::remove(big);
        if (rc == 0)
            printf("download 200 MB: worker %.3f s, plain socket %.3f s, ratio %.2f (goal >= 0.8)\n", client, plain,
                   plain / client);

        const QString up = base + "/local/up.bin";
        makeFile(up, kUploadSize);
        const double upload = jobSeconds(worker, kUploadSize, [&] {
            worker.postFile(up, QStringLiteral("/data/media/up.bin"), 2);
        });
        const double ceiling = double((kUploadSize + 8191) / 8192) * 0.010;
        if (upload < 0 || !sameFiles(up, base + "/srv/up.bin")) {
            fprintf(stderr, "upload failed\n");
            rc = 1;
        } else {
            printf("upload 2 MB: worker %.3f s, paced ceiling %.3f s, ratio %.2f (goal >= 0.9)\n", upload, ceiling,
                   ceiling / upload);
        }
        fflush(stdout);
        service.stop();
    }
    QDir(base).removeRecursively();
    return rc;
}
