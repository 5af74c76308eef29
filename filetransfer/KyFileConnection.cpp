#include "KyFileConnection.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QThread>

#include <climits>

#include "KyJson.h"

namespace {

bool isConnecting(const QTcpSocket& socket)
{
    return socket.state() == QAbstractSocket::HostLookupState || socket.state() == QAbstractSocket::ConnectingState;
}

bool isConnected(const QTcpSocket& socket)
{
    return socket.state() == QAbstractSocket::ConnectedState;
}

// Runs wait(ms) in slices of at most kWaitSlice until it succeeds, waitMs
// pass, the socket's state no longer passes, or the thread is asked to stop.
template <typename Wait>
bool sliced(const QTcpSocket& socket, bool (*stateOk)(const QTcpSocket&), int waitMs, Wait wait)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const int left = waitMs - static_cast<int>(clock.elapsed());
        if (left <= 0 || KyFileConnection::stopRequested() || !stateOk(socket))
            return false;
        if (wait(qMin(left, KyFileConnection::kWaitSlice)))
            return true;
    }
}

} // namespace

KyFileConnection::KyFileConnection(const QString& host, int port, int connectWaitMs)
{
    mSocket.connectToHost(host, static_cast<quint16>(port));
    mConnected = isConnected(mSocket)
        || sliced(mSocket, isConnecting, connectWaitMs, [this](int ms) { return mSocket.waitForConnected(ms); });
}

bool KyFileConnection::stopRequested()
{
    return QThread::currentThread()->isInterruptionRequested();
}

bool KyFileConnection::send(const QByteArray& bytes, int waitMs)
{
    if (!mConnected || mSocket.write(bytes) != bytes.size())
        return false;
    while (mSocket.bytesToWrite() > 0) {
        if (!sliced(mSocket, isConnected, waitMs,
                [this](int ms) { return mSocket.waitForBytesWritten(ms); }))
            return false;
    }
    return true;
}

bool KyFileConnection::waitForData(int waitMs)
{
    return sliced(mSocket, isConnected, waitMs,
        [this](int ms) { return mSocket.waitForReadyRead(ms); });
}

bool KyFileConnection::readReply(int waitMs, bool perWait, QByteArray* text, QByteArray* rest)
{
    static const QByteArray kEnd("\r\n\r\n");
    QByteArray buf;
    QElapsedTimer clock;
    clock.start();
    int end = -1;
    while (mConnected) {
        if (mSocket.bytesAvailable() == 0) {
            const int left = perWait ? waitMs : waitMs - static_cast<int>(clock.elapsed());
            if (left <= 0 || !waitForData(left)) {
                if (mSocket.bytesAvailable() == 0)
                    return false;
            }
        }
        const int from = qMax(0, buf.size() - 3);
        buf += mSocket.readAll();
        end = buf.indexOf(kEnd, from);
        if (end >= 0)
            break;
        if (buf.size() > kMaxReplyText)
            return false;
    }
    if (end < 0 || end > kMaxReplyText)
        return false;
    *text = buf.left(end);
    if (rest)
        *rest = buf.mid(end + kEnd.size());
    return true;
}

bool KyFileConnection::parseReply(const QByteArray& text, Json::Value& out)
{
    return kyJsonParse(text.toStdString(), out);
}

QString KyFileConnection::member(const Json::Value& obj, const char* key, bool* present)
{
    const bool ok = obj.isObject() && obj.isMember(key) && obj[key].isString();
    if (present)
        *present = ok;
    return ok ? QString::fromStdString(obj[key].asString()) : QString();
}

namespace {

KyMediaFile_t mediaFileOf(const Json::Value& entry)
{
    KyMediaFile_t f;
    f.fullName = KyFileConnection::member(entry, "FileName");
    f.fileSize = KyFileConnection::member(entry, "Size");
    f.createDate = KyFileConnection::member(entry, "CreatDate");
    f.isDir = f.fileSize == QLatin1String("-1") ? 1 : 0;
    const int slash = f.fullName.lastIndexOf('/');
    f.path = slash < 0 ? QString() : f.fullName.left(slash + 1);
    f.fileName = f.fullName.mid(slash + 1);
    qDebug() << "FileName : " << f.fullName << "Size : " << f.fileSize << "CreatDate : " << f.createDate;
    return f;
}

} // namespace

bool KyFileConnection::parseListing(const QByteArray& text, QList<KyMediaFile_t>* list)
{
    Json::Value reply;
    if (!parseReply(text, reply) || !reply["FileList"].isArray())
        return false;
    list->clear();
    for (const Json::Value& entry : reply["FileList"]) {
        if (entry.isObject())
            list->append(mediaFileOf(entry));
    }
    return true;
}

qint64 KyFileConnection::downloadLength(const QByteArray& header)
{
    Json::Value reply;
    bool present = false;
    if (!parseReply(header, reply))
        return -1;
    const QString text = member(reply, "FileLen", &present);
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return present && ok && n >= 0 && n <= INT_MAX ? n : -1;
}
