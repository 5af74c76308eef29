#include "KyFAlarmInfoForm.h"

KyFAlarmInfoForm::KyFAlarmInfoForm() : QWidget(nullptr) {}
