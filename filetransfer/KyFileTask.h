#pragma once

#include <QByteArray>
#include <QString>

// One queued file-service task, copied into and out of the worker's queue.
struct KyFileTask {
    int id = 0;            // caller's job number (downloads and uploads)
    int type = 0;          // 1 root, 2 listing, 3 download, 4 upload, 5 delete, 6 rename, 8 new folder
    int mode = 3;          // listing: 0 media, 1 task media; delete/rename: 0 file, 1 folder
    QString sourcePath;
    QString targetPath;
    QByteArray root8;      // media root as the browser knew it when the task was queued
};
