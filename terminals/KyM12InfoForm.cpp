#include "KyM12InfoForm.h"

KyM12InfoForm::KyM12InfoForm() : QWidget(nullptr) {}
