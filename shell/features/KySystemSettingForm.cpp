#include "KySystemSettingForm.h"

#include <QRegExpValidator>
#include <QSettings>

#include "BaseMessageDialog.h"
#include "KyServerConfigManage.h"
#include "KyServerConfigMgr.h"
#include "KySettings.h"
#include "KyTextUtil.h"
#include "TcpSocketClient.h"
#include "ui_settingSystemSetForm.h"

namespace {
const char* kDefaultTitle = "管理中心";

QString doneText()
{
    return QStringLiteral("[已设置]");
}

void notice(const QString& text)
{
    BaseMessageDialog msg(QStringLiteral("提示"), text, 1);
    msg.exec();
}

// "host:port" split at every ":", empty parts kept.
QStringList addressParts(const std::string& value)
{
    return localToQString(value).split(QLatin1Char(':'));
}
}  // namespace

KySystemSettingForm::KySystemSettingForm(QWidget* parent)
    : QWidget(parent), titleName(QString::fromUtf8(kDefaultTitle)), ui(new Ui::settingSystemSetForm),
      m_config(KyServerConfigMgr::instance())
{
    ui->setupUi(this);
    connectSlots();
    ui->fPassLe->setMaxLength(6);
    ui->fPassLe->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("[a-zA-Z0-9]+$"), Qt::CaseSensitive), ui->fPassLe));
    ui->fBackupStartBtn->setEnabled(false);
    ui->fRestoreStartBtn->setEnabled(false);
    ui->fBackupLe->setEnabled(false);
    ui->fRestoreLe->setEnabled(false);
    ui->fServerBackupGb->hide();
    ui->fTalkLogGb->hide();
    ui->fRecordServerGb->hide();
    ui->fTitleLe->setText(titleName);
    m_config->getSystemParameter();
}

KySystemSettingForm::~KySystemSettingForm() = default;

void KySystemSettingForm::connectSlots()
{
    using F = KySystemSettingForm;
    connect(m_config, &KyServerConfigMgr::gotServerList, this, &F::slot_gotServerConfig);
    connect(ui->fRecordButton, &QPushButton::clicked, this, &F::slot_setRecordServerBtnClick);
    connect(ui->fTalkLogButton, &QPushButton::clicked, this, &F::slot_setLogServerBtnClick);
    connect(ui->fUserPassButton, &QPushButton::clicked, this, &F::slot_setPasswordBtnClick);
    connect(ui->fVadpushButton, &QPushButton::clicked, this, &F::slot_setVadPttBtnClick);
    connect(ui->fSaveTileBtn, &QPushButton::clicked, this, &F::slot_saveTitleClicked);
    connect(ui->fBackupDirBtn, &QPushButton::clicked, this, &F::slot_backupDownloadDirClicked);
    connect(ui->fBackupStartBtn, &QPushButton::clicked, this, &F::slot_backupDownloadStartClicked);
    connect(m_config, &KyServerConfigMgr::gotBackupMd5, this, &F::slot_gotBackupMd5);
    connect(m_config, &KyServerConfigMgr::downloadFinish, this, &F::slot_downlaodFinish);
    connect(ui->fRestoreDirBtn, &QPushButton::clicked, this, &F::slot_uploadRestoreDirClicked);
    connect(ui->fRestoreStartBtn, &QPushButton::clicked, this, &F::slot_uploadRestoreStartClicked);
    connect(m_config, &KyServerConfigMgr::uploadFinish, this, &F::slot_uplaodFinish);
}

bool KySystemSettingForm::isValidVadTimeOut(const QString& text)
{
    static const QRegExp digits(QStringLiteral("[0-9]+"));
    if (!digits.exactMatch(text))
        return false;
    // Leading zeros aside, more than nine digits is surely at least 300.
    const QString trimmed = text.mid(qMax(0, text.indexOf(QRegExp(QStringLiteral("[1-9]")))));
    return trimmed.size() > 9 || trimmed.toLongLong() >= kMinVadTimeOut;
}

void KySystemSettingForm::announceTitle(const QString& title)
{
    titleName = title;
    ui->fTitleLe->setText(title);
    emit sendTitleString(title);
}

void KySystemSettingForm::slot_gotServerConfig()
{
    bool named = false;
    for (const KySystemParameter& p : m_config->systemParameters()) {
        const QString value = localToQString(p.value);
        if (p.kind == 0 || p.kind == 1) {
            const QStringList parts = addressParts(p.value);
            if (parts.size() < 2)
                continue;
            if (p.kind == 0) {
                ui->fTbRecordIp->setText(parts[0]);
                ui->fTbRecordPort->setText(parts[1]);
                ui->kRecordNoteLabel->setText(doneText());
                TcpSocketClient::instance()->setRecordServer(parts[0], kyRecordDownPort());
            } else {
                ui->fTbLogIp->setText(parts[0]);
                ui->fTbLogPort->setText(parts[1]);
                ui->kTalkLogNoteLabel->setText(doneText());
            }
        } else if (p.kind == 2) {
            ui->fVadlineEdit->setText(value);
            ui->fVadlabel->setText(doneText());
        } else if (p.kind == 4) {
            announceTitle(value);
            named = true;
        }
    }
    if (!named)
        announceTitle(QString::fromUtf8(kDefaultTitle));
}

bool KySystemSettingForm::acceptResult(int result, QLabel* note)
{
    if (result != 0) {
        notice(QStringLiteral("设置失败！"));
        return false;
    }
    if (note)
        note->setText(doneText());
    return true;
}

void KySystemSettingForm::slot_setRecordServerBtnClick()
{
    if (ui->fRecordServerGb->isChecked()) {
        const QString ip = ui->fTbRecordIp->text();
        const QString value = ip + QLatin1Char(':') + ui->fTbRecordPort->text();
        const int rc = m_config->setSystemParameter(value.toLocal8Bit().toStdString(),
                                                    KyServerConfigManage::RT_RECORD_SERVER);
        if (acceptResult(rc, ui->kRecordNoteLabel))
            TcpSocketClient::instance()->setRecordServer(ip, kyRecordDownPort());
    }
    ui->fRecordServerGb->setChecked(false);
}

void KySystemSettingForm::slot_setLogServerBtnClick()
{
    if (ui->fTalkLogGb->isChecked()) {
        const QString value = ui->fTbLogIp->text() + QLatin1Char(':') + ui->fTbLogPort->text();
        acceptResult(m_config->setSystemParameter(value.toLocal8Bit().toStdString(),
                                                  KyServerConfigManage::RT_TALK_LOG_SERVER),
                     ui->kTalkLogNoteLabel);
    }
    ui->fTalkLogGb->setChecked(false);
}

void KySystemSettingForm::slot_setPasswordBtnClick()
{
    if (ui->fUserPassGb->isChecked()) {
        const QString password = ui->fPassLe->text();
        if (password.isEmpty())
            notice(QStringLiteral("密码不能为空！"));
        else
            acceptResult(m_config->setSystemParameter(password.toLocal8Bit().toStdString(),
                                                      KyServerConfigManage::RT_ADMIN_PASSWORD),
                         nullptr);
    }
    ui->fPassLe->clear();
    ui->fUserPassGb->setChecked(false);
}

void KySystemSettingForm::slot_setVadPttBtnClick()
{
    if (!ui->fVadgroupBox->isChecked())
        return;
    const QString text = ui->fVadlineEdit->text();
    if (isValidVadTimeOut(text)) {
        acceptResult(m_config->setVadPttTimeOut(text.toLocal8Bit().toStdString()), nullptr);
    } else {
        notice(QStringLiteral("超时时间必须大于或者等于300秒"));
        for (const KySystemParameter& p : m_config->systemParameters()) {
            if (p.kind == 2) {
                ui->fVadlineEdit->setText(localToQString(p.value));
                break;
            }
        }
    }
    ui->fVadgroupBox->setChecked(false);
}

void KySystemSettingForm::slot_saveTitleClicked()
{
    const QString text = ui->fTitleLe->text();
    if (text.isEmpty()) {
        notice(QStringLiteral("请输入名称！"));
        return;
    }
    ui->fTitleNameGb->setChecked(false);
    // The title changes only once the server has taken the name.
    if (!acceptResult(m_config->setSystemParameter(text.toLocal8Bit().toStdString(),
                                                   KyServerConfigManage::RT_SYSTEM_NAME),
                      nullptr))
        return;
    titleName = text;
    emit sendTitleString(text);
    kyOpenSettings()->setValue(QStringLiteral("Setting/Title"), text);
}
