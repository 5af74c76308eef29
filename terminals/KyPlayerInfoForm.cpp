#include "KyPlayerInfoForm.h"

KyPlayerInfoForm::KyPlayerInfoForm() : QWidget(nullptr) {}
