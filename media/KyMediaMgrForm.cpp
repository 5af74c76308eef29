#include "KyMediaMgrForm.h"

KyMediaMgrForm::KyMediaMgrForm() : QWidget(nullptr) {}
