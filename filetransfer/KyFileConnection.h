#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTcpSocket>

#include <json/json.h>

#include "KyMediaFile_t.h"

// One exchange with the file service on a fresh connection (blocking; used
// on the worker thread, or on the caller's thread for the task-media listing).
class KyFileConnection {
public:
    // Longest reply text (or download header) taken before its terminator.
    static constexpr int kMaxReplyText = 16 * 1024 * 1024;

    // Longest single blocking wait; every wait checks the calling thread's stop
    // request (QThread::requestInterruption) at least this often.
    static constexpr int kWaitSlice = 50;

    KyFileConnection(const QString& host, int port, int connectWaitMs);

    bool connected() const { return mConnected; }
    // Writes all bytes; false when the connection fails first.
    bool send(const QByteArray& bytes, int waitMs);
    // Reads until "\r\n\r\n". text gets the bytes before it, rest those after it.
    // perWait: waitMs bounds every single wait; otherwise the whole read. False
    // when more than kMaxReplyText bytes come without the terminator.
    bool readReply(int waitMs, bool perWait, QByteArray* text, QByteArray* rest = nullptr);
    // Waits up to waitMs for bytes to read; false on time-out, close or stop request.
    bool waitForData(int waitMs);
    QTcpSocket& socket() { return mSocket; }
    // The calling thread was asked to stop.
    static bool stopRequested();

    // A reply text that parses as one JSON object.
    static bool parseReply(const QByteArray& text, Json::Value& out);
    // A string member; present is false when absent or of another JSON type.
    static QString member(const Json::Value& obj, const char* key, bool* present = nullptr);
    // The entries of a listing reply ("FileList"); false, list untouched,
    // when the reply is unusable.
    static bool parseListing(const QByteArray& text, QList<KyMediaFile_t>* list);
    // FileLen of a download header: a decimal text from 0 to INT_MAX, else -1.
    static qint64 downloadLength(const QByteArray& header);

private:
    QTcpSocket mSocket;
    bool mConnected = false;
};
