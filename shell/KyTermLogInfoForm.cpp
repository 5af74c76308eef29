#include "KyTermLogInfoForm.h"

#include <QPushButton>

#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "ui_fLogInfoForm.h"

KyTermLogInfoForm::KyTermLogInfoForm(QWidget* parent) : KyLogInfoFormBase(parent, {4, 5})
{
    setupColumns(tr("Terminal Log"),
                 {tr("Date"), tr("Terminal Id"), tr("Name"), tr("Type"), tr("IP"), tr("Action")}, 1);
    connect(m_logMgr, &KyServiceLogMgr::gotTermLogList, this, &KyTermLogInfoForm::slot_showLogList);
    connect(m_logMgr, &KyServiceLogMgr::gotTermLogSize, this, &KyTermLogInfoForm::slot_getLogSize);
    connect(ui->fPrevious, &QPushButton::clicked, this, &KyTermLogInfoForm::slot_previousClicked);
    connect(ui->fNext, &QPushButton::clicked, this, &KyTermLogInfoForm::slot_nextClicked);
    connect(ui->fRefreshButton, &QPushButton::clicked, this, &KyTermLogInfoForm::slot_refreshClicked);
    connect(ui->fLogDownloadBt, &QPushButton::clicked, this, &KyTermLogInfoForm::slot_downloadClicked);
    load();
}

void KyTermLogInfoForm::slot_showLogList() { showList(); }
void KyTermLogInfoForm::slot_getLogSize(int size) { countArrived(size); }
void KyTermLogInfoForm::slot_previousClicked() { previousPage(); }
void KyTermLogInfoForm::slot_nextClicked() { nextPage(); }
void KyTermLogInfoForm::slot_refreshClicked() { refresh(); }
void KyTermLogInfoForm::set_query_btn_enable() { enableRefresh(); }
void KyTermLogInfoForm::slot_downloadClicked() { openExport(3); }

int KyTermLogInfoForm::countRows() { return dbCountTerminalLog(); }

int KyTermLogInfoForm::queryRows(std::vector<KyLogEntry>& rows, int start, int count)
{
    return dbQueryTerminalLogPage(rows, start, count);
}

std::list<KyLogEntry> KyTermLogInfoForm::servicePage() const { return m_logMgr->termLogList(); }

void KyTermLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    setCellText8(row, 0, kyLogDateText(e.time));
    setCellText8(row, 1, number(e.terminalId));
    setCellText8(row, 2, e.name);
    setCellText8(row, 3, e.type);
    setCellText8(row, 4, e.ip);
    setCellText8(row, 5, e.content);
}
