#include "KyCallWaitRule.h"

#include <QtGlobal>

const char* const g_callWaitRuleNames[5] = {
    QT_TRANSLATE_NOOP("KyMicGroupInfoForm", "All Ring"),
    QT_TRANSLATE_NOOP("KyMicGroupInfoForm", "Ring Least First"),
    QT_TRANSLATE_NOOP("KyMicGroupInfoForm", "Answer Least First"),
    QT_TRANSLATE_NOOP("KyMicGroupInfoForm", "Talk Least First"),
    QT_TRANSLATE_NOOP("KyMicGroupInfoForm", "Fixed Order"),
};

const char* callWaitRuleName(int rule)
{
    return (rule >= 1 && rule <= KY_CALL_WAIT_RULES) ? g_callWaitRuleNames[rule - 1] : nullptr;
}
