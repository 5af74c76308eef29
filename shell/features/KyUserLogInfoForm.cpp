#include "KyUserLogInfoForm.h"


#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "ui_fLogInfoForm.h"

KyUserLogInfoForm::KyUserLogInfoForm(QWidget* parent)
    : KyLogInfoFormBase(parent, {0, 1, dbCountUserLog, dbQueryUserLogPage, &KyServiceLogMgr::userLogList})
{
    setupColumns(tr("User Log"), {tr("Date"), tr("User Name"), QStringLiteral("IP"), tr("Content")}, 0);
    connect(m_logMgr, &KyServiceLogMgr::gotUserLogList, this, &KyUserLogInfoForm::slot_showUserLogList);
    connect(m_logMgr, &KyServiceLogMgr::gotUserLogSize, this, &KyUserLogInfoForm::slot_getUserLogSize);
    connectPaging(this, &KyUserLogInfoForm::slot_previousClicked, &KyUserLogInfoForm::slot_nextClicked,
                  &KyUserLogInfoForm::slot_refreshClicked);
    connect(pagingButton(3), &QPushButton::clicked, this, &KyUserLogInfoForm::slot_downloadClicked);
    load();
}

void KyUserLogInfoForm::slot_showUserLogList() { showList(); }
void KyUserLogInfoForm::slot_getUserLogSize(int size) { countArrived(size); }
void KyUserLogInfoForm::slot_previousClicked() { previousPage(); }
void KyUserLogInfoForm::slot_nextClicked() { nextPage(); }
void KyUserLogInfoForm::slot_refreshClicked() { refresh(); }
void KyUserLogInfoForm::slot_downloadClicked() { openExport(1); }
void KyUserLogInfoForm::set_refresh_btn_enable() { enableRefresh(); }

void KyUserLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    setCellText8(row, 0, kyLogDateText(e.time));
    setCellText8(row, 1, e.name);
    setCellText8(row, 2, e.ip);
    setCellText8(row, 3, e.content);
}
