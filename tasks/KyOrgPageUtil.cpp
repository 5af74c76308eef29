#include "KyOrgPageUtil.h"

#include "BaseMessageDialog.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

void kyShowTips(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

int kyNextOrgId(int maxId)
{
    const int step = randomIndex();
    return maxId + (step == 0 ? 1 : step);
}
