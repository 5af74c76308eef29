#include "KyMicInfoForm.h"

KyMicInfoForm::KyMicInfoForm() : QWidget(nullptr) {}
