#include "KyM02InfoForm.h"

KyM02InfoForm::KyM02InfoForm(QWidget* parent) : QWidget(parent) {}
