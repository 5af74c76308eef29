#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpSocket>

#include <json/json.h>

#include "KyTestFileService.h"

// One connection of the stand-in file service: reads one request, carries it
// out over the service's folder and answers.
class KyTestFileSession {
public:
    KyTestFileSession(KyTestFileService& service, QTcpSocket& socket, int connection);
    void run();

private:
    bool readRequest(QByteArray* header, QByteArray* rest);
    QString localPath(const std::string& path, bool* ok) const;
    // Writes the reply as the knobs say: in one write, in pieces, late, or not at all.
    void reply(const QString& command, const QByteArray& text);
    void replyJson(const QString& command, Json::Value value);
    bool writeAll(const QByteArray& bytes);

    void fileRoot();
    void fileList();
    void getFile();
    void postFile(QByteArray rest);
    void delFile();
    void deleteDir();
    void renameFile();
    void renameDir();
    void createDir();

    KyTestFileService& mService;
    QTcpSocket& mSocket;
    int mConnection;
    Json::Value mRequest;
    QString mCommand;
};
