#include "KyTestFileSession.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <climits>

#include "KyJson.h"

namespace {

// A JSON text nested far deeper than any reply needs.
QByteArray deepJson()
{
    return QByteArray("{\"FileLen\":") + QByteArray(999, '[');
}

const QByteArray kEnd("\r\n\r\n");
constexpr int kSlice = 50;
constexpr int kRequestWait = 30000;
constexpr qint64 kChunk = 1024 * 1024;

Json::Value baseReply(const char* command, const Json::Value& request)
{
    Json::Value v(Json::objectValue);
    v["Command"] = command;
    v["CSeq"] = request.get("CSeq", "").isString() ? request["CSeq"].asString() : std::string();
    return v;
}

std::string text(const Json::Value& request, const char* key)
{
    return kyJsonText(request, key);
}

} // namespace

KyTestFileSession::KyTestFileSession(KyTestFileService& service, QTcpSocket& socket, int connection)
    : mService(service), mSocket(socket), mConnection(connection)
{
}

bool KyTestFileSession::readRequest(QByteArray* header, QByteArray* rest)
{
    QByteArray buf;
    int waited = 0;
    while (buf.indexOf(kEnd) < 0) {
        if (!mService.mRunning || waited > kRequestWait)
            return false;
        if (mSocket.bytesAvailable() == 0 && !mSocket.waitForReadyRead(kSlice)) {
            if (mSocket.state() != QAbstractSocket::ConnectedState && mSocket.bytesAvailable() == 0)
                return false;
            waited += kSlice;
            continue;
        }
        buf += mSocket.readAll();
    }
    const int end = buf.indexOf(kEnd) + kEnd.size();
    *header = buf.left(end);
    *rest = buf.mid(end);
    return true;
}

void KyTestFileSession::run()
{
    QByteArray header, rest;
    if (!readRequest(&header, &rest))
        return;
    KyTestFileService::Request req;
    req.connection = mConnection;
    req.raw = header;
    if (kyJsonParse(header.left(header.size() - kEnd.size()).toStdString(), mRequest)) {
        req.json = mRequest;
        mCommand = req.command = QString::fromStdString(text(mRequest, "Command"));
    }
    {
        std::lock_guard<std::mutex> lock(mService.mMutex);
        mService.mRequests.push_back(req);
    }
    mService.mChanged.notify_all();

    if (mCommand == QLatin1String("GetFileRoot")) fileRoot();
    else if (mCommand == QLatin1String("GetFileList")) fileList();
    else if (mCommand == QLatin1String("GetFile")) getFile();
    else if (mCommand == QLatin1String("PostFile")) postFile(rest);
    else if (mCommand == QLatin1String("DelFile")) delFile();
    else if (mCommand == QLatin1String("DeleteDIR")) deleteDir();
    else if (mCommand == QLatin1String("RenameFile")) renameFile();
    else if (mCommand == QLatin1String("RenameDIR")) renameDir();
    else if (mCommand == QLatin1String("CreatDIR")) createDir();
    else fprintf(stderr, "file service: unknown request %s\n", header.constData());
}

QString KyTestFileSession::localPath(const std::string& path, bool* ok) const
{
    QString rel = QString::fromStdString(path);
    if (rel.startsWith(mService.mFileRoot))
        rel = rel.mid(mService.mFileRoot.size());
    const QStringList parts = rel.split('/', Qt::SkipEmptyParts);
    *ok = !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral(".")) && !rel.contains('\\');
    return parts.isEmpty() ? mService.mFolder : mService.mFolder + '/' + parts.join('/');
}

bool KyTestFileSession::writeAll(const QByteArray& bytes)
{
    if (mSocket.write(bytes) != bytes.size())
        return false;
    while (mSocket.bytesToWrite() > 0) {
        if (!mService.mRunning || !mSocket.waitForBytesWritten(kRequestWait))
            return false;
    }
    return true;
}

void KyTestFileSession::reply(const QString& command, const QByteArray& bytes)
{
    KyTestFileService::Knob knob;
    if (mService.takeKnob(QStringLiteral("noreply:") + command, &knob))
        return;
    if (mService.takeKnob(QStringLiteral("delay:") + command, &knob) && !mService.sleepUnlessStopped(int(knob.value)))
        return;
    if (mService.takeKnob(QStringLiteral("pad:") + command, &knob) && !writeAll(QByteArray(int(knob.value), ' ')))
        return;
    if (!mService.takeKnob(QStringLiteral("split:") + command, &knob) || knob.value < 2) {
        writeAll(bytes);
        return;
    }
    const int pieces = int(qMin<qint64>(knob.value, bytes.size()));
    const int step = bytes.size() / pieces;
    for (int i = 0; i < pieces; ++i) {
        const int from = i * step;
        const int len = i == pieces - 1 ? bytes.size() - from : step;
        if (!writeAll(bytes.mid(from, len)) || (i < pieces - 1 && !mService.sleepUnlessStopped(knob.gapMs)))
            return;
    }
}

void KyTestFileSession::replyJson(const QString& command, Json::Value value)
{
    QByteArray body = QByteArray::fromStdString(kyJsonWrite(value));
    while (body.endsWith('\n'))
        body.chop(1);
    reply(command, body + kEnd);
}

void KyTestFileSession::fileRoot()
{
    Json::Value v = baseReply("PostFileRoot", mRequest);
    v["FileRoot"] = mService.mFileRoot.toStdString();
    replyJson(mCommand, v);
}

void KyTestFileSession::fileList()
{
    KyTestFileService::Knob knob;
    if (mService.takeKnob(QStringLiteral("notjson"), &knob)) {
        reply(mCommand, (knob.value == 2 ? deepJson() : QByteArray("FileList: not json")) + kEnd);
        return;
    }
    bool ok = false;
    const QDir dir(localPath(text(mRequest, "DirName"), &ok));
    Json::Value v = baseReply("GetFileList", mRequest);
    if (!ok || !dir.exists()) {
        v["Result"] = "NoSuchDir";
        replyJson(mCommand, v);
        return;
    }
    Json::Value list(Json::arrayValue);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name)) {
        Json::Value e(Json::objectValue);
        e["FileName"] = fi.fileName().toStdString();
        e["Size"] = fi.isDir() ? std::string("-1") : std::to_string(fi.size());
        e["CreatDate"] = fi.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toStdString();
        list.append(e);
    }
    const QString extra = mService.listedName();
    if (!extra.isEmpty()) {
        Json::Value e(Json::objectValue);
        e["FileName"] = extra.toStdString();
        e["Size"] = "1";
        e["CreatDate"] = "2024-01-01 00:00:00";
        list.append(e);
    }
    v["FileList"] = list;
    replyJson(mCommand, v);
}

void KyTestFileSession::getFile()
{
    bool ok = false;
    const QString path = localPath(text(mRequest, "DirName") + "/" + text(mRequest, "FileName"), &ok);
    QFile file(path);
    Json::Value v = baseReply("GetFile", mRequest);
    if (!ok || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        v["Result"] = "NoSuchFile";
        replyJson(mCommand, v);
        return;
    }
    KyTestFileService::Knob lenMode, cut;
    if (mService.takeKnob(QStringLiteral("noreply:GetFile"), &cut))
        return;
    if (mService.takeKnob(QStringLiteral("delay:GetFile"), &cut) && !mService.sleepUnlessStopped(int(cut.value)))
        return;
    const qint64 size = file.size();
    mService.takeKnob(QStringLiteral("filelen"), &lenMode);
    KyTestFileService::Knob stall;
    const bool cutting = mService.takeKnob(QStringLiteral("close"), &cut);
    const bool stalling = mService.takeKnob(QStringLiteral("stall"), &stall);
    switch (lenMode.times > 0 ? int(lenMode.value) : int(KyTestFileService::FileLenNormal)) {
    case KyTestFileService::FileLenMissing: break;
    case KyTestFileService::FileLenNonNumeric: v["FileLen"] = "abc"; break;
    case KyTestFileService::FileLenNumber: v["FileLen"] = Json::Int64(size); break;
    case KyTestFileService::FileLenShort: v["FileLen"] = std::to_string(size + 1024); break;
    case KyTestFileService::FileLenHalf: v["FileLen"] = std::to_string(size / 2); break;
    default: v["FileLen"] = std::to_string(size); break;
    }
    const qint64 limit = qMin(cutting ? cut.value : stalling ? stall.value : size, size);
    // The header and the first data go out in one write.
    const bool deep = lenMode.times > 0 && lenMode.value == KyTestFileService::FileLenDeepJson;
    QByteArray first = (deep ? deepJson() : QByteArray::fromStdString(kyJsonWrite(v)).trimmed()) + kEnd;
    first += file.read(qMin(kChunk, limit));
    qint64 sent = first.size() - (first.indexOf(kEnd) + kEnd.size());
    bool sending = writeAll(first);
    QByteArray data(int(kChunk), Qt::Uninitialized);
    while (sending && sent < limit && mService.mRunning) {
        const qint64 n = file.read(data.data(), qMin(kChunk, limit - sent));
        if (n <= 0)
            break;
        sent += n;
        sending = mSocket.write(data.constData(), n) == n;
        while (sending && mSocket.bytesToWrite() > 0)
            sending = mService.mRunning && mSocket.waitForBytesWritten(kRequestWait);
    }
    mSocket.flush();
    if (stalling)
        mService.sleepUnlessStopped(INT_MAX);
}

void KyTestFileSession::postFile(QByteArray rest)
{
    bool ok = false;
    const QString path = localPath(text(mRequest, "DirName") + "/" + text(mRequest, "FileName"), &ok);
    bool numeric = false;
    const qint64 len = QString::fromStdString(text(mRequest, "FileLen")).toLongLong(&numeric);
    Json::Value v = baseReply("PostFile", mRequest);
    QSaveFile file(path);
    if (!ok || !numeric || len < 0 || !file.open(QIODevice::WriteOnly)) {
        v["Result"] = "Refused";
        replyJson(mCommand, v);
        return;
    }
    KyTestFileService::Knob cut;
    const qint64 limit = mService.takeKnob(QStringLiteral("close"), &cut) ? qMin(cut.value, len) : len;
    qint64 got = 0;
    int idle = 0;
    while (got < limit && mService.mRunning && idle < kRequestWait) {
        if (rest.isEmpty()) {
            if (!mSocket.waitForReadyRead(kSlice)) {
                if (mSocket.state() != QAbstractSocket::ConnectedState && mSocket.bytesAvailable() == 0)
                    break;
                idle += kSlice;
                continue;
            }
            idle = 0;
            rest = mSocket.read(limit - got);
        }
        const QByteArray piece = rest.left(int(limit - got));
        rest.clear();
        file.write(piece);
        got += piece.size();
    }
    if (got < len) {
        file.cancelWriting();
        return;
    }
    file.commit();
    v["Result"] = "OK";
    replyJson(mCommand, v);
}

void KyTestFileSession::delFile()
{
    bool ok = false;
    const QString path = localPath(text(mRequest, "DirName") + "/" + text(mRequest, "FileName"), &ok);
    if (ok && QFileInfo(path).isFile())
        QFile::remove(path);
    replyJson(mCommand, baseReply("DelFile", mRequest));
}

void KyTestFileSession::deleteDir()
{
    bool ok = false;
    const QString path = localPath(text(mRequest, "DirName"), &ok);
    if (ok && path != mService.mFolder)
        QDir(path).removeRecursively();
    replyJson(mCommand, baseReply("DeleteDIR", mRequest));
}

void KyTestFileSession::renameFile()
{
    bool okOld = false, okNew = false;
    const std::string dir = text(mRequest, "DirName");
    const QString from = localPath(dir + "/" + text(mRequest, "OldFileName"), &okOld);
    const QString to = localPath(dir + "/" + text(mRequest, "NewFileName"), &okNew);
    if (okOld && okNew)
        QFile::rename(from, to);
    replyJson(mCommand, baseReply("RenameFile", mRequest));
}

void KyTestFileSession::renameDir()
{
    bool okOld = false, okNew = false;
    const QString from = localPath(text(mRequest, "OldDirName"), &okOld);
    const QString to = localPath(text(mRequest, "NewDirName"), &okNew);
    if (okOld && okNew && from != mService.mFolder)
        QDir().rename(from, to);
    replyJson(mCommand, baseReply("RenameDIR", mRequest));
}

void KyTestFileSession::createDir()
{
    bool ok = false;
    const QString path = localPath(text(mRequest, "DirName"), &ok);
    if (ok)
        QDir().mkpath(path);
    replyJson(mCommand, baseReply("CreatDIR", mRequest));
}
