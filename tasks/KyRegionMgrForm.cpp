#include "KyRegionMgrForm.h"

KyRegionMgrForm::KyRegionMgrForm(QWidget* parent) : QWidget(parent) {}
