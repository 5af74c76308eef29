#include "KyTermLogInfoForm.h"

KyTermLogInfoForm::KyTermLogInfoForm(QWidget* parent) : QWidget(parent) {}
