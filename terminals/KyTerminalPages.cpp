#include "KyTerminalPages.h"

#include "KyCapInfoForm.h"
#include "KyFAlarmInfoForm.h"
#include "KyM02InfoForm.h"
#include "KyM04InfoForm.h"
#include "KyM12InfoForm.h"
#include "KyMicInfoForm.h"
#include "KyPageFactory.h"
#include "KyPlayerInfoForm.h"
#include "KyTtsInfoForm.h"

void registerTerminalPages()
{
    KyPageFactory::registerPage("KyPlayerInfoForm", [](int) { return new KyPlayerInfoForm(); });
    KyPageFactory::registerPage("KyMicInfoForm", [](int) { return new KyMicInfoForm(); });
    KyPageFactory::registerPage("KyCapInfoForm", [](int) { return new KyCapInfoForm(); });
    KyPageFactory::registerPage("KyTtsInfoForm", [](int) { return new KyTtsInfoForm(); });
    KyPageFactory::registerPage("KyM02InfoForm", [](int) { return new KyM02InfoForm(nullptr); });
    KyPageFactory::registerPage("KyM04InfoForm", [](int) { return new KyM04InfoForm(nullptr); });
    KyPageFactory::registerPage("KyM12InfoForm", [](int) { return new KyM12InfoForm(); });
    KyPageFactory::registerPage("KyFAlarmInfoForm", [](int) { return new KyFAlarmInfoForm(); });
}
