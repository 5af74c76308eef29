#include "KyPlanTaskMgrForm.h"

KyPlanTaskMgrForm::KyPlanTaskMgrForm() : QWidget(nullptr) {}
