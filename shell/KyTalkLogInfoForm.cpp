#include "KyTalkLogInfoForm.h"

KyTalkLogInfoForm::KyTalkLogInfoForm(QWidget* parent) : QWidget(parent) {}
