#include "LogExportDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>

#include "BaseMessageDialog.h"
#include "KySettings.h"
#include "KyTipsInfo.h"
#include "LogExportThread.h"
#include "ui_LogExportDialog.h"

namespace {
const char* kLastFolderKey = "LogLastFilePath";

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}
}  // namespace

LogExportDialog::LogExportDialog(QWidget* parent, const QStringList& titles, int kind)
    : KyShadowDialog(parent), ui(new Ui::LogExportDialog), m_titles(titles), m_kind(kind)
{
    ui->setupUi(this);
    setMouseTracking(true);
    connect(ui->close_btn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->fExportBtn, &QPushButton::clicked, this, &LogExportDialog::export_btn_clicked);
    connect(ui->desktop_btn, &QPushButton::clicked, this, &LogExportDialog::user_define_btn_clicked);
    connect(ui->user_defined_btn, &QPushButton::clicked, this, &LogExportDialog::user_define_btn_clicked);

    ui->export_bar->setValue(0);
    ui->message_widget->hide();
    ui->progress_widget->hide();
    ui->icon_le->setPixmap(QPixmap(":/images/folder-open.png"));
    setWindowTitle(QStringLiteral("日志导出"));
    ui->title_name_le->setText(QStringLiteral("日志导出"));
    ui->title_name_le->setStyleSheet(QStringLiteral("color:white;"));
    ui->contentGroupBox->setStyleSheet(QStringLiteral("background-color:white;"));

    m_fileName = defaultFileName(kind);
    ui->file_name_le->setText(m_fileName);
    QString folder = kyOpenSettings()->value(QLatin1String(kLastFolderKey)).toString();
    if (folder.isEmpty())
        folder = desktopFolder();
    ui->directoryComboBox->addItem(folder);
    ui->directoryComboBox->setCurrentIndex(ui->directoryComboBox->count() - 1);

    ui->fExportBtn->setText(QStringLiteral("下载"));
    ui->fExportBtn->setIcon(QIcon(":/images/dwonload_btn_16px.png"));
    ui->fExportBtn->setDefault(true);
}

// A running export goes on alone: its signals die with this dialog.
LogExportDialog::~LogExportDialog() = default;

QString LogExportDialog::defaultFileName(int kind)
{
    switch (kind) {
    case 1: return QStringLiteral("ky_user_log");
    case 2: return QStringLiteral("ky_talkback_log");
    case 3: return QStringLiteral("ky_terminal_log");
    default: return QString();
    }
}

QString LogExportDialog::exportPath(const QString& folder, const QString& name)
{
    QString path = folder + QLatin1Char('/') + name;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseSensitive))
        path += QLatin1String(".csv");
    return path;
}

void LogExportDialog::user_define_btn_clicked()
{
    QString folder;
    if (sender() == ui->desktop_btn)
        folder = desktopFolder();
    else
        folder = QFileDialog::getExistingDirectory(this, QStringLiteral("选择目录"), QDir::currentPath(),
                                                   QFileDialog::ShowDirsOnly);
    chooseFolder(folder);
}

void LogExportDialog::chooseFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QComboBox* box = ui->directoryComboBox;
    int index = box->findText(folder, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(folder);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void LogExportDialog::export_btn_clicked()
{
    ui->fExportBtn->setEnabled(false);
    ui->fCancelBtn->setEnabled(false);
    ui->message_widget->hide();
    ui->progress_widget->show();

    m_folder = ui->directoryComboBox->currentText();
    kyOpenSettings()->setValue(QLatin1String(kLastFolderKey), m_folder);
    const QString path = exportPath(m_folder, ui->file_name_le->text());

    auto* thread = new LogExportThread(path, m_titles, m_kind);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &LogExportThread::update_signal, this, &LogExportDialog::update_export_rate);
    connect(thread, &LogExportThread::finish_signal, this, &LogExportDialog::update_finish_flag);
    m_thread = thread;
    thread->start(QThread::InheritPriority);
}

void LogExportDialog::update_export_rate(long num)
{
    ui->export_bar->setValue(static_cast<int>(num));
}

void LogExportDialog::update_finish_flag(int value)
{
    if (value == 1) {
        accept();
        BaseMessageDialog msg(KyTipsInfo::tips(), QStringLiteral("日志下载完成！"), 1);
        msg.exec();
        return;
    }
    switch (value) {
    case 0:
        ui->msg_lable->setText(QStringLiteral("日志空！"));
        ui->fCancelBtn->setText(QStringLiteral("确定"));
        ui->fExportBtn->hide();
        break;
    case -1:
        ui->msg_lable->setText(QStringLiteral("文件打开失败，请关闭文件尝试！"));
        ui->fExportBtn->setEnabled(true);
        break;
    case -2:
        ui->msg_lable->setText(QStringLiteral("数据库连接失败！"));
        ui->fCancelBtn->setText(QStringLiteral("退出"));
        ui->fExportBtn->hide();
        break;
    default:
        break;
    }
    ui->message_widget->show();
    ui->progress_widget->hide();
    ui->fCancelBtn->setEnabled(true);
}
