#include "KyPlanTaskMgrForm.h"

#include <QTableWidget>

#include "KyPlanTaskEditDialog.h"
#include "KySsTaskDataMgr.h"
#include "KyTaskVocabulary.h"
#include "ui_fTaskInfoForm.h"

KyPlanTaskMgrForm::KyPlanTaskMgrForm()
{
    ui->fStartTask->hide();
    connectCommon();
    connect(ui->fStopTask, &QPushButton::clicked, this, &KyPlanTaskMgrForm::slot_stopTaskClicked);
    connect(table(), &QTableWidget::itemDoubleClicked, this, &KyPlanTaskMgrForm::slot_editClicked);
    connect(table(), &QTableWidget::itemClicked, this, &KyPlanTaskMgrForm::slot_widgetItemClicked);
    m_taskKind = KY_TASK_SOUND_SOURCE;
    fillTaskList();
    ui->tableNameLable->setText(QString::fromUtf8("预案列表"));
    ui->fSchemeTitleText->hide();
    ui->fSchemeNameText->hide();
    table()->hideColumn(2);
    table()->hideColumn(1);
}

bool KyPlanTaskMgrForm::runEditor(KySsTask& task)
{
    KyPlanTaskEditDialog dlg(&task);
    return dlg.exec() != 0;
}

void KyPlanTaskMgrForm::slot_showTaskList()
{
    fillTaskList();
}

void KyPlanTaskMgrForm::slot_addClicked()
{
    KySsTask task;
    task.id = 0;
    if (!runEditor(task))
        return;
    task.status = KY_TASK_IDLE;
    task.sourceCategory = KY_TASK_SOUND_SOURCE;
    saveEdited(task, 0);
}

void KyPlanTaskMgrForm::slot_editClicked()
{
    editCurrentTask(true);
}

void KyPlanTaskMgrForm::slot_stopTaskClicked()
{
    startOrStopSelected(false);
}

void KyPlanTaskMgrForm::slot_widgetItemClicked(QTableWidgetItem* widget_item)
{
    if (!widget_item)
        return;
    KySsTask task;
    const int id = cellInt(widget_item->row(), 0);
    if (id == -1 || !KySsTaskDataMgr::instance()->getTask(id, task))
        return;
    const bool editable = task.sourceType != KY_BROADCAST_MIC;
    ui->fEditBtn->setEnabled(editable);
    ui->fDelBtn->setEnabled(editable);
}
