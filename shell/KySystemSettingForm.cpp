#include "KySystemSettingForm.h"

KySystemSettingForm::KySystemSettingForm(QWidget* parent)
    : QWidget(parent), titleName(QStringLiteral("管理中心"))
{
}
