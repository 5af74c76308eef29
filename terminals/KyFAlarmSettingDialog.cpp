#include "KyFAlarmSettingDialog.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyFAlarm.h"
#include "KyFAlarmChannelDialog.h"
#include "KyFAlarmChannels.h"
#include "KyFAlarmListMgr.h"
#include "KyKeptValue.h"
#include "KySsTaskDataMgr.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fFAlarmSettingForm.h"

namespace {

enum { ColNumber, ColName, ColState, ColTask };
const int kStoredName = Qt::UserRole + 1;   // the name cell's stored bytes
const int kManualTask = 2;
const int kNormalTrigger = 1;
const int kFireTrigger = 2;
const QColor kAlarmRed(252, 65, 54);
const QColor kBoundGrey(240, 240, 240);
const QColor kWhite(255, 255, 255);

void tell(const QString& text)
{
    BaseMessageDialog(KyTipsInfo::tips(), text, 1).exec();
}

QTableWidgetItem* putCell(QTableWidget* table, int row, int column, const QString& text, int data)
{
    auto* item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, data);
    table->setItem(row, column, item);
    return item;
}

QString channelText(int row, const char* what)
{
    return QString("通道%1%2").arg(row + 1).arg(QString::fromUtf8(what));
}

}  // namespace

KyFAlarmSettingDialog::KyFAlarmSettingDialog(KyFAlarm* alarm) : ui(new Ui::fFAlarmSettingForm), m_alarm(alarm)
{
    ui->setupUi(this);
    setMouseTracking(true);
    setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, "消防设置");
    ui->fCancelBtn->hide();

    m_typeGroup.addButton(ui->fNormalCb);
    m_typeGroup.addButton(ui->fEmergencyCb);
    if (m_alarm) {
        m_openName = m_alarm->name;
        m_openPlaceholder = m_alarm->namePlaceholder;
        m_openType = m_alarm->triggerType;
    }
    (m_openType == kNormalTrigger ? ui->fNormalCb : ui->fEmergencyCb)->setChecked(true);
    ui->fNameEdit->setText(localToQString(m_openName));
    m_shownName = ui->fNameEdit->text();
    m_shownType = checkedType();

    setupTableWidget(ui->fChannelTb);
    ui->fChannelTb->verticalHeader()->hide();
    loadTasks();
    fillChannels();

    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyFAlarmSettingDialog::slot_ok_clicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KyFAlarmSettingDialog::reject);
    connect(ui->dialogCloseBtn, &QPushButton::clicked, this, &KyFAlarmSettingDialog::close);
    connect(ui->fChannelTb, &QTableWidget::cellDoubleClicked, this, &KyFAlarmSettingDialog::slot_editChannelClicked);
    connect(ui->fDelChannelBtn, &QPushButton::clicked, this, &KyFAlarmSettingDialog::slot_delChannelClicked);
    connect(ui->fEditChannelBtn, &QPushButton::clicked, this, &KyFAlarmSettingDialog::slot_editChannelClicked);
}

KyFAlarmSettingDialog::~KyFAlarmSettingDialog() = default;

void KyFAlarmSettingDialog::loadTasks()
{
    m_tasks.clear();
    for (KySsTask& task : KySsTaskDataMgr::instance()->taskList()) {
        if (task.sourceCategory == kManualTask)
            m_tasks.push_back(std::move(task));
    }
}

void KyFAlarmSettingDialog::fillChannels()
{
    QTableWidget* table = ui->fChannelTb;
    table->setRowCount(0);
    if (!m_alarm)
        return;
    const std::vector<KyFAlarmChannel> channels = kyParseFAlarmChannels(m_alarm->broadcast);
    table->setRowCount(static_cast<int>(channels.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const bool triggered = kyFAlarmChannelTriggered(m_alarm->shortCircuit, row + 1);
        putCell(table, row, ColNumber, QString::number(row + 1), 0);
        putCell(table, row, ColName, QString(), 0);
        QTableWidgetItem* state = putCell(table, row, ColState, triggered ? "报警" : "空闲", triggered ? 1 : 0);
        if (triggered)
            state->setForeground(kAlarmRed);
        putCell(table, row, ColTask, QString(), 0);
        showChannelTask(row, channels[row].taskId, channels[row].name);
    }
}

void KyFAlarmSettingDialog::showChannelTask(int row, int taskId, const std::string& name)
{
    QTableWidget* table = ui->fChannelTb;
    table->item(row, ColNumber)->setData(Qt::UserRole, taskId);
    table->item(row, ColName)->setText(localToQString(name));
    table->item(row, ColName)->setData(kStoredName, QByteArray::fromStdString(name));
    table->item(row, ColTask)->setText(taskText(taskId));
    setRowBackground(table, row, taskId == 0 ? kWhite : kBoundGrey);
}

QString KyFAlarmSettingDialog::taskText(int taskId) const
{
    if (taskId == 0)
        return "[未配置]";
    for (const KySsTask& task : m_tasks) {
        if (task.id == taskId)
            return localToQString(task.name);
    }
    return "[任务不存在]";
}

int KyFAlarmSettingDialog::idleCurrentRow()
{
    QTableWidget* table = ui->fChannelTb;
    const int row = table->currentRow();
    if (KyTableUtil::tableItemIntData(table, row, ColNumber) == -1)
        return -1;
    if (KyTableUtil::tableItemIntData(table, row, ColState) == 1) {
        tell(channelText(row, "触发状态，请空闲再配置！"));
        return -1;
    }
    return row;
}

bool KyFAlarmSettingDialog::saveChannel(int row, int taskId, const std::string& name)
{
    KyFAlarmTriggerReq req;
    req.id = m_alarm ? m_alarm->id : 0;
    req.channelName = name;
    req.channel = row + 1;
    req.sourceId = taskId;
    req.triggerSwitch = 1;
    req.stopPlay = 0;
    if (KyFAlarmListMgr::instance()->saveTrigger(req) != 0) {
        tell(channelText(row, "设置错误！"));
        return false;
    }
    m_channelSaved = true;
    showChannelTask(row, taskId, name);
    return true;
}

void KyFAlarmSettingDialog::slot_editChannelClicked()
{
    const int row = idleCurrentRow();
    if (row < 0)
        return;
    QTableWidget* table = ui->fChannelTb;
    QTableWidgetItem* name = table->item(row, ColName);
    KyFAlarmChannelDialog dialog(&m_tasks, table->item(row, ColNumber)->data(Qt::UserRole).toInt(), name->text());
    if (dialog.exec() != 1)
        return;
    // A name left as shown goes back as stored (bytes that are not UTF-8 too).
    const std::string stored = name->data(kStoredName).toByteArray().toStdString();
    saveChannel(row, dialog.taskId(),
                kyKeptValue(stored, name->text().toLocal8Bit().toStdString(), dialog.channelName().toLocal8Bit().toStdString()));
}

void KyFAlarmSettingDialog::slot_delChannelClicked()
{
    const int row = idleCurrentRow();
    if (row >= 0)
        saveChannel(row, 0, kyFAlarmChannelDefaultName(row + 1));
}

void KyFAlarmSettingDialog::slot_ok_clicked()
{
    if (!saveInterface())
        return;
    m_channelSaved = true;
    accept();
}

int KyFAlarmSettingDialog::checkedType() const
{
    return ui->fNormalCb->isChecked() ? kNormalTrigger : kFireTrigger;
}

bool KyFAlarmSettingDialog::saveInterface()
{
    const QString text = ui->fNameEdit->text();
    if (text.isEmpty()) {
        tell("名称不能为空！");
        return false;
    }
    // Fields left as shown keep the stored value (a placeholder name, a
    // trigger type other than 1 and 2).
    const int type = checkedType();
    if (!m_alarm || (text == m_shownName && type == m_shownType))
        return true;
    const bool nameEdited = text != m_shownName;
    m_alarm->name = nameEdited ? text.toLocal8Bit().toStdString() : m_openName;
    m_alarm->namePlaceholder = !nameEdited && m_openPlaceholder;
    m_alarm->triggerType = kyKeptValue(m_openType, m_shownType, type);
    if (KyFAlarmListMgr::instance()->saveFAlarm(*m_alarm) != 0) {
        tell("设置错误！");
        return false;
    }
    return true;
}
