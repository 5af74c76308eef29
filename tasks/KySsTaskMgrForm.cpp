#include "KySsTaskMgrForm.h"

KySsTaskMgrForm::KySsTaskMgrForm(int taskType) : QWidget(nullptr)
{
    Q_UNUSED(taskType);
}
