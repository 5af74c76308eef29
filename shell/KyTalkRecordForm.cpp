#include "KyTalkRecordForm.h"

KyTalkRecordForm::KyTalkRecordForm(QWidget* parent) : QWidget(parent) {}
