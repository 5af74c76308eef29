#include "KyFileConnection.h"

#include <QDebug>
#include <QElapsedTimer>

#include <climits>

#include "KyJson.h"

KyFileConnection::KyFileConnection(const QString& host, int port, int connectWaitMs)
{
    mSocket.connectToHost(host, static_cast<quint16>(port));
    mConnected = mSocket.waitForConnected(connectWaitMs);
}

bool KyFileConnection::send(const QByteArray& bytes, int waitMs)
{
    if (!mConnected || mSocket.write(bytes) != bytes.size())
        return false;
    while (mSocket.bytesToWrite() > 0) {
        if (!mSocket.waitForBytesWritten(waitMs))
            return false;
    }
    return true;
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
            if (left <= 0 || !mSocket.waitForReadyRead(left)) {
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
