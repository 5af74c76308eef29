#include "KyTaskMediaListViewCtrl.h"

#include <QTableWidget>

#include "KyFtpMng.h"
#include "KyTextUtil.h"

KyTaskMediaListViewCtrl::KyTaskMediaListViewCtrl(QTableWidget* table) : KyMediaViewCtrl(table) {}

void KyTaskMediaListViewCtrl::listDir(QString path)
{
    if (KyFtpMng* mng = KyFtpMng::instance())
        mng->getTaskFileList(path);
}

int KyTaskMediaListViewCtrl::addMediaFileRow(const KyMediaFile_t* file, int row)
{
    if (!file)
        return -1;
    mTable->insertRow(row);
    QTableWidgetItem* name = setCellText(file->fileName, row, 0, file->isDir);
    if (file->isDir == 0) {
        const int size = file->fileSize.toInt();
        setCellText(QString::fromStdString(formatSizeMB(size)), row, 1, size);
    }
    setRowIcon(name);
    return 0;
}
