#include "KyBaseLevelCtr.h"

#include "KyLevelList.h"
#include "KyManageContext.h"
#include "KyMessageBox.h"
#include "KyTipsInfo.h"
#include "KyUser.h"

bool KyBaseLevelCtr::mayEdit()
{
    KyManageContext* context = KyManageContext::instance();
    if (!context)
        return false;
    KyLevel level;
    if (getLevel(context->levelList(), level) != 0)
        return false;
    const KyUser* user = currentUser();
    return user && user->level <= static_cast<int>(level.level);
}

bool KyBaseLevelCtr::hasEditPermission()
{
    if (mayEdit())
        return true;
    KyMessageBox::showMessage(nullptr, KyTipsInfo::tips(), KyTipsInfo::noEditPermission(), 1);
    return false;
}

int KyAdvancedLevelCtr::getLevel(KyLevelList* list, KyLevel& out)
{
    return list ? list->getAdvancedLevel(out) : -1;
}
