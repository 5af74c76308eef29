#include "KyTimerTaskEditDialog.h"

#include <QCheckBox>
#include <QDateTime>

#include "KyExecTimeDialog.h"
#include "KyExecTimeViewCtrl.h"
#include "KyKeptValue.h"
#include "KyMicListMgr.h"
#include "KyRegionListMgr.h"
#include "KySsTask.h"
#include "KyTableUtil.h"
#include "KyTaskEditCommon.h"
#include "KyTaskVocabulary.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fTimerTaskEditDialog.h"

namespace {
const int kNewTaskPrePower = 3;
const int kPickLayout = 4;   // name and a hidden id column
const QColor kChosenColour(254, 230, 192);

QList<QCheckBox*> weekdayBoxes(Ui::fTimerTaskEditDialog& ui)
{
    return {ui.fMondayCb, ui.fTuesdayCb, ui.fWednesdayCb, ui.fThursdayCb,
            ui.fFridayCb, ui.fSaturdayCb, ui.fSundayCb};
}

QDate localDate(int32_t seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime).date();
}
}  // namespace

KyTimerTaskEditDialog::KyTimerTaskEditDialog(KySsTask* task)
    : ui(new Ui::fTimerTaskEditDialog), m_task(task)
{
    ui->setupUi(this);
    m_common.reset(new KyTaskEditCommon(KyTaskEditWidgets::of(*ui), task, this));
    setMouseTracking(true);
    ui->fNameEdit->setMaxLength(32);
    if (m_common->isNew()) {
        setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, QString::fromUtf8("新建任务"));
        setWindowTitle(QString::fromUtf8("新建"));
        ui->fNameEdit->setText(QString::fromUtf8("新建任务"));
        ui->fNameEdit->setFocus();
    } else {
        setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, QString::fromUtf8("任务编辑"));
        setWindowTitle(QString::fromUtf8("编辑"));
        ui->fNameEdit->setText(localToQString(task->name));
    }
    m_common->openVolume();
    m_common->openPlayMode();
    m_common->openContent({makeColumnKeyName(), tr("ID"), tr("IP")}, true);
    openSchedule();
    openTargets();
    makeConnections();
}

KyTimerTaskEditDialog::~KyTimerTaskEditDialog() = default;

bool KyTimerTaskEditDialog::isManual() const
{
    return m_task->sourceCategory == KY_TASK_MANUAL;
}

int32_t KyTimerTaskEditDialog::localMidnight(const QDate& date)
{
    return static_cast<int32_t>(QDateTime(date, QTime(0, 0), Qt::LocalTime).toSecsSinceEpoch());
}

void KyTimerTaskEditDialog::openSchedule()
{
    ui->fExecTimeTable->setColumnCount(2);
    ui->fExecTimeTable->setHorizontalHeaderLabels({makeColumnKeyName(), QString::fromUtf8("执行时间")});
    setupTableWidget(ui->fExecTimeTable);
    m_execTimeCtrl.reset(new KyExecTimeViewCtrl(ui->fExecTimeTable));

    const QList<QCheckBox*> days = weekdayBoxes(*ui);
    if (m_common->isNew()) {
        ui->fPreOpenAmpSpinBox->setValue(kNewTaskPrePower);
        ui->fStartDateEdit->setDate(QDate::currentDate());
        ui->fStopDateEdit->setDate(QDate::currentDate());
        ui->fStopDateEdit->setEnabled(false);
        for (QCheckBox* day : days)
            day->setChecked(true);
    } else {
        if (m_task->startDate >= 0)
            ui->fStartDateEdit->setDate(localDate(m_task->startDate));
        const bool hasEnd = m_task->endDate > 0;
        ui->fStopDateCb->setChecked(hasEnd);
        if (hasEnd)
            ui->fStopDateEdit->setDate(localDate(m_task->endDate));
        ui->fStopDateEdit->setEnabled(hasEnd);
        m_execTimeCtrl->setExecTimes(m_task->execTimeList);
        for (int bit = 0; bit < days.size(); ++bit)
            days[bit]->setChecked((m_task->week >> bit) & 1);
        ui->fPreOpenAmpSpinBox->setValue(m_task->openAmp);
    }
    if (isManual()) {
        ui->fStartTimeGroupBox->hide();
        ui->fPreOpenAmpSpinBox->setValue(0);
        ui->fPreOpenAmpSpinBox->setEnabled(false);
    }
    m_shownWeek = weekMask();
    m_shownOpenAmp = ui->fPreOpenAmpSpinBox->value();
    m_shownStart = startDateEntered();
    m_shownEnd = endDateEntered();
    m_shownExecTimes = execTimesEntered();
}

std::string KyTimerTaskEditDialog::execTimesEntered() const
{
    std::list<KyExecTime> times;
    m_execTimeCtrl->getExecTimes(&times);
    return KyExecTimeViewCtrl::joinExecTimes(times);
}

int KyTimerTaskEditDialog::startDateEntered() const
{
    return localMidnight(ui->fStartDateEdit->date());
}

int KyTimerTaskEditDialog::endDateEntered() const
{
    return ui->fStopDateCb->isChecked() ? localMidnight(ui->fStopDateEdit->date()) : 0;
}

void KyTimerTaskEditDialog::openTargets()
{
    m_terminalPick.setTable(ui->fTerminalTable, ui->fTerminalCb, kPickLayout);
    KyMicListMgr* mics = KyMicListMgr::instance();
    if (mics->requestMicBooks({KyM11Manage::RT_PLAY_TERMINALS, 0}) == 0) {
        const std::list<int32_t>& chosen = m_task->terminalIdList;
        KySelectTableCtrl::Batch batch(m_terminalPick);
        for (const KyTerminal& term : *mics->lockPlayTerminals()) {
            const bool ticked =
                !m_common->isNew() && std::find(chosen.begin(), chosen.end(), term.id) != chosen.end();
            m_terminalPick.addRow(ticked ? Qt::Checked : Qt::Unchecked, term.name, term.id, term.type);
        }
        mics->unlockPlayTerminals();
    }

    m_regionPick.setTable(ui->fRegionTable, ui->fTerminalCb, kPickLayout);
    connect(ui->fRegionTable, &QTableWidget::itemClicked, this, &KyTimerTaskEditDialog::slot_regionTableItemClicked);
    KySelectTableCtrl::Batch batch(m_regionPick);
    for (const KyRegion& region : KyRegionListMgr::instance()->regionList())
        m_regionPick.addRow(Qt::Unchecked, region.name, region.id, std::string());
}

void KyTimerTaskEditDialog::makeConnections()
{
    m_common->connectShared(this);
    connect(ui->fStopDateCb, &QCheckBox::stateChanged, this, &KyTimerTaskEditDialog::slot_setStopDateStateChanged);
    connect(ui->fTimeAddBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::slot_addExecTime);
    connect(ui->fTimeEditBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::slot_editExecTime);
    connect(ui->fTimeDelBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::slot_delExecTime);
    connect(ui->fExecTimeTable, &QTableWidget::cellDoubleClicked, this, &KyTimerTaskEditDialog::slot_editExecTime);
    connect(ui->fAddPlayListBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::slot_addAllSelectedFiles);
    connect(ui->fPlayListDelBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::slot_delAllSelectedFiles);
    connect(ui->fPlayListDownBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::movedown_broad_file);
    connect(ui->fPlayListUpBtn, &QPushButton::clicked, this, &KyTimerTaskEditDialog::moveup_broad_file);
}

int KyTimerTaskEditDialog::weekMask() const
{
    int mask = 0;
    const QList<QCheckBox*> days = weekdayBoxes(*ui);
    for (int bit = 0; bit < days.size(); ++bit) {
        if (days[bit]->isChecked())
            mask |= 1 << bit;
    }
    return mask;
}

bool KyTimerTaskEditDialog::readSchedule()
{
    const bool edited = !m_common->isNew();
    m_task->week = edited ? kyKeptValue(m_task->week, m_shownWeek, weekMask()) : weekMask();
    if (isManual()) {
        m_task->startDate = 0;
        m_task->endDate = 0;
        m_task->executeTime.clear();
        m_task->openAmp = 0;
        return true;
    }
    const int openAmp = ui->fPreOpenAmpSpinBox->value();
    m_task->openAmp = edited ? kyKeptValue(m_task->openAmp, m_shownOpenAmp, openAmp) : openAmp;
    m_task->startDate = edited ? kyKeptValue(m_task->startDate, m_shownStart, startDateEntered()) : startDateEntered();
    m_task->endDate = edited ? kyKeptValue(m_task->endDate, m_shownEnd, endDateEntered()) : endDateEntered();
    m_execTimeCtrl->getExecTimes(&m_task->execTimeList);
    if (m_task->execTimeList.empty())
        return false;
    const std::string times = KyExecTimeViewCtrl::joinExecTimes(m_task->execTimeList);
    m_task->executeTime = edited ? kyKeptValue(m_task->executeTime, m_shownExecTimes, times) : times;
    return true;
}

bool KyTimerTaskEditDialog::readTargets()
{
    std::string ids;
    for (int row = 0; row < ui->fTerminalTable->rowCount(); ++row) {
        QTableWidgetItem* item = ui->fTerminalTable->item(row, 0);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        if (!ids.empty())
            ids += ' ';
        ids += std::to_string(item->data(Qt::UserRole).toInt());
    }
    m_task->terminalId = ids;
    return !ids.empty();
}

void KyTimerTaskEditDialog::slot_okClicked()
{
    if (!m_common->readNameAndVolume()) {
        KyTaskEditCommon::refuse(QString::fromUtf8("任务名称不能为空!"));
        return;
    }
    switch (m_common->readPlayMode()) {
    case KyTaskEditCommon::NoPlayMode: KyTaskEditCommon::refuse(tr("Play times or counts must be selected!")); return;
    case KyTaskEditCommon::ZeroDuration: KyTaskEditCommon::refuse(QString::fromUtf8("播放时长不能为0!")); return;
    case KyTaskEditCommon::ZeroCount: KyTaskEditCommon::refuse(QString::fromUtf8("播放次数不能为0!")); return;
    case KyTaskEditCommon::PlayModeOk: break;
    }
    if (!readSchedule()) {
        KyTaskEditCommon::refuse(QString::fromUtf8("请添加执行时间！"));
        return;
    }
    if (!readTargets()) {
        KyTaskEditCommon::refuse(QString::fromUtf8("请选择播放终端!"));
        return;
    }
    switch (m_common->readContent()) {
    case KyTaskEditCommon::NoPlayFile: KyTaskEditCommon::refuse(tr("Please select play file!")); return;
    case KyTaskEditCommon::NoCapTerminal: KyTaskEditCommon::refuse(QString::fromUtf8("请选择采集终端!")); return;
    case KyTaskEditCommon::NoTtsText: KyTaskEditCommon::refuse(QString::fromUtf8("请输入TTS内容!")); return;
    case KyTaskEditCommon::ContentOk: break;
    }
    accept();
}

void KyTimerTaskEditDialog::slot_setPlayTimeStateChanged(int)
{
    m_common->playTimeToggled();
}

void KyTimerTaskEditDialog::slot_setPlayCountsStateChanged(int)
{
    m_common->playCountToggled();
}

void KyTimerTaskEditDialog::slot_setStopDateStateChanged(int)
{
    ui->fStopDateEdit->setEnabled(ui->fStopDateCb->isChecked());
}

void KyTimerTaskEditDialog::slot_regionTableItemClicked(QTableWidgetItem* item)
{
    if (!item)
        return;
    QTableWidgetItem* flag = ui->fRegionTable->item(item->row(), 1);
    QTableWidgetItem* first = ui->fRegionTable->item(item->row(), 0);
    if (!flag || !first || flag->data(Qt::UserRole).toInt() != 1)
        return;
    KyRegion region;
    if (!KyRegionListMgr::instance()->getRegion(first->data(Qt::UserRole).toInt(), &region))
        return;
    QTableWidget* terms = ui->fTerminalTable;
    for (const KyBaseTerminal& member : region.members) {
        for (int row = 0; row < terms->rowCount(); ++row) {
            QTableWidgetItem* name = terms->item(row, 0);
            QTableWidgetItem* chosen = terms->item(row, 1);
            if (!name || !chosen || name->data(Qt::UserRole).toInt() != member.id
                || chosen->data(Qt::UserRole).toInt() != 0)
                continue;
            name->setCheckState(Qt::Checked);
            chosen->setData(Qt::UserRole, 1);
            setRowBackground(terms, row, kChosenColour);
        }
    }
}

void KyTimerTaskEditDialog::slot_addExecTime()
{
    KyExecTime t;
    KyExecTimeDialog dlg;
    if (dlg.exec() != QDialog::Accepted)
        return;
    dlg.getExecTime(&t);
    m_execTimeCtrl->addExecTime(t);
}

void KyTimerTaskEditDialog::slot_editExecTime()
{
    KyExecTime t;
    if (m_execTimeCtrl->currentExecTime(&t) == -1)
        return;
    KyExecTimeDialog dlg;
    dlg.setExecTime(t);
    if (dlg.exec() != QDialog::Accepted)
        return;
    dlg.getExecTime(&t);
    m_execTimeCtrl->setCurrentExecTime(t);
}

void KyTimerTaskEditDialog::slot_delExecTime()
{
    m_execTimeCtrl->removeCurrent();
}

void KyTimerTaskEditDialog::slot_capTableItemClicked(QTableWidgetItem* item)
{
    m_common->capItemClicked(item);
}

void KyTimerTaskEditDialog::slot_capTableCellChanged(int row, int column)
{
    m_common->capCellChanged(row, column);
}

void KyTimerTaskEditDialog::slot_addPlayFile(int, int)
{
    m_common->addSelectedFiles();
}

void KyTimerTaskEditDialog::slot_addAllSelectedFiles()
{
    slot_addPlayFile(0, 0);
}

void KyTimerTaskEditDialog::slot_delPlayFile(int, int)
{
    m_common->removeSelectedPlayRows();
}

void KyTimerTaskEditDialog::slot_delAllSelectedFiles()
{
    slot_delPlayFile(0, 0);
}

void KyTimerTaskEditDialog::moveup_broad_file()
{
    m_common->moveCurrentPlayRow(-1);
}

void KyTimerTaskEditDialog::movedown_broad_file()
{
    m_common->moveCurrentPlayRow(+1);
}

void KyTimerTaskEditDialog::slot_textChanged()
{
    m_common->limitTtsText();
}
