#include "KyTimerTaskMgrForm.h"

KyTimerTaskMgrForm::KyTimerTaskMgrForm(int taskType) : QWidget(nullptr)
{
    Q_UNUSED(taskType);
}
