#include "KyFileConnection.h"

#include <QElapsedTimer>

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
