#include "KyTalkLogInfoForm.h"

#include <QPushButton>

#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "ui_fLogInfoForm.h"

namespace {
const char* const kCallTypes[] = {
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "EmergencyHelp"), QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Talkback"),
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Broadcast"), QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Talkback"),
    QT_TRANSLATE_NOOP("KyTalkLogInfoForm", "Broadcast"),
};
}

KyTalkLogInfoForm::KyTalkLogInfoForm(QWidget* parent) : KyLogInfoFormBase(parent, {2, 3})
{
    setupColumns(tr("Talk Log"),
                 {tr("Begin Time"), tr("End Time"), tr("Caller Code"), tr("Caller Name"), tr("Called Code"),
                  tr("Called Name"), tr("Type"), tr("Content")},
                 2);
    connect(m_logMgr, &KyServiceLogMgr::gotTalkLogList, this, &KyTalkLogInfoForm::slot_showLogList);
    connect(m_logMgr, &KyServiceLogMgr::gotTalkLogSize, this, &KyTalkLogInfoForm::slot_getLogSize);
    connect(ui->fPrevious, &QPushButton::clicked, this, &KyTalkLogInfoForm::slot_previousClicked);
    connect(ui->fNext, &QPushButton::clicked, this, &KyTalkLogInfoForm::slot_nextClicked);
    connect(ui->fRefreshButton, &QPushButton::clicked, this, &KyTalkLogInfoForm::slot_refreshClicked);
    connect(ui->fLogDownloadBt, &QPushButton::clicked, this, &KyTalkLogInfoForm::slot_downloadClicked);
    load();
}

QString KyTalkLogInfoForm::callTypeText(const std::string& type)
{
    const uint64_t n = kyLeadingNumber(type);
    if (type.empty() || n >= sizeof kCallTypes / sizeof kCallTypes[0])
        return QString::fromStdString(type);
    return tr(kCallTypes[n]);
}

void KyTalkLogInfoForm::slot_showLogList() { showList(); }
void KyTalkLogInfoForm::slot_getLogSize(int size) { countArrived(size); }
void KyTalkLogInfoForm::slot_previousClicked() { previousPage(); }
void KyTalkLogInfoForm::slot_nextClicked() { nextPage(); }
void KyTalkLogInfoForm::slot_refreshClicked() { refresh(); }
void KyTalkLogInfoForm::set_query_btn_enable() { enableRefresh(); }
void KyTalkLogInfoForm::slot_downloadClicked() { openExport(2); }

int KyTalkLogInfoForm::countRows() { return dbCountTalkLog(); }

int KyTalkLogInfoForm::queryRows(std::vector<KyLogEntry>& rows, int start, int count)
{
    return dbQueryTalkLogPage(rows, start, count);
}

std::list<KyLogEntry> KyTalkLogInfoForm::servicePage() const { return m_logMgr->talkLogList(); }

void KyTalkLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    drawTalkCells(row, e, callTypeText(e.type), 0);
}
