#include "KySsTaskMgrForm.h"

#include <QTableWidget>

#include "KyTaskVocabulary.h"
#include "ui_fTaskInfoForm.h"

KySsTaskMgrForm::KySsTaskMgrForm(int taskType)
{
    m_taskKind = taskType;
    initTable();
    connectCommon();
    connect(ui->fStartTask, &QPushButton::clicked, this, &KySsTaskMgrForm::slot_startTaskClicked);
    connect(ui->fStopTask, &QPushButton::clicked, this, &KySsTaskMgrForm::slot_stopTaskClicked);
    if (taskType != KY_TASK_SDK) {
        connect(table(), &QTableWidget::itemDoubleClicked, this, &KySsTaskMgrForm::slot_editClicked);
        connect(table(), &QTableWidget::itemClicked, this, &KySsTaskMgrForm::widget_item_clicked);
    }
    fillTaskList();
    ui->fSchemeTitleText->hide();
    ui->fSchemeNameText->hide();
    table()->hideColumn(2);
    if (taskType == KY_TASK_SDK)
        table()->hideColumn(1);
}

void KySsTaskMgrForm::initTable()
{
    if (m_taskKind != KY_TASK_SDK)
        return;
    ui->fStartTask->hide();
    ui->fEditBtn->hide();
    ui->fNewBtn->hide();
    ui->fDelBtn->hide();
    table()->hideColumn(5);
    table()->hideColumn(6);
    table()->hideColumn(7);
}

void KySsTaskMgrForm::slot_showTaskList()
{
    fillTaskList();
}

void KySsTaskMgrForm::slot_addClicked()
{
    addTask();
}

void KySsTaskMgrForm::slot_editClicked()
{
    editCurrentTask(false);
}

void KySsTaskMgrForm::slot_startTaskClicked()
{
    startOrStopSelected(true);
}

void KySsTaskMgrForm::slot_stopTaskClicked()
{
    startOrStopSelected(false);
}
