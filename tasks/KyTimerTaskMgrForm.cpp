#include "KyTimerTaskMgrForm.h"

#include <QHeaderView>
#include <QTableWidget>

#include "KySchemeDataMgr.h"
#include "KyTextUtil.h"
#include "QtSchemeInfo.h"
#include "ui_fTaskInfoForm.h"

namespace {
const int kTimerSchemes = 0;   // scheme kind of the timer tasks
}

KyTimerTaskMgrForm::KyTimerTaskMgrForm(int taskType)
{
    m_taskKind = taskType;
    m_schemePane = new QtSchemeInfo(this, kTimerSchemes);
    ui->fSchemeLayout->addWidget(m_schemePane);
    table()->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_schemeId = 1;
    slot_showTaskList();
    showSchemeName(m_schemeId);

    connectCommon();
    connect(ui->fStartTask, &QPushButton::clicked, this, &KyTimerTaskMgrForm::slot_startTaskClicked);
    connect(ui->fStopTask, &QPushButton::clicked, this, &KyTimerTaskMgrForm::slot_stopTaskClicked);
    connect(table(), &QTableWidget::itemDoubleClicked, this, &KyTimerTaskMgrForm::slot_editClicked);
    connect(table(), &QTableWidget::itemClicked, this, &KyTimerTaskMgrForm::widget_item_clicked);
    connect(m_schemePane, &QtSchemeInfo::showTaskInfo, this,
            qOverload<int>(&KyTimerTaskMgrForm::slot_showTaskList));
    slot_showTaskList();
    table()->hideColumn(1);
}

void KyTimerTaskMgrForm::slot_showTaskList()
{
    if (m_schemeId == -1)
        return;
    fillTaskList();
    sortByStartTime();
}

void KyTimerTaskMgrForm::slot_showTaskList(int sch_id)
{
    m_schemeId = sch_id;
    slot_showTaskList();
    showSchemeName(sch_id);
}

void KyTimerTaskMgrForm::showSchemeName(int id)
{
    KyScheme scheme;
    const bool found = KySchemeDataMgr::instance()->findScheme(id, kTimerSchemes, &scheme);
    ui->fSchemeNameText->setText(found ? localToQString(scheme.name) : QString());
}

void KyTimerTaskMgrForm::slot_addClicked()
{
    addTask();
}

void KyTimerTaskMgrForm::slot_editClicked()
{
    editCurrentTask(false);
}

void KyTimerTaskMgrForm::slot_startTaskClicked()
{
    KyScheme scheme;
    if (!KySchemeDataMgr::instance()->findScheme(m_schemeId, kTimerSchemes, &scheme))
        return;
    if (scheme.enable == 0) {
        message(QString::fromUtf8("方案已禁用!"));
        return;
    }
    startOrStopSelected(true);
}

void KyTimerTaskMgrForm::slot_stopTaskClicked()
{
    startOrStopSelected(false);
}
