#include "KyMediaMgrForm.h"

#include <QCursor>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QTextDocument>
#include <QToolTip>

#include "BaseMessageDialog.h"
#include "BaseSetNameDialog.h"
#include "KyCFtpClient.h"
#include "KyDownAndUploadViewCtr.h"
#include "KyFileChooser.h"
#include "KyFileRequest.h"
#include "KyFtpMng.h"
#include "KyMediaViewCtrl.h"
#include "KySettings.h"
#include "KyTipsInfo.h"
#include "TcpSocketClient.h"
#include "ui_MediaMgrForm.h"

namespace {

const char kLastPathKey[] = "MediaLastFilePath";
const QString kIllegalUploadChars = QStringLiteral("/\\:*?\"<>|'");

void tip(const QString& title, const QString& text)
{
    BaseMessageDialog(title, text, 1).exec();
}

QString hint()
{
    return QStringLiteral("提示");
}

bool containsAny(const QString& text, const QString& chars)
{
    for (const QChar c : chars) {
        if (text.contains(c))
            return true;
    }
    return false;
}

QString lastPath()
{
    return kyOpenSettings()->value(QLatin1String(kLastPathKey)).toString();
}

void storeLastPath(const QString& path, const QString& last)
{
    if (path != last)
        kyOpenSettings()->setValue(QLatin1String(kLastPathKey), path);
}

} // namespace

KyMediaMgrForm::KyMediaMgrForm() : QWidget(nullptr), ui(new Ui::MediaMgrForm)
{
    ui->setupUi(this);
    mMediaView = new KyMediaViewCtrl(ui->fMediaTableWidget);
    connect(mMediaView, &KyMediaViewCtrl::updateMediaPath, this, &KyMediaMgrForm::slot_showMediaPath);
    KyFtpMng::instance()->ftpClient()->mediaListener = mMediaView;
    mTransferView = new KyDownAndUploadViewCtr(ui->fUpOrDownTableWidget);
    connectButtons();
    ui->fMediaEdit->setEnabled(false);
    for (QPushButton* hidden : {ui->fCopyBtn, ui->fCutBtn, ui->fPasteBtn, ui->fUpDirMediaBtn})
        hidden->hide();

    // The console's run has started the worker on the login's server.
    TcpSocketClient* worker = TcpSocketClient::instance();
    connect(worker, &TcpSocketClient::updateProgressIndicator, mTransferView,
            &KyDownAndUploadViewCtr::slot_progressIndicator);
    connect(worker, &TcpSocketClient::downloadAnnounced, mTransferView,
            &KyDownAndUploadViewCtr::slot_downloadAnnounced);
    worker->getFileRoot();

    mFilter = tr("Audio Files (*.mp3)");
    ui->fUpOrDownTableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->fMediaTableWidget->setMouseTracking(true);
    connect(ui->fMediaTableWidget, &QTableWidget::itemEntered, this, &KyMediaMgrForm::slot_ItemEnter);
    ui->fMediaTableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

KyMediaMgrForm::~KyMediaMgrForm()
{
    delete mMediaView;
    delete mTransferView;
}

QTableWidget* KyMediaMgrForm::table()
{
    return ui->fMediaTableWidget;
}

void KyMediaMgrForm::connectButtons()
{
    const std::pair<QPushButton*, void (KyMediaMgrForm::*)()> buttons[] = {
        {ui->fUploadBtn, &KyMediaMgrForm::slot_uploadClicked},
        {ui->fDownloadBtn, &KyMediaMgrForm::slot_downloadClicked},
        {ui->fNewDirBtn, &KyMediaMgrForm::newDirClicked},
        {ui->fDelBtn, &KyMediaMgrForm::delMediaClicked},
        {ui->fRenameBtn, &KyMediaMgrForm::renameClicked},
        {ui->fCopyBtn, &KyMediaMgrForm::copyClicked},
        {ui->fCutBtn, &KyMediaMgrForm::cutClicked},
        {ui->fPasteBtn, &KyMediaMgrForm::pasteClicked},
    };
    for (const auto& entry : buttons)
        connect(entry.first, &QPushButton::clicked, this, entry.second);
}

bool KyMediaMgrForm::isLegalUploadName(const QString& name)
{
    return name.toUcs4().size() <= kMaxUploadNameLength && !containsAny(name, kIllegalUploadChars);
}

bool KyMediaMgrForm::isLegalMediaName(const QString& name)
{
    return !containsAny(name, kIllegalUploadChars + QLatin1Char('&'));
}

QString KyMediaMgrForm::fixMediaName(const QString& name, bool isDir)
{
    const int dot = name.lastIndexOf('.');
    QString fixed = dot < 0 ? name : name.left(dot);
    if (isDir)
        return fixed;
    const int mp3 = fixed.indexOf(QLatin1String(".mp3"));
    if (mp3 >= 0)
        fixed.truncate(mp3);
    return fixed + QStringLiteral(".mp3");
}

QString KyMediaMgrForm::illegalUploadNameText()
{
    QStringList chars;
    for (const QChar c : kIllegalUploadChars)
        chars << QString(c);
    return QStringLiteral("媒体文件名不能包含下列任何字符：\r\n\r\n") + QString(11, ' ') + chars.join(' ');
}

void KyMediaMgrForm::slot_uploadClicked()
{
    if (!KyFtpMng::instance())
        return;
    // Before the file service has named its media root a server path would
    // be relative: the file would land outside the library.
    if (mMediaView->rootPath() == QLatin1String(".")) {
        tip(hint(), QStringLiteral("上传文件出错！"));
        return;
    }
    const QString last = lastPath();
    const QStringList files = KyFileChooser::openFileNames(this, QStringLiteral("文件上传"), last, mFilter);
    if (files.isEmpty())
        return;
    storeLastPath(files.first(), last);
    for (const QString& local : files)
        uploadOne(local);
}

void KyMediaMgrForm::uploadOne(const QString& local)
{
    const int slash = local.lastIndexOf('/');
    if (slash < 0)
        return;
    const QString name = local.mid(slash + 1);
    if (name.toUcs4().size() > kMaxUploadNameLength) {
        tip(hint(), QStringLiteral("文件名称超长！"));
        return;
    }
    if (!isLegalUploadName(name)) {
        tip(hint(), illegalUploadNameText());
        return;
    }
    const QString remote = mMediaView->absolutePath(name);
    const qint64 size = QFileInfo(local).size();
    if (size > kMaxUploadSize) {
        tip(hint(), QStringLiteral("%1\n%2").arg(local, QStringLiteral("文件大于1024MB，禁止上传！")));
        return;
    }
    if (mTransferView->addUploadJob(name.toLocal8Bit().constData(), local.toLocal8Bit().constData(),
                                    remote.toLocal8Bit().constData(), static_cast<int>(size)) != 0)
        tip(hint(), QStringLiteral("上传文件出错！"));
}

QList<KyMediaMgrForm::Entry> KyMediaMgrForm::selectedEntries() const
{
    QList<Entry> entries;
    const QList<QTableWidgetItem*> items = ui->fMediaTableWidget->selectedItems();
    for (int i = items.size() - 1; i >= 0; --i) {
        if (items[i]->column() != 0)
            continue;
        const QTableWidgetItem* sizeItem = ui->fMediaTableWidget->item(items[i]->row(), 3);
        entries.append({items[i]->text(), items[i]->data(Qt::UserRole).toInt(),
                        sizeItem ? sizeItem->data(Qt::UserRole).toInt() : -1});
    }
    return entries;
}

void KyMediaMgrForm::slot_downloadClicked()
{
    if (ui->fMediaTableWidget->selectedItems().isEmpty())
        return;
    const QString last = lastPath();
    const QString folder = KyFileChooser::existingDirectory(nullptr, tr("save file"), last);
    if (folder.isEmpty())
        return;
    storeLastPath(folder, last);
    for (const Entry& entry : selectedEntries()) {
        if (entry.isDir != 0)
            continue;
        const QString local = folder + QLatin1Char('/') + entry.name;
        // Checked here: the job takes C strings, which would end the name at a NUL.
        if (!KyFileRequest::isSafeDownload(entry.name, local))
            continue;
        const std::string remote = mMediaView->absolutePath(entry.name.toLocal8Bit().toStdString());
        mTransferView->addDownloadJob(entry.name.toLocal8Bit().constData(), remote.c_str(),
                                      local.toLocal8Bit().constData(), entry.size);
    }
}

QString KyMediaMgrForm::checkedNewName(const QString& name, bool isDir)
{
    const QString fixed = fixMediaName(name, isDir);
    // A folder name must not leave the folder shown nor name it.
    if (!isLegalMediaName(name) || (isDir && (fixed.isEmpty() || fixed == QLatin1String(".")))) {
        tip(KyTipsInfo::tips(), KyTipsInfo::illegalName());
        return QString();
    }
    return fixed;
}

void KyMediaMgrForm::newDirClicked()
{
    KyFtpMng* manager = KyFtpMng::instance();
    if (!manager)
        return;
    BaseSetNameDialog dialog;
    dialog.setTitle(tr("New Dir"));
    if (!dialog.exec())
        return;
    const QString name = checkedNewName(QString::fromLocal8Bit(dialog.getName().c_str()), true);
    if (name.isEmpty())
        return;
    manager->createDir(mMediaView->absolutePath(name));
}

void KyMediaMgrForm::delMediaClicked()
{
    if (BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::deleteChosenMedia(), 1).exec() != 1)
        return;
    KyFtpMng* manager = KyFtpMng::instance();
    if (!manager)
        return;
    // Taken whole first: the failure message lets a listing refill the table.
    for (const Entry& entry : selectedEntries()) {
        if (entry.name == QLatin1String(".."))
            continue;
        const QString path = mMediaView->absolutePath(entry.name);
        const int result = entry.isDir != 0 ? manager->deleteDir(path) : manager->deleteFile(path);
        if (result != 0)
            tip(KyTipsInfo::tips(), KyTipsInfo::deleteFailed());
    }
    refreshShownDir();
}

void KyMediaMgrForm::renameClicked()
{
    KyFtpMng* manager = KyFtpMng::instance();
    if (!manager)
        return;
    QTableWidgetItem* item = ui->fMediaTableWidget->item(ui->fMediaTableWidget->currentRow(), 0);
    if (!item)
        return;
    const std::string oldName = item->text().toLocal8Bit().toStdString();
    const int isDir = item->data(Qt::UserRole).toInt();
    if (oldName == "..")
        return;
    BaseSetNameDialog dialog;
    dialog.setName(oldName);
    if (!dialog.exec())
        return;
    const QString name = checkedNewName(QString::fromLocal8Bit(dialog.getName().c_str()), isDir != 0);
    if (name.isEmpty())
        return;
    manager->renameFile(mMediaView->absolutePath(oldName), mMediaView->absolutePath(name.toLocal8Bit().toStdString()),
                        isDir);
    refreshShownDir();
}

void KyMediaMgrForm::refreshShownDir()
{
    mMediaView->listDir(mMediaView->rootPath() + ui->fMediaEdit->text());
}

void KyMediaMgrForm::slot_showMediaPath(QString path)
{
    ui->fMediaEdit->setText(path);
}

void KyMediaMgrForm::slot_ItemEnter(QTableWidgetItem* item)
{
    if (item)
        QToolTip::showText(QCursor::pos(), Qt::convertFromPlainText(item->text(), Qt::WhiteSpaceNoWrap));
}

void KyMediaMgrForm::copyClicked() {}
void KyMediaMgrForm::cutClicked() {}
void KyMediaMgrForm::pasteClicked() {}
