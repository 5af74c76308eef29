#include "KyMediaViewCtrl.h"

#include <QDir>
#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyCellItem.h"
#include "KyFtpMng.h"
#include "KyTextUtil.h"
#include "TcpSocketClient.h"

QMutex g_mediaTableMutex;

namespace {

QIcon iconFrom(const std::string& path)
{
    QIcon icon;
    icon.addFile(QString::fromStdString(path), QSize(), QIcon::Normal, QIcon::Off);
    return icon;
}

struct ErrorText {
    const char* title;
    const char* head;
    const char* tail;
};

// Title, head and tail of the dialog for a failure the worker reports; null title: none.
ErrorText errorTextFor(int code, int status)
{
    static const char* const kRetry = "\n    失败。网络错误。请重试。";
    switch (code) {
    case 1:
        return {"错误", "获取目录媒体：\n    ", kRetry};
    case 2:
        return {"错误", "删除文件：\n    ", kRetry};
    case 3:
        if (status == 1)
            return {"提示", "当前目录：\n    ", "\n    下面还有目录，请依次删除。"};
        return {"错误", "删除目录：\n    ", kRetry};
    case 6:
        return {"错误", "创建文件夹：\n    ", kRetry};
    case 7:
        if (status == 1)
            return {"错误", "重命名文件夹：\n    ", kRetry};
        return {"错误", "重命名文件：\n    ", kRetry};
    default:
        return {nullptr, nullptr, nullptr};
    }
}

} // namespace

KyMediaViewCtrl::KyMediaViewCtrl(QTableWidget* table)
    : mTable(table),
      mRootPath8(g_mediaRootPath8),
      mRootPath(QStringLiteral(".")),
      mSeparator8("/"),
      mSeparator(QStringLiteral("/")),
      mFileIconPath(":/images/file_mp3_24px.png"),
      mFolderIconPath(":/images/folder_24px.png"),
      mFileIcon(iconFrom(mFileIconPath)),
      mFolderIcon(iconFrom(mFolderIconPath))
{
    setupTableWidget(mTable);
    connect(mTable, &QTableWidget::cellClicked, this, [this] { mediaTableClicked(); });
    connect(mTable, &QTableWidget::cellDoubleClicked, this, [this] { mediaTableDClicked(); });
    TcpSocketClient* worker = TcpSocketClient::instance();
    connect(worker, &TcpSocketClient::socketUpdateMedia, this, &KyMediaViewCtrl::slot_updateCurrentPathList);
    connect(worker, &TcpSocketClient::socketGetMediaPath, this, &KyMediaViewCtrl::slot_setMediaRoot);
    connect(worker, &TcpSocketClient::ftpError, this, &KyMediaViewCtrl::slot_ftpError);
    connect(this, &KyMediaViewCtrl::getDirListFinished, this, &KyMediaViewCtrl::showMediaTable);
}

KyMediaViewCtrl::~KyMediaViewCtrl() = default;

void KyMediaViewCtrl::listDir(QString path)
{
    if (KyFtpMng* mng = KyFtpMng::instance())
        mng->getFileList(QDir::cleanPath(path));
}

void KyMediaViewCtrl::refreshCurrentDir()
{
    if (mRootPath == QLatin1String("."))
        mRootPath = TcpSocketClient::instance()->mediaRoot();
    listDir(mRootPath);
}

QString KyMediaViewCtrl::absolutePath(const QString& name) const
{
    return QDir::cleanPath(mRootPath + mSeparator + mCurrentPath + mSeparator + name);
}

std::string KyMediaViewCtrl::absolutePath(const std::string& name) const
{
    const std::string path = mRootPath8 + mSeparator8 + mCurrentPath.toLocal8Bit().toStdString() + mSeparator8 + name;
    return QDir::cleanPath(QString::fromLocal8Bit(path.c_str())).toLocal8Bit().toStdString();
}

bool KyMediaViewCtrl::hasSizeItem(int row) const
{
    return mTable->item(row, 1) != nullptr;
}

void KyMediaViewCtrl::ftpListForward(const QList<KyMediaFile_t>& list)
{
    emit getDirListFinished(&list);
}

void KyMediaViewCtrl::mediaTableClicked() {}

void KyMediaViewCtrl::mediaTableDClicked()
{
    const int row = mTable->currentRow();
    QTableWidgetItem* item = mTable->item(row, 0);
    if (!item || item->data(Qt::UserRole).toInt() == 0)
        return;
    const QString name = item->text();
    if (name == QLatin1String("..")) {
        QStringList parts = mCurrentPath.split(mSeparator);
        parts.removeLast();
        mCurrentPath = parts.join(mSeparator);
        listDir(mRootPath + mCurrentPath);
    } else {
        mCurrentPath = mCurrentPath + mSeparator + name;
        listDir(QDir::cleanPath(mRootPath + mCurrentPath));
    }
    emit updateMediaPath(shownPath());
}

void KyMediaViewCtrl::showMediaTable(const QList<KyMediaFile_t>* list)
{
    if (!list)
        return;
    {
        QMutexLocker lock(&g_mediaTableMutex);
        // Below the root a ".." row on top goes up.
        const bool up = !mCurrentPath.isEmpty();
        beginFill(list->size() + (up ? 1 : 0));
        int row = 0;
        if (up) {
            KyMediaFile_t parent;
            parent.isDir = 1;
            parent.fileName = QStringLiteral("..");
            parent.fileSize = QStringLiteral("-1");
            writeMediaFileRow(parent, row++);
        }
        for (const KyMediaFile_t& entry : *list)
            writeMediaFileRow(entry, row++);
        endFill();
    }
    mTablePath = mCurrentPath;
}

void KyMediaViewCtrl::writeMediaFileRow(const KyMediaFile_t& file, int row)
{
    const bool dir = file.fileSize == QLatin1String("-1");
    placeNameCell(file.fileName, row, dir ? 1 : 0);
    setCellText(file.createDate, row, 1, 0);
    setCellText(dir ? tr("Folder") : tr("Media File"), row, 2, 0);
    if (!dir) {
        const qint64 size = file.fileSize.toLongLong();
        setCellText(QString::fromStdString(formatSizeMB(size)), row, 3, static_cast<int>(size));
    }
}

void KyMediaViewCtrl::placeNameCell(const QString& name, int row, int dir)
{
    // Made whole before it goes in, as setCellText makes it: a 0 is not stored.
    auto* item = new KyCellItem(name, dir == 0 ? QVariant() : QVariant::fromValue<qulonglong>(dir));
    item->setIcon(dir != 0 ? mFolderIcon : mFileIcon);
    placeItem(row, 0, item);
}

QString KyMediaViewCtrl::shownPath() const
{
    return mCurrentPath.isEmpty() ? QStringLiteral("/") : mCurrentPath;
}

void KyMediaViewCtrl::slot_updateCurrentPathList()
{
    listDir(QDir::cleanPath(mRootPath + mSeparator + mCurrentPath));
}

void KyMediaViewCtrl::slot_setMediaRoot(QString root)
{
    if (root.isEmpty())
        return;
    mRootPath = QDir::cleanPath(root);
    mCurrentPath.clear();
    g_mediaRootPath8 = root.toLocal8Bit().toStdString();
    mRootPath8 = g_mediaRootPath8;
    listDir(mRootPath);
    emit updateMediaPath(QStringLiteral("/"));
}

void KyMediaViewCtrl::slot_ftpError(int code, QString name, int status)
{
    const ErrorText text = errorTextFor(code, status);
    if (!text.title)
        return;
    // A folder that could not be listed is not entered: paths keep naming the shown one.
    if (code == 1 && mCurrentPath != mTablePath) {
        mCurrentPath = mTablePath;
        emit updateMediaPath(shownPath());
    }
    BaseMessageDialog dialog(QString::fromUtf8(text.title),
                             QString::fromUtf8(text.head) + name + QString::fromUtf8(text.tail), 1);
    dialog.exec();
}
