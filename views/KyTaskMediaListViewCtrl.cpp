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

void KyTaskMediaListViewCtrl::writeMediaFileRow(const KyMediaFile_t& file, int row)
{
    placeNameCell(file.fileName, row, file.isDir);
    if (file.isDir == 0) {
        const int size = file.fileSize.toInt();
        setCellText(QString::fromStdString(formatSizeMB(size)), row, 1, size);
    }
}
