#pragma once

// Shared rig of the file-service tests: a stand-in file service over a
// temporary folder, a worker pointed at it, and the worker's signals collected
// on the test's thread through queued connections.
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <functional>
#include <memory>
#include <random>

#include "KyTestFileService.h"
#include "KyTestHost.h"
#include "TcpSocketClient.h"

struct KyFileTestRig {
    struct Progress { int id, size, status; };
    struct Tip { QString name; int percent, status; };
    struct Error { int code; QString path; int status; };

    QTemporaryDir tmp;
    std::unique_ptr<KyTestFileService> service;
    TcpSocketClient* worker = nullptr;
    std::unique_ptr<TcpSocketClient> ownWorker;
    QObject ctx;
    QList<Progress> progress;
    QList<Tip> tips;
    QList<Error> errors;
    QStringList roots;
    int updates = 0;

    QString host = QStringLiteral("127.0.0.1");

    // A fresh worker unless one (the process-wide one) is given. With a host,
    // the service listens on the console's port 8906 there.
    explicit KyFileTestRig(TcpSocketClient* shared = nullptr, const QString& fileRoot = QStringLiteral("/data/media"),
                           const QString& onHost = QString())
    {
        QDir().mkpath(localDir());
        service.reset(new KyTestFileService(srvDir(), fileRoot));
        if (onHost.isEmpty()) {
            service->start();
        } else {
            host = onHost;
            service->start(kyFileServicePort, host);
        }
        if (shared) {
            worker = shared;
            stopAtExit();
        } else {
            ownWorker.reset(new TcpSocketClient());
            worker = ownWorker.get();
        }
        worker->setServer(host, service->port());
        attach(worker);
        worker->start();
    }
    ~KyFileTestRig()
    {
        ownWorker.reset();
        service->stop();
    }

    // The process-wide worker may still be on a queued task when the test
    // ends: stopped as the application goes, so that it does not run on
    // into Qt's teardown.
    static void stopAtExit()
    {
        static const bool once = (qAddPostRoutine([] { TcpSocketClient::instance()->stop(); }), true);
        (void)once;
    }

    QString srvDir() const { return tmp.path() + "/srv"; }
    QString localDir() const { return tmp.path() + "/local"; }
    QString root() const { return service->fileRoot(); }

    void attach(TcpSocketClient* w)
    {
        QObject::connect(w, &TcpSocketClient::updateProgressIndicator, &ctx,
            [this](int id, int size, int status) { progress.append({id, size, status}); }, Qt::QueuedConnection);
        QObject::connect(w, &TcpSocketClient::updateRecordDownloadMsgTip, &ctx,
            [this](QString n, int p, int s) { tips.append({n, p, s}); }, Qt::QueuedConnection);
        QObject::connect(w, &TcpSocketClient::ftpError, &ctx,
            [this](int c, QString p, int s) { errors.append({c, p, s}); }, Qt::QueuedConnection);
        QObject::connect(w, &TcpSocketClient::socketGetMediaPath, &ctx,
            [this](QString r) { roots.append(r); }, Qt::QueuedConnection);
        QObject::connect(w, &TcpSocketClient::socketUpdateMedia, &ctx, [this] { ++updates; }, Qt::QueuedConnection);
    }

    static bool waitUntil(const std::function<bool()>& cond, int ms = 20000)
    {
        QElapsedTimer t;
        t.start();
        while (!cond()) {
            if (t.elapsed() > ms)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
        }
        return true;
    }

    // Waits until every task queued so far has run and its signals arrived.
    bool drain(int ms = 60000)
    {
        const int before = roots.size();
        worker->getFileRoot();
        return waitUntil([&] { return roots.size() > before; }, ms);
    }

    // Ends (status -1, or the last report of a finished job) of job id.
    QList<Progress> endsOf(int id, int size) const
    {
        QList<Progress> out;
        for (const Progress& p : progress) {
            if (p.id == id && (p.status != 0 || p.size == size))
                out.append(p);
        }
        return out;
    }

    // Reports of job id with status -1.
    QList<Progress> failuresOf(int id) const
    {
        QList<Progress> out;
        for (const Progress& p : progress) {
            if (p.id == id && p.status == -1)
                out.append(p);
        }
        return out;
    }

    static QByteArray randomBytes(int n, unsigned seed)
    {
        std::mt19937 gen(seed);
        QByteArray b(n, Qt::Uninitialized);
        for (int i = 0; i < n; ++i)
            b[i] = char(gen() & 0xff);
        return b;
    }

    static void writeFile(const QString& path, const QByteArray& data)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(data);
    }

    // A 16-bit PCM WAV of a sine tone (frequency 0: silence), for the encoder.
    static void writeWav(const QString& path, double seconds, int rate, int channels, double freq)
    {
        const int frames = int(seconds * rate);
        QByteArray pcm;
        pcm.reserve(frames * channels * 2);
        for (int i = 0; i < frames; ++i) {
            const qint16 v = qint16(8000 * std::sin(2 * M_PI * freq * i / rate));
            for (int c = 0; c < channels; ++c)
                pcm.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
        }
        QByteArray h;
        QDataStream s(&h, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s.writeRawData("RIFF", 4);
        s << quint32(36 + pcm.size());
        s.writeRawData("WAVEfmt ", 8);
        s << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * 2)
          << quint16(channels * 2) << quint16(16);
        s.writeRawData("data", 4);
        s << quint32(pcm.size());
        writeFile(path, h + pcm);
    }

    // A mono 16-bit WAV of silence, for the encoder.
    static void writeSilentWav(const QString& path, int seconds) { writeWav(path, seconds, 22050, 1, 0); }

    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The raw request texts of one command, in arrival order.
    QList<QByteArray> raws(const QString& command = QString()) const
    {
        QList<QByteArray> out;
        for (const auto& r : service->requests(command))
            out.append(r.raw);
        return out;
    }
};
