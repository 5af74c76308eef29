#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Request texts of the file service and the path fields they carry.
namespace KyFileRequest {

// Templates as sent; "%s" takes an escaped text, "%d" a decimal number.
extern const char* const kGetFileRoot;
extern const char* const kGetFileList;
extern const char* const kGetFile;
extern const char* const kPostFile;
extern const char* const kDelFile;
extern const char* const kDeleteDir;
extern const char* const kRenameFile;
extern const char* const kRenameDir;
extern const char* const kCreatDir;

// Buffer sizes: the text must be shorter than these.
constexpr int kBufferSize = 4096;
constexpr int kGetFileBufferSize = 1024;
constexpr int kPostFileBufferSize = 8192;

// Waits of the exchanges in milliseconds: connect, then each wait for reply bytes.
constexpr int kConnectWait = 3000;       // root, upload, delete, rename, new folder
constexpr int kReplyWait = 5000;         // their reply, once
constexpr int kListConnectWait = 5000;   // listings and the sub-folder check
constexpr int kGetConnectWait = 10000;   // downloads
constexpr int kLongWait = 30000;         // every wait of a listing or a download
// Uploads go in pieces of this size, a pause after each.
constexpr int kPieceSize = 8192;
constexpr int kPiecePauseMs = 10;

// Backslash, quote and control bytes escaped as JSON string content; other bytes as they are.
QByteArray escape(const QByteArray& utf8);

// Fills the placeholders in order ("%s" escaped, "%d" verbatim). Empty when the
// text would not fit a buffer of bufferSize bytes or the values do not match.
QByteArray format(const char* tmpl, const QList<QByteArray>& values, int bufferSize = kBufferSize);

// Text after the last "/" (empty without one) / before the last "/" (empty without one).
QString fileNameOfPath(const QString& path);
QString dirOfPath(const QString& path);

// DirName of DeleteDIR and CreatDIR: the path below the media root root8.
QByteArray belowRoot(const QByteArray& path8, const QByteArray& root8);

// Folder of a rename relative to the media root (empty at the top level).
QString renameFolder(const QString& newPath, const QString& mediaRoot);

// Recording paths are fetched from the record endpoint.
bool isRecordingPath(const QString& remotePath);

// A name taken from the server that may be joined to a local folder: one
// path component, not "." or "..", without a NUL.
bool isSafeName(const QString& name);
// Local target path: no "." or ".." component, and its last component a safe name.
bool isSafeLocalPath(const QString& localPath);
// Both checks for a download of name to localPath; a refusal is logged.
bool isSafeDownload(const QString& name, const QString& localPath);

} // namespace KyFileRequest
