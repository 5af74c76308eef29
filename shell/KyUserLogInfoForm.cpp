#include "KyUserLogInfoForm.h"

KyUserLogInfoForm::KyUserLogInfoForm(QWidget* parent) : QWidget(parent) {}
