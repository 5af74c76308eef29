#include "KyM04InfoForm.h"

KyM04InfoForm::KyM04InfoForm(QWidget* parent) : QWidget(parent) {}
