#include "KyMicGroupInfoForm.h"

KyMicGroupInfoForm::KyMicGroupInfoForm(QWidget* parent) : QWidget(parent) {}
