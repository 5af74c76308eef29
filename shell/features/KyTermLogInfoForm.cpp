#include "KyTermLogInfoForm.h"

#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"

KyTermLogInfoForm::KyTermLogInfoForm(QWidget* parent)
    : KyLogPageForm(parent, {4, 5, dbCountTerminalLog, dbQueryTerminalLogPage, &KyServiceLogMgr::termLogList}, 3,
                    &KyServiceLogMgr::gotTermLogList, &KyServiceLogMgr::gotTermLogSize)
{
    setupColumns(tr("Terminal Log"),
                 {tr("Date"), tr("Terminal Id"), tr("Name"), tr("Type"), tr("IP"), tr("Action")}, 1);
    load();
}

void KyTermLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    setCellText8(row, 0, kyLogDateText(e.time));
    setCellText8(row, 1, number(e.terminalId));
    setCellText8(row, 2, e.name);
    setCellText8(row, 3, e.type);
    setCellText8(row, 4, e.ip);
    setCellText8(row, 5, e.content);
}
