// The page's dialog buttons (hidden on this page): TCP/UDP mode and default setting.
#include "KyPlayerInfoForm.h"

void KyPlayerInfoForm::tcpModeClicked() {}

void KyPlayerInfoForm::defaultSetClicked() {}
