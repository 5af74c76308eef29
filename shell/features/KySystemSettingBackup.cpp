// Backup and restore of the server's data on the system settings page.
#include "KySystemSettingForm.h"

#include <cstdio>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "BaseMessageDialog.h"
#include "KyServerConfigManage.h"
#include "KyServerConfigMgr.h"
#include "KyTextUtil.h"
#include "ui_settingSystemSetForm.h"

namespace {
const char kBackupFolder[] = "/tmp/databackup/";
const char kRecoveryFolder[] = "/tmp/datarecovery/";
const char kForbidden[] = "/\\:*?\"<>|'&";

void message(const QString& title, const QString& text, int mode = 1)
{
    BaseMessageDialog msg(title, text, mode);
    msg.exec();
}
}  // namespace

QString KySystemSettingForm::backupFileName(const QDate& date)
{
    return QStringLiteral("KYO_") + date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".backup");
}

QString KySystemSettingForm::restoreRefusal(const QString& path)
{
    const QByteArray name = QFileInfo(path).fileName().toLocal8Bit();
    if (name.size() > kMaxRestoreNameBytes)
        return QStringLiteral("文件名称超长！");
    for (const char* c = kForbidden; *c; ++c) {
        if (name.contains(*c))
            return QStringLiteral("文件名包含非法字符！");
    }
    if (QFileInfo(path).size() > kMaxRestoreBytes)
        return QStringLiteral("%1\n%2").arg(path, QStringLiteral("文件大于1024MB，禁止上传！"));
    return QString();
}

std::string KySystemSettingForm::fileMd5(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(&file);   // reads the file in pieces
    return hash.result().toHex().toStdString();
}

void KySystemSettingForm::slot_backupDownloadDirClicked()
{
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, QStringLiteral("文件保存"), QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    ui->fBackupLe->setText(folder);
    ui->fBackupStartBtn->setEnabled(true);
}

void KySystemSettingForm::slot_backupDownloadStartClicked()
{
    if (!ui->fBackupLe->text().isEmpty()) {
        const std::string name = backupFileName(QDate::currentDate()).toStdString();
        m_config->sendRequest(KyServerConfigManage::RT_BACKUP, name);
    }
    ui->fBackupStartBtn->setEnabled(false);
}

void KySystemSettingForm::slot_gotBackupMd5()
{
    // Only the name: a reply cannot point the file outside the folders.
    const std::string name = fileNameOfPath(m_config->backupFile());
    backupSourcePath = kBackupFolder + name;
    backupLocalPath = QCoreApplication::applicationDirPath().toLocal8Bit().toStdString() + "/" + name;
}

void KySystemSettingForm::slot_downlaodFinish()
{
    const QString local = QString::fromLocal8Bit(backupLocalPath.c_str());
    const std::string computed = fileMd5(local);
    const std::string expected = m_config->backupMd5();
    printf("md5-des %s.\n", computed.c_str());
    printf("md5-download %s.\n", expected.c_str());
    if (QString::fromStdString(computed).compare(QString::fromStdString(expected), Qt::CaseInsensitive) != 0) {
        message(QStringLiteral("提示"), QStringLiteral("Md5校验失败！"));
        return;
    }
    const QString name = QFileInfo(local).fileName();
    const QString target = ui->fBackupLe->text() + QLatin1Char('/') + name;
    if (QFileInfo::exists(target))
        message(QStringLiteral("备份提示"), target + QStringLiteral(" 已存在，未覆盖！"));
    else if (!QFile::copy(local, target))
        message(QStringLiteral("备份提示"), name + QStringLiteral("复制失败！"));
    else
        message(QStringLiteral("备份提示"), name + QStringLiteral("下载完成！"));
}

void KySystemSettingForm::slot_uploadRestoreDirClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("文件选择"), QStringLiteral("./"),
                                                      tr("Backup Files (*.backup)"));
    if (path.isEmpty())
        return;
    ui->fRestoreLe->setText(path);
    ui->fRestoreStartBtn->setEnabled(true);
}

void KySystemSettingForm::slot_uploadRestoreStartClicked()
{
    const QString path = ui->fRestoreLe->text();
    restoreFileName = QFileInfo(path).fileName().toLocal8Bit().toStdString();
    const QString refusal = restoreRefusal(path);
    if (!refusal.isEmpty()) {
        message(QStringLiteral("提示"), refusal);
        return;
    }
    restoreTargetPath = kRecoveryFolder + restoreFileName;
    restoreMd5 = fileMd5(path);
    printf("upload %s.\n", restoreMd5.c_str());
}

void KySystemSettingForm::slot_uplaodFinish()
{
    const int rc = m_config->sendRequest2(KyServerConfigManage::RT_RECOVERY, restoreFileName, restoreMd5);
    if (rc != 0) {
        message(QStringLiteral("提示"), QStringLiteral("数据恢复失败！"));
        return;
    }
    ui->fRestoreStartBtn->setEnabled(false);
    message(QStringLiteral("提示"), QStringLiteral("数据恢复完成！"), 4);
}
