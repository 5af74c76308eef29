#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpSocket>

#include <json/json.h>

// One exchange with the file service on a fresh connection (blocking; used
// on the worker thread, or on the caller's thread for the task-media listing).
class KyFileConnection {
public:
    // Longest reply text (or download header) taken before its terminator.
    static constexpr int kMaxReplyText = 16 * 1024 * 1024;

    KyFileConnection(const QString& host, int port, int connectWaitMs);

    bool connected() const { return mConnected; }
    // Writes all bytes; false when the connection fails first.
    bool send(const QByteArray& bytes, int waitMs);
    // Reads until "\r\n\r\n". text gets the bytes before it, rest those after it.
    // perWait: waitMs bounds every single wait; otherwise the whole read. False
    // when more than kMaxReplyText bytes come without the terminator.
    bool readReply(int waitMs, bool perWait, QByteArray* text, QByteArray* rest = nullptr);
    QTcpSocket& socket() { return mSocket; }

    // A reply text that parses as one JSON object.
    static bool parseReply(const QByteArray& text, Json::Value& out);
    // A string member; present is false when absent or of another JSON type.
    static QString member(const Json::Value& obj, const char* key, bool* present = nullptr);

private:
    QTcpSocket mSocket;
    bool mConnected = false;
};
