#include "KyTtsInfoForm.h"

KyTtsInfoForm::KyTtsInfoForm() : QWidget(nullptr) {}
