#include "KyTaskPages.h"

#include "KyMicGroupInfoForm.h"
#include "KyPageFactory.h"
#include "KyPlanTaskMgrForm.h"
#include "KyRegionMgrForm.h"
#include "KySsTaskMgrForm.h"
#include "KyTimerTaskMgrForm.h"

void registerTaskPages()
{
    KyPageFactory::registerPage("KyPlanTaskMgrForm", [](int) { return new KyPlanTaskMgrForm(); });
    KyPageFactory::registerPage("KySsTaskMgrForm", [](int type) { return new KySsTaskMgrForm(type); });
    KyPageFactory::registerPage("KyTimerTaskMgrForm", [](int type) { return new KyTimerTaskMgrForm(type); });
    KyPageFactory::registerPage("KyMicGroupInfoForm", [](int) { return new KyMicGroupInfoForm(nullptr); });
    KyPageFactory::registerPage("KyRegionMgrForm", [](int) { return new KyRegionMgrForm(nullptr); });
}
