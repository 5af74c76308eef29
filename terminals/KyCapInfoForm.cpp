#include "KyCapInfoForm.h"

KyCapInfoForm::KyCapInfoForm() : QWidget(nullptr) {}
