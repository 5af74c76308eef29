#include "KyFileRequest.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace KyFileRequest {

const char* const kGetFileRoot = "{\"Command\":\"GetFileRoot\",\"CSeq\":\"%d\"}\r\n\r\n";
const char* const kGetFileList = "{\"Command\":\"GetFileList\",\"DirName\":\"%s\",\"CSeq\":\"%d\"}\r\n\r\n";
const char* const kGetFile =
    "{\"Command\": \"GetFile\", \"CSeq\": \"%d\", \"DirName\": \"%s\", \"FileName\": \"%s\"}\r\n\r\n";
const char* const kPostFile =
    "{\"Command\":\"PostFile\",\"DirName\":\"%s\",\"CSeq\":\"%d\",\"FileName\":\"%s\", \"FileLen\":\"%d\"}\r\n\r\n";
const char* const kDelFile = "{\"Command\":\"DelFile\",\"DirName\":\"%s\",\"FileName\":\"%s\",\"CSeq\":\"%d\"}\r\n\r\n";
const char* const kDeleteDir = "{\"Command\":\"DeleteDIR\",\"DirName\":\"%s\",\"CSeq\":\"%d\"}\r\n\r\n";
const char* const kRenameFile =
    "{\"Command\":\"RenameFile\",\"CSeq\":\"%d\",\"DirName\":\"%s\",\"OldFileName\":\"%s\",\"NewFileName\":\"%s\"}"
    "\r\n\r\n";
const char* const kRenameDir =
    "{\"Command\":\"RenameDIR\",\"CSeq\":\"%d\",\"DirName\":\"\",\"OldDirName\":\"%s\",\"NewDirName\":\"%s\"}\r\n\r\n";
const char* const kCreatDir = "{\"Command\":\"CreatDIR\",\"DirName\":\"%s\",\"CSeq\":\"%d\"}\r\n\r\n";

QByteArray escape(const QByteArray& utf8)
{
    QByteArray out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray format(const char* tmpl, const QList<QByteArray>& values, int bufferSize)
{
    QByteArray out;
    int next = 0;
    for (const char* p = tmpl; *p; ++p) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'd')) {
            if (next >= values.size())
                return QByteArray();
            out += p[1] == 's' ? escape(values.at(next)) : values.at(next);
            ++next;
            ++p;
        } else {
            out += *p;
        }
    }
    if (next != values.size() || out.size() >= bufferSize)
        return QByteArray();
    return out;
}

QString fileNameOfPath(const QString& path)
{
    const int i = path.lastIndexOf('/');
    return i < 0 ? QString() : path.mid(i + 1);
}

QString dirOfPath(const QString& path)
{
    const int i = path.lastIndexOf('/');
    return i < 0 ? QString() : path.left(i);
}

QByteArray belowRoot(const QByteArray& path8, const QByteArray& root8)
{
    if (!root8.isEmpty() && path8.startsWith(root8)) {
        QByteArray rest = path8.mid(root8.size());
        if (rest.startsWith('/'))
            rest.remove(0, 1);
        return rest;
    }
    if (path8.size() < root8.size() + 1)
        return path8;
    return path8.mid(root8.size() + 1);
}

QString renameFolder(const QString& newPath, const QString& mediaRoot)
{
    const int i = newPath.lastIndexOf('/');
    QString folder = i <= 0 ? QString() : newPath.left(i + 1);
    if (folder.size() <= mediaRoot.size())
        return QString();
    folder = folder.mid(mediaRoot.size());
    if (folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

bool isRecordingPath(const QString& remotePath)
{
    return remotePath.contains(QLatin1String("media/talk_record_file/"))
        || remotePath.contains(QLatin1String("TalkServerData/record"));
}

bool isSafeName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains('/')
        && !name.contains('\\') && !name.contains(QChar(0));
}

bool isSafeLocalPath(const QString& localPath)
{
    const QStringList parts = localPath.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    if (parts.contains(QStringLiteral("..")) || parts.contains(QStringLiteral(".")))
        return false;
    const int i = localPath.lastIndexOf('/');
    return isSafeName(localPath.mid(i + 1));
}

bool isSafeDownload(const QString& name, const QString& localPath)
{
    if (isSafeName(name) && isSafeLocalPath(localPath))
        return true;
    const QString nul = QStringLiteral("\\0");
    fprintf(stderr, "download refused, unsafe name: %s -> %s\n", qPrintable(QString(name).replace(QChar(0), nul)),
            qPrintable(QString(localPath).replace(QChar(0), nul)));
    return false;
}

} // namespace KyFileRequest
