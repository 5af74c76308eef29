#include "KyTalkLogInfoForm.h"

#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "KyTextUtil.h"

namespace {
const char* const kCallTypes[] = {
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "EmergencyHelp"), QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Talkback"),
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Broadcast"), QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Talkback"),
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Broadcast"),
};
}

KyTalkLogInfoForm::KyTalkLogInfoForm(QWidget* parent)
    : KyLogPageForm(parent, {2, 3, dbCountTalkLog, dbQueryTalkLogPage, &KyServiceLogMgr::talkLogList}, 2,
                    &KyServiceLogMgr::gotTalkLogList, &KyServiceLogMgr::gotTalkLogSize)
{
    setupColumns(tr("Talk Log"),
                 {tr("Begin Time"), tr("End Time"), tr("Caller Code"), tr("Caller Name"), tr("Called Code"),
                  tr("Called Name"), tr("Type"), tr("Content")},
                 2);
    load();
}

QString KyTalkLogInfoForm::callTypeText(const std::string& type)
{
    const uint64_t n = kyLeadingNumber(type);
    if (type.empty() || n >= sizeof kCallTypes / sizeof kCallTypes[0])
        return localToQString(type);
    return tr(kCallTypes[n]);
}

void KyTalkLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    drawTalkCells(row, e, callTypeText(e.type), 0);
}
