#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One entry of a file-service listing.
struct KyMediaFile_t {
    int isDir = 0;        // 1 when Size is "-1"
    QString path;         // FileName up to and including its last "/"
    QString fileName;     // FileName after its last "/"
    QString fullName;     // FileName as received
    QString fileSize;     // Size as received
    QString createDate;   // CreatDate as received
};

Q_DECLARE_METATYPE(KyMediaFile_t)
Q_DECLARE_METATYPE(QList<KyMediaFile_t>)
