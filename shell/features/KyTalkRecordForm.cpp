#include "KyTalkRecordForm.h"

#include <memory>

#include <QFileDialog>
#include <QSettings>

#include "BaseMessageDialog.h"
#include "KyFtpMng.h"
#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "KySettings.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "MsgTips.h"
#include "MsgTipsGroup.h"
#include "TcpSocketClient.h"
#include "ui_fLogInfoForm.h"

namespace {
const char* const kRecordTypes[] = {
    QT_TRANSLATE_NOOP("KyTalkRecordForm", "Tts"), QT_TRANSLATE_NOOP("KyTalkRecordForm", "Talkback"),
    QT_TRANSLATE_NOOP("KyTalkRecordForm", "Broadcast"),
};
const int kDownloadColumn = 8;
const char* kNoFile = "------";

void tip(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}
}  // namespace

KyTalkRecordForm::KyTalkRecordForm(QWidget* parent)
    : KyLogInfoFormBase(parent, {6, 7, dbCountTalkLog, dbQueryTalkLogPage, &KyServiceLogMgr::talkRecordList})
{
    setupColumns(tr("Record List"),
                 {tr("Begin Time"), tr("End Time"), tr("Caller Code"), tr("Caller Name"), tr("Called Code"),
                  tr("Called Name"), tr("Type"), tr("Content"), tr("Download")},
                 2);
    ui->fLogDownloadBt->hide();
    connect(m_logMgr, &KyServiceLogMgr::gotTalkRecordList, this, &KyTalkRecordForm::slot_showRecordList);
    connect(m_logMgr, &KyServiceLogMgr::gotTalkRecordSize, this, &KyTalkRecordForm::slot_getRecordSize);
    connectPaging(this, &KyTalkRecordForm::slot_previousClicked, &KyTalkRecordForm::slot_nextClicked,
                  &KyTalkRecordForm::slot_refreshClicked);
    connect(ui->fTableWidget, &QTableWidget::cellDoubleClicked, this, &KyTalkRecordForm::slot_cellDoubleClicked);
    connect(TcpSocketClient::instance(), &TcpSocketClient::updateRecordDownloadMsgTip, this,
            &KyTalkRecordForm::slot_updateRecordDownloadMsgTip);
    // Made before the load: a progress signal may arrive while it waits.
    m_notices = new MsgTipsGroup(parent ? parent : this, 250, 65, 25, 80, 65);
    load();
}

QString KyTalkRecordForm::recordTypeText(const std::string& type)
{
    const uint64_t n = kyLeadingNumber(type);
    if (type.empty() || n >= sizeof kRecordTypes / sizeof kRecordTypes[0])
        return localToQString(type);
    return tr(kRecordTypes[n]);
}

QString KyTalkRecordForm::breakNoticeText(const QString& text)
{
    QString out = text;
    const int k = out.size() / 3;
    for (int position : {k + 2, 2 * k + 9}) {
        if (position > out.size())
            out = out.leftJustified(position, QLatin1Char(' '));
        out.insert(position, QLatin1Char('\n'));
    }
    return out;
}

QString KyTalkRecordForm::startedText(const QString& name)
{
    return progressText(name, 0);
}

QString KyTalkRecordForm::progressText(const QString& name, int percent)
{
    return QStringLiteral("录音文件 ") + name + QStringLiteral(" 下载中... [") + QString::number(percent) +
           QStringLiteral("%]");
}

QString KyTalkRecordForm::finishedText(const QString& name)
{
    return QStringLiteral("录音文件 ") + name + QStringLiteral(" 下载完成！ [100%]");
}

QString KyTalkRecordForm::failedText(const QString& name, int percent)
{
    return QStringLiteral("录音文件 ") + name + QStringLiteral(" 下载失败！ [") + QString::number(percent) +
           QStringLiteral("%]");
}

void KyTalkRecordForm::slot_showRecordList() { showList(); }
void KyTalkRecordForm::slot_getRecordSize(int size) { countArrived(size); }
void KyTalkRecordForm::slot_previousClicked() { previousPage(); }
void KyTalkRecordForm::slot_nextClicked() { nextPage(); }
void KyTalkRecordForm::slot_refreshClicked() { refresh(); }
void KyTalkRecordForm::set_refresh_btn_enable() { enableRefresh(); }

QString KyTalkRecordForm::sourcePrefix() const
{
    return QStringLiteral("[ 录音主机：");
}

void KyTalkRecordForm::drawRow(int row, const KyLogEntry& e)
{
    drawTalkCells(row, e, recordTypeText(e.type), e.id);
    const QString download = e.recordFile.empty() ? QString::fromLatin1(kNoFile) : QStringLiteral("双击下载");
    ui->fTableWidget->setItem(row, kDownloadColumn, new QTableWidgetItem(download));
}

bool KyTalkRecordForm::findRecord(int id, KyLogEntry& record) const
{
    if (!directRoad())
        return m_logMgr->getTalkRecord(id, record);
    for (const KyLogEntry& e : m_rows) {
        if (e.id == id) {
            record = e;
            return true;
        }
    }
    return false;
}

void KyTalkRecordForm::slot_cellDoubleClicked(int row, int col)
{
    if (col != kDownloadColumn)
        return;
    QTableWidgetItem* cell = ui->fTableWidget->item(row, col);
    if (!cell || cell->text() == QLatin1String(kNoFile)) {
        tip(QStringLiteral("录音文件不存在！"));
        return;
    }
    KyLogEntry record;
    if (!findRecord(cellInt(row, 0), record))
        return;
    const std::string remote = record.recordFile;

    std::unique_ptr<QSettings> settings = kyOpenSettings();
    const QString key = QStringLiteral("MediaLastFilePath");
    const QString last = settings->value(key).toString();
    const QString folder = QFileDialog::getExistingDirectory(nullptr, tr("save file"), last,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    if (folder != last)
        settings->setValue(key, folder);

    const QString name = QString::fromStdString(fileNameOfPath(remote));
    const std::string local = folder.toLocal8Bit().toStdString() + "/" + fileNameOfPath(remote);
    if (!name.isEmpty() && m_notices->tipWithText(name)) {
        tip(QStringLiteral("录音文件下载中，请等待任务完成！"));
        return;
    }
    MsgTips* notice = m_notices->freeTip();
    if (!notice) {
        tip(QStringLiteral("下载任务已满，请等待之前的任务结束。"));
        return;
    }
    notice->setTipText(name);
    // A download that cannot be queued (no file service, or a name that would
    // leave the chosen folder) reports its failure at once.
    if (KyFtpMng::instance()->downloadFile(remote, local) != 0) {
        notice->setLabelText(breakNoticeText(failedText(name, 0)));
        notice->setTipStyle(2);
        notice->showFor(kNoticeHideMs);
        return;
    }
    notice->setLabelText(breakNoticeText(startedText(name)));
    notice->showFor(-1);
}

void KyTalkRecordForm::slot_updateRecordDownloadMsgTip(QString filename, int percent, int status)
{
    MsgTips* notice = filename.isEmpty() ? nullptr : m_notices->tipWithText(filename);
    if (!notice)
        return;
    if (status == 0) {
        notice->setLabelText(breakNoticeText(progressText(filename, percent)));
        notice->showFor(-1);
    } else if (status == 1) {
        notice->setLabelText(breakNoticeText(finishedText(filename)));
        notice->showFor(kNoticeHideMs);
    } else {
        notice->setLabelText(breakNoticeText(failedText(filename, percent)));
        notice->setTipStyle(2);
        notice->showFor(kNoticeHideMs);
    }
}
